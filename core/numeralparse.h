#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

#include <optional>

// The entries a person can type besides a decimal number: Roman numerals and
// hexadecimal numbers after "0X".

// What the type-in box reads from an entry: a decimal number, else a Roman or
// hexadecimal numeral. Blanks, tabs and line breaks around it do not count, as
// copied text often has them; blanks alone are no entry. The empty text is 0.
// Throws OverflowError for a hexadecimal value beyond the largest double.
std::optional<double> readEntry(const QString &text);

// How many characters after "0X" are hexadecimal digits: where reading stops.
qsizetype hexDigitCount(QStringView digits);

// An entry that is not a decimal number, in either case: the hexadecimal
// digits after "0X", else a Roman numeral. Nothing when it is no Roman numeral.
// Throws OverflowError for a hexadecimal value beyond the largest double.
std::optional<double> parseNumeral(const QString &text);

// An upper-case Roman numeral, read leniently: letters add up, the six
// subtractive pairs (CM, CD, XC, XL, IX, IV) count as such, and nothing limits
// repetition or order (IIII is 4, VX 15, IIX 10). Nothing when a character is
// no Roman digit or two neighbours are DD, LL, VV, DM, LD or VL. The empty
// text is 0. Whatever forms the numerals are written in, it also reads a
// letter followed by a bar (U+0305 or U+0304) as a thousand times its value,
// the Unicode Roman numerals as their letters (Ⅻ is XII, ↂ is X̅), and S and
// dots (U+00B7) at the end as a half and twelfths (IIS is 2.5).
std::optional<double> parseRoman(QStringView numeral);

// How the reading rules counted a numeral as typed, in any case and form,
// part by part: "IC = I + C = 101"; "" for a text that is no Roman numeral.
QString romanReading(const QString &typed);

// Whether the text has a character only a Roman numeral of the wider forms
// has: a bar, a Unicode numeral, S or a twelfth's dot.
bool hasWiderRomanForm(QStringView text);

// The upper-case hexadecimal digits at the start of digits; the first other
// character ends them, and no digit at all is 0. Throws OverflowError when the
// value exceeds the largest finite double.
double parseHexDigits(QStringView digits);
