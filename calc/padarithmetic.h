#pragma once

#include <cstdint>

// The operation that waits for its right-hand operand. The numbers travel
// between the keypad and the host's saved sub-expressions, so they are fixed.
namespace PendingCode {
inline constexpr std::int16_t None = 0;
inline constexpr std::int16_t Add = 1;
inline constexpr std::int16_t Divide = 2;
inline constexpr std::int16_t Multiply = 3;
inline constexpr std::int16_t Subtract = 4;
} // namespace PendingCode

// Applies the operation named by code to the accumulator with value as its
// right-hand operand; a code outside 0..4 does no arithmetic. A zero or NaN
// value is replaced by 1 whatever the code. A result that is not finite is
// left in acc and throws ArithmeticError.
void applyPending(std::int16_t code, double &acc, double &value);
