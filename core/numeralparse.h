#pragma once

#include "core/romanreading.h"

#include <QChar>
#include <QString>
#include <QStringView>

#include <optional>

// The entries a person can type besides a decimal number: Roman numerals and
// hexadecimal numbers after "0X".

// What the type-in box reads from an entry: a decimal number, else a Roman or
// hexadecimal numeral. Blanks, tabs and line breaks around it do not count, as
// copied text often has them; blanks alone are no entry. The empty text is 0.
// A "-" before a numeral is its sign, as before a decimal number.
// Throws OverflowError for a hexadecimal value beyond the largest double.
std::optional<double> readEntry(const QString &text);

// No entry longer than this is read: no number a person means is, and
// reading a pasted wall of digits whole would hold the window.
inline constexpr qsizetype LongestEntry = 100'000;

// How many characters after "0X" are hexadecimal digits: where reading stops.
qsizetype hexDigitCount(QStringView digits);

// An entry that is not a decimal number, in either case and any Unicode
// form: the hexadecimal digits after "0X", else a Roman numeral, in standard
// form only when numerals are read strictly. Nothing when it is no Roman
// numeral, or not in standard form when it has to be.
// Throws OverflowError for a hexadecimal value beyond the largest double.
std::optional<double> parseNumeral(const QString &text);

// The upper-case hexadecimal digits at the start of digits; the first other
// character ends them, and no digit at all is 0. Throws OverflowError when the
// value exceeds the largest finite double.
double parseHexDigits(QStringView digits);
