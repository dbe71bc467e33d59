#pragma once

#include <cstdint>

// The keypad's buttons stand on a grid counted in layout units: every button
// is four units square with one unit between neighbours and around the edge,
// two at the top.
struct PadGrid
{
    static constexpr std::int16_t ButtonUnits = 4;

    std::int16_t columns;
    std::int16_t rows;
    bool filledByColumn;

    // The whole pad in units: the divisors of its width and height.
    std::int16_t columnUnits() const { return 1 + Pitch * columns; }
    std::int16_t rowUnits() const { return 2 + Pitch * rows; }

    // Left and top in units of the button at index, counted in the order the
    // keypad places its buttons.
    std::int16_t leftUnits(int index) const;
    std::int16_t topUnits(int index) const;

private:
    static constexpr std::int16_t Pitch = ButtonUnits + 1;
};

// The arrangement an orientation setting chooses: 1 one column, 2 four columns
// of two, 3 one row; any other value two columns of four.
PadGrid padGrid(std::int16_t wide);
