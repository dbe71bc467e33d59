#include "core/romannumeral.h"

#include "core/checked.h"
#include "core/textservices.h"

#include <QCoreApplication>

#include <cmath>
#include <cstdint>

namespace {

struct Piece
{
    std::int16_t threshold;
    const char *letters;
};

constexpr Piece Pieces[] = {
    {1000, "M"},
    {900, "CM"},
    {500, "D"},
    {400, "CD"},
    {100, "C"},
    {90, "XC"},
    {50, "L"},
    {40, "XL"},
    {10, "X"},
    {9, "IX"},
    {5, "V"},
    {4, "IV"},
    {1, "I"},
};

} // namespace

QString romanOverflowText()
{
    return QCoreApplication::translate("RomanNumeral", "Roman overflow",
        "shown in place of a numeral for numbers from 9000 up; never only Roman letters");
}

QString romanUnderflowText()
{
    return QCoreApplication::translate("RomanNumeral", "Roman underflow",
        "shown in place of a numeral for numbers from -9000 down; never only Roman letters");
}

QString romanZeroText()
{
    return QCoreApplication::translate(
        "RomanNumeral", " - - - - - -", "shown for zero, which has no Roman numeral");
}

QString romanNumeral(double value)
{
    if (value >= RomanLimit)
        return romanOverflowText();
    if (value <= -RomanLimit || std::isnan(value))
        return romanUnderflowText();
    if (value == 0)
        return romanZeroText();

    // 8999.5 passes the range test and rounds to 9000, so nine Ms can appear.
    std::int16_t count = roundToInt16(value);
    if (count < 0)
        count = static_cast<std::int16_t>(-count);
    // The sign comes from the value itself: -0.4 rounds to 0 and shows "()".
    const bool negative = value < 0;

    QString text;
    if (negative)
        text += QLatin1Char('(');
    for (const Piece &piece : Pieces) {
        while (count >= piece.threshold) {
            count = subtract16(count, piece.threshold);
            text += QLatin1String(piece.letters);
        }
    }
    if (negative)
        text += QLatin1Char(')');
    return text;
}

QString romanDescription(double value, const QString &shown)
{
    // Told by the value, not by comparing the text with each fixed text:
    // this runs at every keystroke, and each of those is a translation.
    if (std::isnan(value))
        return QCoreApplication::translate("RomanNumeral", "%1: not a number").arg(shown);
    if (value >= RomanLimit)
        return QCoreApplication::translate("RomanNumeral", "%1: %2 is too large for Roman numerals")
            .arg(shown, numberText(value));
    if (value <= -RomanLimit)
        return QCoreApplication::translate("RomanNumeral", "%1: %2 is too small for Roman numerals")
            .arg(shown, numberText(value));
    if (value == 0)
        return QCoreApplication::translate("RomanNumeral", "zero");
    if (std::abs(value) <= 0.5) // rounds to no letter at all
        return QCoreApplication::translate(
            "RomanNumeral", "%1 rounds to no Roman numeral", "%1 is a decimal number")
            .arg(numberText(value));
    return QCoreApplication::translate(
        "RomanNumeral", "%1: %2", "a Roman numeral and its decimal value, e.g. XIV: 14")
        .arg(shown, numberText(value));
}
