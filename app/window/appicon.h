#pragma once

#include <QIcon>

// The calculator's icon, from the images compiled into the program.
QIcon calculatorIcon();
