#include "core/romannumeral.h"

#include "core/checked.h"
#include "core/textservices.h"

#include <QCoreApplication>
#include <QStringList>

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

namespace {

RomanForms &currentForms()
{
    static RomanForms forms;
    return forms;
}

// The numeral of a whole number, in groups of one letter or pair: "M",
// "CM", "XC", "IX" for 1999.
QStringList letterGroups(long count)
{
    QStringList groups;
    for (const Piece &piece : Pieces) {
        QString group;
        for (; count >= piece.threshold; count -= piece.threshold)
            group += QLatin1String(piece.letters);
        if (!group.isEmpty())
            groups << group;
    }
    return groups;
}

QString barred(const QString &letters)
{
    QString text;
    for (const QChar letter : letters)
        text.append(letter).append(QChar(0x0305));
    return text;
}

// A magnitude as the forms write it: the whole number (with its thousands
// barred from 4000 up), then a half and twelfths. Each part with its value.
struct Written
{
    QStringList parts;
    QStringList values;
};

Written writeMagnitude(double magnitude, RomanForms forms)
{
    long whole = 0;
    int twelfths = 0;
    if (forms.twelfths && magnitude != std::floor(magnitude)) {
        whole = long(std::floor(magnitude));
        twelfths = int(std::nearbyint((magnitude - double(whole)) * 12));
        if (twelfths == 12) {
            ++whole;
            twelfths = 0;
        }
    } else if (forms.vinculum) {
        whole = long(std::nearbyint(magnitude));
    } else {
        // 8999.5 passes the range test and rounds to 9000, so nine Ms can appear.
        whole = roundToInt16(magnitude);
    }
    Written written;
    if (forms.vinculum && whole >= 4000) {
        written.parts << barred(letterGroups(whole / 1000).join(QString()));
        written.values << QStringLiteral("%1 × 1000").arg(whole / 1000);
        whole %= 1000;
    }
    for (const QString &group : letterGroups(whole)) {
        written.parts << group;
        int value = 0;
        for (const Piece &piece : Pieces) {
            if (group.startsWith(QLatin1String(piece.letters)))
                value = piece.threshold * int(group.size() / qstrlen(piece.letters));
            if (value)
                break;
        }
        written.values << QString::number(value);
    }
    if (twelfths > 0) {
        written.parts << (twelfths >= 6 ? QStringLiteral("S") : QString())
                + QString(twelfths % 6, QChar(0x00B7));
        written.values << QStringLiteral("%1/12").arg(twelfths);
    }
    return written;
}

} // namespace

void setRomanForms(RomanForms forms)
{
    currentForms() = forms;
}

RomanForms romanForms()
{
    return currentForms();
}

double romanLimit()
{
    return currentForms().vinculum ? VinculumLimit : RomanLimit;
}

QString romanNumeral(double value)
{
    if (value >= romanLimit())
        return romanOverflowText();
    if (value <= -romanLimit() || std::isnan(value))
        return romanUnderflowText();
    if (value == 0)
        return romanZeroText();
    const QString numeral = writeMagnitude(std::abs(value), currentForms()).parts.join(QString());
    // The sign comes from the value itself: -0.4 rounds to 0 and shows "()".
    return value < 0 ? u'(' + numeral + u')' : numeral;
}

bool romanIsExact(double value)
{
    if (!(value > 0 && value < romanLimit()))
        return false;
    const double whole = std::floor(value);
    if (value == whole)
        return value >= 1;
    if (!currentForms().twelfths)
        return false;
    // Read back as the reader reads it: the whole number and its twelfths.
    return whole + std::nearbyint((value - whole) * 12) / 12.0 == value;
}

QString romanBreakdown(double value)
{
    if (!(std::abs(value) < romanLimit()) || value == 0)
        return {};
    const Written written = writeMagnitude(std::abs(value), currentForms());
    // Barred letters say their thousands better than a list of them would.
    const bool barred = written.parts.join(QString()).contains(QChar(0x0305));
    if (written.parts.size() < 2 && !barred)
        return {};
    const QString plus = QStringLiteral(" + ");
    QString parts = written.parts.join(plus);
    QString values = written.values.join(plus);
    QString numeral = written.parts.join(QString());
    if (value < 0) {
        numeral = u'(' + numeral + u')';
        parts = QStringLiteral("-(%1)").arg(parts);
        values = QStringLiteral("-(%1)").arg(values);
    }
    if (barred)
        return QStringLiteral("%1 = %2").arg(numeral, values);
    return QStringLiteral("%1 = %2 = %3").arg(numeral, parts, values);
}

QString romanDescription(double value, const QString &shown)
{
    // Told by the value, not by comparing the text with each fixed text:
    // this runs at every keystroke, and each of those is a translation.
    if (std::isnan(value))
        return QCoreApplication::translate("RomanNumeral", "%1: not a number").arg(shown);
    if (value >= romanLimit())
        return QCoreApplication::translate("RomanNumeral", "%1: %2 is too large for Roman numerals")
            .arg(shown, numberText(value));
    if (value <= -romanLimit())
        return QCoreApplication::translate("RomanNumeral", "%1: %2 is too small for Roman numerals")
            .arg(shown, numberText(value));
    if (value == 0)
        return QCoreApplication::translate("RomanNumeral", "zero");
    const bool twelfths = currentForms().twelfths;
    if (twelfths ? std::abs(value) < 1.0 / 24 : std::abs(value) <= 0.5) // rounds to no letter
        return QCoreApplication::translate(
            "RomanNumeral", "%1 rounds to no Roman numeral", "%1 is a decimal number")
            .arg(numberText(value));
    if (twelfths && value != std::floor(value) && !romanIsExact(std::abs(value)))
        return QCoreApplication::translate("RomanNumeral", "%1: %2, rounded to twelfths",
            "a Roman numeral and the decimal value it rounds")
            .arg(shown, numberText(value));
    return QCoreApplication::translate(
        "RomanNumeral", "%1: %2", "a Roman numeral and its decimal value, e.g. XIV: 14")
        .arg(shown, numberText(value));
}
