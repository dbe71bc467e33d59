// libFuzzer target for parseNumber, the locale-aware numeric test and
// conversion of widgets/textservices.
//
// Input: the first byte chooses the setting, the rest is the text.
//   bit 0 of the first byte: 0 = point locale (English, United States),
//                            1 = comma locale (German, Germany);
//   bit 7 of the first byte: 0 = the rest is UTF-8, 1 = raw UTF-16LE code units.
// So a seed "P12" is "12" in the point locale and "C2,5" is "2,5" in the
// comma locale.
//
// Properties:
// - parseNumber never crashes (ASan/UBSan watch the rest);
// - it agrees with an independent oracle, strtod in the "C" locale, on which
//   texts are numbers and on their value: a text is a number exactly when,
//   without its surrounding blanks, it consists of digits, signs, E/e and the
//   locale's separator (which the oracle maps to '.') and strtod reads all of
//   it to a value that does not overflow; a text that underflows may read 0;
//   a text that overflows but is no larger than 1.79769313486232E+308 (the
//   number text form of the largest double) may also read as the largest
//   double, the other way to make that text read back;
// - an accepted value is finite;
// - numberText of the value, parsed back in the same locale, is accepted and
//   gives the same number text (15 significant digits).

#include "fuzzsupport.h"

#include "core/textservices.h"

#include <cerrno>
#include <cfloat>
#include <clocale>
#include <limits>
#include <locale.h>

namespace {

struct Oracle
{
    bool syntax = false;    // the text has the form of a decimal number
    bool overflow = false;  // ... beyond the range of a double
    bool underflow = false; // ... too small for a normal double
    // Beyond the range, but no larger than 1.79769313486232E+308, the number
    // text form of the largest double: a parser may read it as that double.
    bool shownLargest = false;
    double value = 0;
};

Oracle oracle(const QString &text, QChar separator)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    Oracle result;
    const QString trimmed = text.trimmed(); // the same blanks: QChar::isSpace
    std::string ascii;
    for (const QChar c : trimmed) {
        const char16_t u = c.unicode();
        if ((u >= u'0' && u <= u'9') || u == u'+' || u == u'-' || u == u'e' || u == u'E')
            ascii += char(u);
        else if (c == separator)
            ascii += '.';
        else
            return result; // anything else makes it no number
    }
    // Only digits, signs, '.', 'e' are left, so strtod can read neither
    // "inf", "nan" nor hexadecimal here; what it reads in full is a number.
    if (ascii.empty())
        return result;
    char *end = nullptr;
    errno = 0;
    const double value = strtod_l(ascii.c_str(), &end, cLocale);
    if (end != ascii.c_str() + ascii.size())
        return result;
    result.syntax = true;
    result.value = value;
    if (errno == ERANGE) {
        if (std::isinf(value)) {
            result.overflow = true;
            // long double's range is wider than double's on x86-64.
            static_assert(std::numeric_limits<long double>::max_exponent > 1024);
            const long double wide = strtold_l(ascii.c_str(), nullptr, cLocale);
            result.shownLargest = std::fabs(wide) <= 1.79769313486232E+308L;
        } else {
            result.underflow = true;
        }
    }
    return result;
}

void check(const QString &text, bool comma)
{
    fuzz::useLocale(comma);
    const std::optional<double> parsed = parseNumber(text);
    const Oracle expected = oracle(text, fuzz::separator(comma));
    const auto context = [&] {
        return std::string(comma ? "comma" : "point") + " locale, text " + fuzz::describe(text)
            + ", parsed " + (parsed ? fuzz::describe(*parsed) : std::string("nothing"))
            + ", strtod "
            + (expected.syntax ? fuzz::describe(expected.value) : std::string("no number"))
            + (expected.overflow ? " (overflow)" : "") + (expected.underflow ? " (underflow)" : "");
    };

    if (!expected.syntax || (expected.overflow && !expected.shownLargest)) {
        FUZZ_CHECK(!parsed, context());
        return;
    }
    if (expected.overflow) {
        // Rejected, or read as the largest double of the same sign.
        FUZZ_CHECK(!parsed || *parsed == std::copysign(DBL_MAX, expected.value), context());
        if (!parsed)
            return;
    } else {
        FUZZ_CHECK(parsed, context());
    }
    const double value = *parsed;
    FUZZ_CHECK(std::isfinite(value), context());
    if (expected.underflow) {
        FUZZ_CHECK(value == expected.value || (value == 0 && std::fabs(expected.value) < DBL_MIN),
            context());
    } else if (!expected.overflow) {
        FUZZ_CHECK(value == expected.value, context());
    }
    FUZZ_CHECK(std::signbit(value) == std::signbit(expected.value), context());

    // The number text form of the value reads back to the same number text.
    const QString shown = numberText(value);
    const std::optional<double> again = parseNumber(shown);
    const auto roundTrip = [&] {
        return context() + ", numberText " + fuzz::describe(shown) + ", read back "
            + (again ? fuzz::describe(*again) : std::string("nothing"));
    };
    FUZZ_CHECK(again, roundTrip());
    FUZZ_CHECK(numberText(*again) == shown, roundTrip());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // The harness relies on these two separators.
    fuzz::useLocale(true);
    FUZZ_CHECK(QLocale().decimalPoint() == QStringLiteral(","), "German decimal separator");
    fuzz::useLocale(false);
    FUZZ_CHECK(QLocale().decimalPoint() == QStringLiteral("."), "English decimal separator");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const bool comma = data[0] & 0x01;
    const bool utf16 = data[0] & 0x80;
    const QString text
        = utf16 ? fuzz::fromUtf16(data + 1, size - 1) : fuzz::fromUtf8(data + 1, size - 1);
    check(text, comma);
    return 0;
}
