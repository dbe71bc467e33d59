#pragma once

#include <QString>
#include <QStringList>

// Roman numerals are written for magnitudes below this; the readout shows
// the overflow and underflow texts beyond.
inline constexpr double RomanLimit = 9000;
// With the vinculum, a bar over a letter multiplies it by a thousand: the
// thousands are barred from here, and numerals reach this far.
inline constexpr double VinculumStart = 4000;
inline constexpr double VinculumLimit = 4'000'000;

// How numerals are written, and how strictly they are read, chosen by the
// person. Reading takes every written form whatever the choice of forms. Both
// forms off, numerals are exactly the seven letters.
struct RomanForms
{
    // 4000 and up with the thousands barred: 12345 is X̅I̅I̅CCCXLV.
    bool vinculum = false;
    // Fractions to the nearest twelfth: S a half, a dot each twelfth.
    bool twelfths = false;
    // Only numerals as the calculator writes them are read, in any of its
    // forms: IC and IIII are refused.
    bool strict = false;

    bool operator==(const RomanForms &) const = default;
};

// The forms every numeral written from now on takes, for the whole program,
// as the locale is.
void setRomanForms(RomanForms forms);
RomanForms romanForms();

// Numerals are written for magnitudes below this, in the forms chosen.
double romanLimit();

// The Roman readout's fixed texts, in the person's language. Functions, not
// constants: a text is translated when asked for, after the translations are
// installed.
QString romanOverflowText();
QString romanUnderflowText();
QString romanZeroText();

// A sentence about the vinculum with its %1 and %2 filled in with the first
// and the last number written with bars, so that no text disagrees with them.
QString withVinculumRange(const QString &sentence);

// The text the Roman readout shows for a number: the numeral of the nearest
// integer (halves to even), or with twelfths of the nearest twelfth, in
// parentheses when the number is negative; the zero text for a number that
// rounds to zero; the overflow text for one that reaches the limit, rounded,
// and the underflow text for minus that and for NaN.
QString romanNumeral(double value);

// The same with fractions written in twelfths, whatever the choice.
QString romanNumeralInTwelfths(double value);

// Whether romanNumeral() writes the value without rounding: a positive whole
// number below the limit, or with twelfths a whole number of twelfths.
bool romanIsExact(double value);

// The numerals the calculator writes for a value exactly, in the forms chosen
// first, then in those it writes in the other forms (4000 as MMMM and I̅V̅);
// none for a value no form writes exactly, such as 0 or 0.1.
QStringList standardNumerals(double value);

// How romanNumeral() rounds a value that it cannot write as it is.
enum class RomanRounding {
    None,
    // To a numeral of a whole number, or with twelfths of a whole number of twelfths.
    ToWhole,
    ToTwelfths,
    // To no numeral: the zero text.
    ToZero,
    // To the limit or beyond: the overflow or underflow text.
    BeyondLimit,
};
RomanRounding romanRounding(double value);

// What a screen reader says for the text romanNumeral() writes for the value:
// the numeral with its decimal value, or the fixed texts in words.
QString romanDescription(double value, const QString &shown);

// How the numeral romanNumeral() writes for the value is built, part by part:
// "MCMXCIX = M + CM + XC + IX = 1000 + 900 + 90 + 9"; "" for a value without
// a numeral or a numeral of one part.
QString romanBreakdown(double value);
