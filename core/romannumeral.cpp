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
        "shown in place of a numeral for a number too large for one; never only Roman letters");
}

QString romanUnderflowText()
{
    return QCoreApplication::translate("RomanNumeral", "Roman underflow",
        "shown in place of a numeral for a negative number too large for one; never only Roman "
        "letters");
}

QString withVinculumRange(const QString &sentence)
{
    return sentence.arg(numberText(VinculumStart), numberText(VinculumLimit - 1));
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

QString barred(const QString &letters)
{
    QString text;
    for (const QChar letter : letters)
        text.append(letter).append(QChar(0x0305));
    return text;
}

// How a numeral is built: each part as written, and its value.
struct Parts
{
    QStringList written;
    QStringList values;
};

// Appends the numeral of a whole number; with parts, also each group of one
// letter or pair ("M", "CM", "XC", "IX" for 1999) and its value.
void appendLetters(QString &text, long count, Parts *parts)
{
    for (const Piece &piece : Pieces) {
        int times = 0;
        for (; count >= piece.threshold; count -= piece.threshold, ++times)
            text += QLatin1String(piece.letters);
        if (parts && times > 0) {
            parts->written << QString(QLatin1String(piece.letters)).repeated(times);
            parts->values << QString::number(piece.threshold * times);
        }
    }
}

// A magnitude to the nearest twelfth: its whole number and twelfths.
struct Twelfths
{
    long whole;
    int twelfths;

    // As the reader reads the numeral back.
    double value() const { return double(whole) + twelfths / 12.0; }
};

Twelfths nearestTwelfths(double magnitude)
{
    Twelfths nearest {long(std::floor(magnitude)), 0};
    nearest.twelfths = int(std::nearbyint((magnitude - double(nearest.whole)) * 12));
    if (nearest.twelfths == 12)
        nearest = {nearest.whole + 1, 0};
    return nearest;
}

// A magnitude as the forms write it: the whole number (with its thousands
// barred from 4000 up), then a half and twelfths.
QString writeMagnitude(double magnitude, RomanForms forms, Parts *parts = nullptr)
{
    long whole = 0;
    int twelfths = 0;
    if (forms.twelfths && magnitude != std::floor(magnitude)) {
        const Twelfths nearest = nearestTwelfths(magnitude);
        whole = nearest.whole;
        twelfths = nearest.twelfths;
    } else if (forms.vinculum) {
        whole = long(std::nearbyint(magnitude));
    } else {
        // 8999.5 passes the range test and rounds to 9000, so nine Ms can appear.
        whole = roundToInt16(magnitude);
    }
    QString text;
    if (forms.vinculum && whole >= VinculumStart) {
        QString thousands;
        appendLetters(thousands, whole / 1000, nullptr);
        text = barred(thousands);
        if (parts) {
            parts->written << text;
            parts->values << QStringLiteral("%1 × 1000").arg(whole / 1000);
        }
        whole %= 1000;
    }
    appendLetters(text, whole, parts);
    if (twelfths > 0) {
        const QString fraction = (twelfths >= 6 ? QStringLiteral("S") : QString())
            + QString(twelfths % 6, QChar(0x00B7));
        text += fraction;
        if (parts) {
            parts->written << fraction;
            parts->values << QStringLiteral("%1/12").arg(twelfths);
        }
    }
    return text;
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

namespace {

double limitOf(RomanForms forms)
{
    return forms.vinculum ? VinculumLimit : RomanLimit;
}

bool isExactIn(double value, RomanForms forms)
{
    if (!(value > 0 && value < limitOf(forms)))
        return false;
    if (value == std::floor(value))
        return value >= 1;
    return forms.twelfths && nearestTwelfths(value).value() == value;
}

} // namespace

double romanLimit()
{
    return limitOf(currentForms());
}

namespace {

// The magnitude the numeral of the forms stands for: the nearest whole
// number (halves to even), or with twelfths the nearest twelfth.
double shownMagnitude(double magnitude, RomanForms forms)
{
    if (forms.twelfths && magnitude != std::floor(magnitude))
        return nearestTwelfths(magnitude).value();
    return std::nearbyint(magnitude);
}

// The limit is decided on what the numeral would stand for, so that 8999.5,
// which rounds to 9000, is as much beyond numerals as 9000 itself, and 0.4,
// which rounds to nothing, shows as zero does.
QString numeralIn(double value, RomanForms forms)
{
    const double limit = forms.vinculum ? VinculumLimit : RomanLimit;
    if (std::isnan(value))
        return romanUnderflowText();
    const double shown = shownMagnitude(std::abs(value), forms);
    if (shown >= limit)
        return value > 0 ? romanOverflowText() : romanUnderflowText();
    if (shown == 0)
        return romanZeroText();
    const QString numeral = writeMagnitude(std::abs(value), forms);
    return value < 0 ? u'(' + numeral + u')' : numeral;
}

} // namespace

QString romanNumeral(double value)
{
    return numeralIn(value, currentForms());
}

QString romanNumeralInTwelfths(double value)
{
    RomanForms forms = currentForms();
    forms.twelfths = true;
    return numeralIn(value, forms);
}

bool romanIsExact(double value)
{
    return isExactIn(value, currentForms());
}

QStringList standardNumerals(double value)
{
    const RomanForms chosen = currentForms();
    QStringList numerals;
    for (const RomanForms forms : {chosen, RomanForms {}, RomanForms {true, false},
             RomanForms {false, true}, RomanForms {true, true}}) {
        if (!isExactIn(value, forms))
            continue;
        const QString numeral = writeMagnitude(value, forms);
        if (!numerals.contains(numeral))
            numerals << numeral;
    }
    return numerals;
}

RomanRounding romanRounding(double value)
{
    // Beyond the limit the readout shows that it is, which rounds nothing.
    if (value == 0 || !(std::abs(value) < romanLimit()) || romanIsExact(std::abs(value)))
        return RomanRounding::None;
    const double shown = shownMagnitude(std::abs(value), currentForms());
    if (shown >= romanLimit())
        return RomanRounding::BeyondLimit;
    if (shown == 0)
        return RomanRounding::ToZero;
    return currentForms().twelfths ? RomanRounding::ToTwelfths : RomanRounding::ToWhole;
}

QString romanBreakdown(double value)
{
    if (!(std::abs(value) < romanLimit()) || value == 0)
        return {};
    Parts built;
    QString numeral = writeMagnitude(std::abs(value), currentForms(), &built);
    // Barred letters say their thousands better than a list of them would.
    const bool barred = numeral.contains(QChar(0x0305));
    if (built.written.size() < 2 && !barred)
        return {};
    const QString plus = QStringLiteral(" + ");
    QString parts = built.written.join(plus);
    QString values = built.values.join(plus);
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
    switch (romanRounding(value)) {
    case RomanRounding::ToZero:
        return QCoreApplication::translate(
            "RomanNumeral", "%1 rounds to no Roman numeral", "%1 is a decimal number")
            .arg(numberText(value));
    case RomanRounding::BeyondLimit:
        return QCoreApplication::translate("RomanNumeral",
            "%1: %2 rounds to a number beyond Roman numerals",
            "the readout's text and a decimal number")
            .arg(shown, numberText(value));
    case RomanRounding::ToTwelfths:
        return QCoreApplication::translate("RomanNumeral", "%1: %2, rounded to twelfths",
            "a Roman numeral and the decimal value it rounds")
            .arg(shown, numberText(value));
    case RomanRounding::ToWhole:
        return QCoreApplication::translate("RomanNumeral", "%1: %2, rounded",
            "a Roman numeral and the decimal value it rounds to a whole number")
            .arg(shown, numberText(value));
    case RomanRounding::None:
        break;
    }
    return QCoreApplication::translate(
        "RomanNumeral", "%1: %2", "a Roman numeral and its decimal value, e.g. XIV: 14")
        .arg(shown, numberText(value));
}
