#include "widgets/grid.h"

#include "core/checked.h"
#include "widgets/twips.h"

GridUnits gridUnits(float width, float height, int columns, int rows)
{
    GridUnits units;
    units.vertical = roundToInt16(static_cast<double>(height) / rows);
    units.horizontal = roundToInt16(static_cast<double>(width) / columns);
    return units;
}

void moveOnGrid(QWidget *widget, GridUnits units, int left, int top, int width, int height)
{
    const auto checked = [](int factor, std::int16_t unit) {
        return multiply16(static_cast<std::int16_t>(factor), unit);
    };
    const int twipsHeight = checked(height, units.vertical);
    const int twipsWidth = checked(width, units.horizontal);
    const int twipsTop = checked(top, units.vertical);
    const int twipsLeft = checked(left, units.horizontal);
    moveTwips(widget, twipsLeft, twipsTop, twipsWidth, twipsHeight);
}
