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

namespace {

void check(double value)
{
    fuzz::useLocale(fuzz::Locales[0]);
    const QString shown = numberText(value);
    if (std::isfinite(value)) {
        static const QRegularExpression shape(
            QStringLiteral("^-?([0-9]+)(\\.([0-9]*[1-9]))?(E[+-][0-9]{2,3})?$"));
        const auto match = shape.match(shown);
        std::string digits = (match.captured(1) + match.captured(3)).toStdString();
        digits.erase(0, digits.find_first_not_of('0'));
        FUZZ_CHECK(match.hasMatch() && digits.size() <= 15,
            fuzz::describe(value) + " shows " + escapedText(shown, 200));
    }
    for (const QLocale &locale : fuzz::Locales) {
        const QString separator = fuzz::useLocale(locale);
        const QString text = numberText(value);
        std::optional<double> parsed;
        const auto context = [&] {
            return locale.name().toStdString() + ", value " + fuzz::describe(value) + ", text "
                + escapedText(text, 200) + ", read back " + fuzz::describe(parsed);
        };
        FUZZ_CHECK(QString(shown).replace(u'.', separator) == text, context());
        if (!std::isfinite(value))
            continue;
        parsed = parseNumber(text);
        FUZZ_CHECK(parsed && numberText(*parsed) == text, context());
        // Rounding to 15 digits moves a value by up to 5E-15 of itself, reading
        // it back by half a unit in the last place more.
        FUZZ_CHECK(std::fabs(*parsed - value) <= std::max(std::fabs(value) * 5.2e-15, 0x1p-1074),
            context());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    double value = 0;
    std::memcpy(&value, data, std::min(size, sizeof value));
    check(value);
    return 0;
}
