#include "numerals/readoutlayout.h"

#include "widgets/grid.h"
#include "widgets/usercontrol.h"

void layoutReadout(const UserControl &readout, QWidget *frame, QWidget *textBox)
{
    const GridUnits units = gridUnits(readout.twipsWidth(), readout.twipsHeight(), 100, 7);
    readout.cover(frame);
    moveOnGrid(textBox, units, 5, 2, 90, 4);
}
