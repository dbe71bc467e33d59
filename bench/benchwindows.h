#pragma once

#include "app/window/calvaran.h"

#include <QWidget>

class QLineEdit;

// The calculator window beside its floor: a bare window of the same size
// holding one QLineEdit shaped like the calculator's type-in box, which does
// nothing but empty itself at an operation key. Both are shown and exposed offscreen, so that the
// difference between typing into one and the other is the calculator's own
// work.
struct BenchWindows
{
    BenchWindows();

    Calvaran calculator;
    QWidget bare;
    QLineEdit *typeIn;
    QLineEdit *bareBox;
};
