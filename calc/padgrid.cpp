#include "calc/padgrid.h"

std::int16_t PadGrid::leftUnits(int index) const
{
    const int column = filledByColumn ? index / rows : index % columns;
    return static_cast<std::int16_t>(1 + Pitch * column);
}

std::int16_t PadGrid::topUnits(int index) const
{
    const int row = filledByColumn ? index % rows : index / columns;
    return static_cast<std::int16_t>(2 + Pitch * row);
}

PadGrid padGrid(std::int16_t wide)
{
    switch (wide) {
    case 1:
        return {1, 8, false};
    case 2:
        return {4, 2, true};
    case 3:
        return {8, 1, false};
    default:
        return {2, 4, false};
    }
}
