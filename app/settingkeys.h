#pragma once

#include <QString>

// The names of the settings the calculator keeps between runs, one place for
// every file that reads or writes them: a name typed twice would drift, and a
// setting written under one name and read under another is silently lost.

// The window's size, as the person last left it.
inline const QString WindowSizeKey = QStringLiteral("Window/size");
// Whether the tape is shown, and how wide the person dragged it.
inline const QString TapeShownKey = QStringLiteral("Tape/shown");
inline const QString TapeWidthKey = QStringLiteral("Tape/width");
// The numeral choices of the right-click menu.
inline const QString LargeNumbersKey = QStringLiteral("Numerals/largeNumbersWithBars");
inline const QString FractionsKey = QStringLiteral("Numerals/fractionsInTwelfths");
inline const QString StrictKey = QStringLiteral("Numerals/strict");
