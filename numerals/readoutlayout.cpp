#include "numerals/readoutlayout.h"

#include "widgets/grid.h"
#include "widgets/twips.h"
#include "widgets/usercontrol.h"

void layoutReadout(const UserControl &readout, QWidget *frame, QWidget *textBox)
{
    const float width = readout.twipsWidth();
    const float height = readout.twipsHeight();
    const GridUnits units = gridUnits(width, height, 100, 7);
    moveTwips(frame, 0, 0, static_cast<int>(width), static_cast<int>(height));
    moveOnGrid(textBox, units, 5, 2, 90, 4);
}
