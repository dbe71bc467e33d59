#include "core/romannumeral.h"

#include "core/checked.h"
#include "core/textservices.h"

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

QString romanNumeral(double value)
{
    if (value >= 9000)
        return RomanOverflowText;
    if (value <= -9000 || std::isnan(value))
        return RomanUnderflowText;
    if (value == 0)
        return RomanZeroText;

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
    if (std::isnan(value))
        return QStringLiteral("%1: not a number").arg(shown);
    if (shown == RomanOverflowText)
        return QStringLiteral("%1: %2 is too large for Roman numerals")
            .arg(shown, numberText(value));
    if (shown == RomanUnderflowText)
        return QStringLiteral("%1: %2 is too small for Roman numerals")
            .arg(shown, numberText(value));
    if (shown == RomanZeroText)
        return QStringLiteral("zero");
    if (shown.isEmpty() || shown == QStringLiteral("()"))
        return QStringLiteral("%1 rounds to no Roman numeral").arg(numberText(value));
    return QStringLiteral("%1: %2").arg(shown, numberText(value));
}
