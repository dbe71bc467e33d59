#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

// Roman numerals as people write them, in every form found in print and
// inscriptions, read by the lenient rules; and what a numeral outside the
// standard form may have been meant to say.

// A text as the Roman reader takes it, whatever its case and Unicode form:
// upper case, decomposed (Ī is I and its bar), each bar the overline the
// calculator writes.
QString romanSpelling(const QString &text);

// A Roman numeral spelt as romanSpelling() gives it, read leniently: letters
// add up, the six subtractive pairs (CM, CD, XC, XL, IX, IV) count as such,
// and nothing limits repetition or order (IIII is 4, VX 15, IIX 10). Nothing
// when a character is no Roman digit or two neighbours are DD, LL, VV, DM, LD
// or VL. The empty text is 0. Whatever forms the numerals are written in, it
// also reads a letter followed by a bar as a thousand times its value, the
// Unicode Roman numerals as their letters (Ⅻ is XII, ↂ is X̅, ↅ VI, ↆ L), a
// bar over one of them as a bar over each of its letters (Ⅳ̅ is I̅V̅), the
// apostrophus of printed books (CIↃ is M, IↃ D, IↃↃ V̅, CCIↃↃ X̅ and so on
// to M̅), S and dots (U+00B7) at the end as a half and twelfths (IIS is 2.5),
// and N or NULLA alone as 0.
std::optional<double> parseRoman(QStringView numeral);

// Whether a numeral, spelt as romanSpelling() gives it, is one the calculator
// writes for its value in one of its forms.
bool isStandardRoman(QStringView numeral, double value);

// What a numeral as typed that is no standard one may have been meant to be:
// the value the lenient rules give it, then, where it differs, the value it
// has when every letter before a larger one subtracts, as a run of them does
// (IC 101 and 99, IIX 10 and 8). None for a standard numeral or a text that
// is no Roman numeral.
QList<double> romanMeanings(const QString &typed);

// How the reading rules counted a numeral as typed, in any case and form,
// part by part: "IC = I + C = 101"; "" for a text that is no Roman numeral.
QString romanReading(const QString &typed);

// Whether the text has a character only a Roman numeral of the wider forms
// has (a bar, a Unicode numeral, an apostrophus, S or a twelfth's dot), or
// is the zero N or NULLA.
bool hasWiderRomanForm(QStringView text);
