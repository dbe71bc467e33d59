// parseNumber, the numeric test and conversion, against strtod.
//
// Input: bit 0 of the first byte chooses the comma locale (German) over the
// point locale (English, United States), bit 7 reads the rest as raw UTF-16LE
// instead of UTF-8. So "P2.5" is 2.5 in the point locale, "C2,5" 2.5 in the
// comma locale.
//
// strtod in the "C" locale reads the text with the locale's separator turned
// into a point, once every character a number cannot hold is ruled out (which
// also rules out its "inf", "nan" and hexadecimal forms). parseNumber must
// accept what strtod reads in full, with strtod's value and sign, except that
// - a value beyond the range of a double is no number, but anything up to
//   1.79769313486232E+308 (how the largest double is shown) reads as the
//   largest double;
// - a value too small for a double may read as zero (of the same sign).

#include "fuzzsupport.h"

#include "core/textservices.h"

#include <cerrno>
#include <cfloat>
#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QLocale &locale = fuzz::Locales[data[0] & 0x01];
    QLocale::setDefault(locale); // which the text services follow
    const QString separator = locale.decimalPoint();
    const QString text = fuzz::fromBytes(data + 1, size - 1, data[0] & 0x80);
    const std::optional<double> parsed = parseNumber(text);

    std::string ascii;
    for (const QChar c : text.trimmed()) {
        const bool kept = QStringView(u"0123456789+-eE").contains(c);
        ascii += c == separator[0] ? '.' : kept ? char(c.unicode()) : '#';
    }
    char *end = nullptr;
    errno = 0;
    const double value = std::strtod(ascii.c_str(), &end); // the process stays in the C locale
    const bool outOfRange = errno == ERANGE;
    if (ascii.empty() || end != ascii.c_str() + ascii.size()) {
        FUZZ_CHECK(!parsed, locale.name(), text, parsed);
    } else if (outOfRange && std::isinf(value)) {
        // A text equal to the limit in long double's 64 bits may lie on either
        // side of it, so both readings pass; fuzz_number_text checks the
        // limit's own text.
        const long double wide = std::fabs(std::strtold(ascii.c_str(), nullptr));
        const long double shown = 1.79769313486232E+308L;
        FUZZ_CHECK(
            parsed ? *parsed == std::copysign(DBL_MAX, value) && wide <= shown : wide >= shown,
            locale.name(), text, parsed);
    } else {
        FUZZ_CHECK(parsed && std::signbit(*parsed) == std::signbit(value)
                && (*parsed == value || (outOfRange && *parsed == 0)),
            locale.name(), text, parsed, value);
    }
    return 0;
}
