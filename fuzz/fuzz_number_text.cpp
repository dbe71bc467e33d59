// libFuzzer target for numberText, the number text form of
// widgets/textservices.
//
// Input: the first 8 bytes are the double (memcpy, host byte order; a shorter
// input is padded with zero bytes); bit 0 of the ninth byte, when there is
// one, chooses the comma locale (German) over the point locale (English, US).
//
// Properties:
// - numberText never crashes;
// - a non-finite value is exactly "Infinity", "-Infinity" or "NaN";
// - a finite value's text has the specified shape: an optional '-', digits
//   with at most one locale separator (never first or last, no trailing zeros
//   after it, a single 0 before it when the magnitude is below 1), then
//   optionally 'E', a sign and at least two exponent digits; only digits,
//   '-', the separator, 'E' and '+' occur; at most 15 significant digits;
//   plain notation exactly for decimal exponents -4 to 14; "0" for either zero;
// - the text is the same in both locales but for the separator;
// - parseNumber accepts the text in the same locale, the value is within
//   rounding to 15 significant digits of the original, and its own text is
//   the same text.

#include "fuzzsupport.h"

#include "core/textservices.h"

#include <cfloat>
#include <limits>

namespace {

void checkShape(const QString &text, double value, QChar separator, const auto &context)
{
    qsizetype i = 0;
    if (i < text.size() && text[i] == u'-')
        ++i;
    FUZZ_CHECK(std::signbit(value) == (i == 1) || value == 0, context());
    FUZZ_CHECK(value != 0 || text == QStringLiteral("0"), context());

    // The mantissa: digits, at most one separator.
    QString digits;
    qsizetype separatorAt = -1;
    for (; i < text.size() && text[i] != u'E'; ++i) {
        const QChar c = text[i];
        if (c == separator) {
            FUZZ_CHECK(separatorAt < 0, context());
            separatorAt = digits.size();
        } else {
            FUZZ_CHECK(c >= u'0' && c <= u'9', context());
            digits += c;
        }
    }
    FUZZ_CHECK(!digits.isEmpty(), context());
    if (separatorAt >= 0) {
        FUZZ_CHECK(separatorAt > 0 && separatorAt < digits.size(), context());
        FUZZ_CHECK(!digits.endsWith(u'0'), context()); // no trailing zeros
        if (separatorAt > 1)
            FUZZ_CHECK(digits[0] != u'0', context());
    } else {
        FUZZ_CHECK(digits.size() == 1 || digits[0] != u'0', context());
    }
    qsizetype lead = 0; // leading zeros, which are not significant
    while (lead < digits.size() && digits[lead] == u'0')
        ++lead;
    FUZZ_CHECK(digits.size() - lead <= 15, context());

    // The decimal exponent of the text's leading digit.
    int exponent = 0;
    if (i < text.size()) {
        // Scientific: one digit before the separator, E, sign, >= 2 digits.
        FUZZ_CHECK(separatorAt < 0 ? digits.size() == 1 : separatorAt == 1, context());
        FUZZ_CHECK(digits[0] != u'0', context());
        ++i;
        FUZZ_CHECK(i < text.size() && (text[i] == u'+' || text[i] == u'-'), context());
        const bool negative = text[i] == u'-';
        ++i;
        FUZZ_CHECK(text.size() - i >= 2 && text.size() - i <= 3, context());
        for (; i < text.size(); ++i) {
            FUZZ_CHECK(text[i] >= u'0' && text[i] <= u'9', context());
            exponent = exponent * 10 + (text[i].unicode() - u'0');
        }
        if (negative)
            exponent = -exponent;
        FUZZ_CHECK(exponent < -4 || exponent > 14, context());
    } else if (value != 0) {
        const qsizetype integerDigits = separatorAt < 0 ? digits.size() : separatorAt;
        exponent = digits[0] != u'0' ? int(integerDigits) - 1 : -int(lead);
        FUZZ_CHECK(exponent >= -4 && exponent <= 14, context());
    }
}

void check(double value, bool comma)
{
    fuzz::useLocale(comma);
    const QString text = numberText(value);
    const auto context = [&] {
        return std::string(comma ? "comma" : "point") + " locale, value " + fuzz::describe(value)
            + ", numberText " + fuzz::describe(text);
    };

    if (std::isnan(value)) {
        FUZZ_CHECK(text == QStringLiteral("NaN"), context());
        return;
    }
    if (std::isinf(value)) {
        FUZZ_CHECK(text == (value > 0 ? QStringLiteral("Infinity") : QStringLiteral("-Infinity")),
            context());
        return;
    }
    for (const QChar c : text) {
        FUZZ_CHECK((c >= u'0' && c <= u'9') || c == u'-' || c == u'+' || c == u'E'
                || c == fuzz::separator(comma),
            context());
    }
    checkShape(text, value, fuzz::separator(comma), context);

    // The same text in the other locale, but for the separator.
    fuzz::useLocale(!comma);
    QString other = numberText(value);
    fuzz::useLocale(comma);
    other.replace(fuzz::separator(!comma), fuzz::separator(comma));
    FUZZ_CHECK(other == text, context() + ", other locale " + fuzz::describe(other));

    // Read back in the same locale.
    const std::optional<double> parsed = parseNumber(text);
    const auto roundTrip = [&] {
        return context() + ", read back "
            + (parsed ? fuzz::describe(*parsed) : std::string("nothing"));
    };
    FUZZ_CHECK(parsed, roundTrip());
    FUZZ_CHECK(numberText(*parsed) == text, roundTrip());
    // Rounding to 15 significant digits moves a value by at most half a unit
    // in the 15th digit, 5E-15 of its magnitude, and reading the text back by
    // at most half an ulp more; subnormals read back exactly.
    const double tolerance
        = std::max(std::fabs(value) * 5.2e-15, std::numeric_limits<double>::denorm_min());
    FUZZ_CHECK(std::fabs(*parsed - value) <= tolerance, roundTrip());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    unsigned char bytes[sizeof(double)] = {};
    std::memcpy(bytes, data, std::min(size, sizeof bytes));
    double value;
    std::memcpy(&value, bytes, sizeof value);
    const bool comma = size > sizeof(double) && (data[sizeof(double)] & 0x01);
    check(value, comma);
    return 0;
}
