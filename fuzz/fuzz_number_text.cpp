// numberText, the decimal readout's text form of a number.
//
// Input: the first 8 bytes are the double (host byte order; a shorter input is
// padded with zero bytes); any further bytes are ignored.
//
// Properties, in a point, a comma and an Arabic locale: no crash; the same
// text in every locale but for the separator; a finite value's text is
// digits, one separator at most with no zero at its end, an exponent such as
// E+20, and at most 15 significant digits; parseNumber reads the text back in
// the same locale, within rounding to 15 significant digits, and the number
// read shows the same text again.

#include "fuzzsupport.h"

#include "core/textservices.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    double value = 0;
    std::memcpy(&value, data, std::min(size, sizeof value));
    QLocale::setDefault(fuzz::Locales[0]); // which the text services follow
    const QString shown = numberText(value);
    static const QRegularExpression shape(
        QStringLiteral("^-?[0-9]+(\\.[0-9]*[1-9])?(E[+-][0-9]{2,3})?$"));
    // What is left without the sign, the leading zeros, the point and the exponent.
    static const QRegularExpression notSignificant(QStringLiteral("^[-0.]+|\\.|E.*"));
    const qsizetype digits = QString(shown).remove(notSignificant).size();
    FUZZ_CHECK(!std::isfinite(value) || (shown.contains(shape) && digits <= 15), value, shown);

    for (const QLocale &locale : fuzz::Locales) {
        QLocale::setDefault(locale);
        const QString separator = locale.decimalPoint();
        const QString text = numberText(value);
        FUZZ_CHECK(QString(shown).replace(u'.', separator) == text, locale.name(), value, text);
        if (!std::isfinite(value))
            continue;
        const std::optional<double> parsed = parseNumber(text);
        // Rounding to 15 digits moves a value by up to 5E-15 of itself, reading
        // it back by half a unit in the last place more.
        const double tolerance = std::max(std::fabs(value) * 5.2e-15, 0x1p-1074);
        FUZZ_CHECK(parsed && numberText(*parsed) == text && std::fabs(*parsed - value) <= tolerance,
            locale.name(), value, text, parsed);
    }
    return 0;
}
