#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// Text services that follow the default QLocale's decimal separator.

// The general text form of a number: at most 15 significant digits, no
// trailing zeros, plain notation for decimal exponents -4 to 14 and a form
// such as 1.5E+20 otherwise. Negative zero is "0"; the non-finite values,
// which no calculation produces, are "Infinity", "-Infinity" and "NaN".
QString numberText(double value);

// The numeric test and conversion in one: surrounding blanks, an optional
// sign, digits with at most one decimal separator and an optional exponent.
// Nothing else is a number: no "inf" or "nan", no hexadecimal, no thousands
// separators, and no value beyond the range of a double. A value too small
// for a double is zero, as in any calculator.
std::optional<double> parseNumber(const QString &text);

// Whether the text is a number in every way but its size: beyond the largest
// double, which parseNumber() refuses.
bool isOutOfRange(const QString &text);

// Whether the text is the start of a decimal number still being typed: a
// sign alone ("-"), or a mantissa with its exponent's mark and perhaps its
// sign ("2.5E-"). Such a text is no number yet, but no mistake either.
bool isUnfinishedNumber(QStringView text);

QString upperCase(const QString &text);

// Which characters escaped() writes as escapes. Line breaks and tabs always
// are, as \n, \r and \t, so that a text stays on one line and in one field.
struct Escapes
{
    // The backslash doubled, so that every escape reads back as it was.
    bool backslash = false;
    // Other control characters and Unicode's line and paragraph separators as
    // \uxxxx, so that a message says what was there.
    bool controls = false;
    // Everything but printable ASCII as \uxxxx, the quotation mark too, for a
    // report that any terminal shows alike.
    bool beyondAscii = false;
};

// The text with the characters chosen written as escapes, the rest as it is.
QString escaped(const QString &text, Escapes escapes);
