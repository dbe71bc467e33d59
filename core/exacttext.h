#pragma once

#include <QString>

// The one writing of a value that is to be read back: what Copy, the tape's
// copies and reuse and --eval give, so that whatever the calculator writes
// out it reads in again as exactly the same number.

// The decimal text of the value: the readout's own text where it reads back
// as exactly the value, else the shortest text that does (up to 17
// significant digits), in the locale's form. Non-finite values, which no
// calculation leaves, give the readout's text.
QString exactDecimal(double value);

// The Roman numeral where it is exact (romanIsExact), else the exact decimal
// text.
QString exactText(double value);
