#pragma once

#include <QString>

// Roman numerals are written for magnitudes below this; the readout shows
// the overflow and underflow texts beyond.
inline constexpr double RomanLimit = 9000;

// The Roman readout's fixed texts, in the person's language. Functions, not
// constants: a text is translated when asked for, after the translations are
// installed.
QString romanOverflowText();
QString romanUnderflowText();
QString romanZeroText();

// The text the Roman readout shows for a number: the numeral of the nearest
// integer (halves to even), in parentheses when the number is negative; the
// zero text for either zero; the overflow text from 9000 up and the underflow
// text from -9000 down and for NaN.
QString romanNumeral(double value);

// What a screen reader says for the text romanNumeral() writes for the value:
// the numeral with its decimal value, or the fixed texts in words.
QString romanDescription(double value, const QString &shown);
