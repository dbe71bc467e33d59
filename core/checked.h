#pragma once

#include <cstdint>

// Integer arithmetic of the layouts and the Roman conversion is 16-bit and
// checked: a result out of range throws OverflowError instead of wrapping.

// Nearest integer, an exact half going to the even neighbour (0.5 -> 0,
// 2.5 -> 2). Throws OverflowError outside -32768..32767 and for NaN.
std::int16_t roundToInt16(double value);

std::int16_t multiply16(std::int16_t a, std::int16_t b);
std::int16_t subtract16(std::int16_t a, std::int16_t b);
