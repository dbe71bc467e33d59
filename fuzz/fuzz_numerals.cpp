// parseNumeral, the reader of Roman numerals and of hexadecimal numbers after
// 0X, and romanNumeral, the writer, held to what they promise each other in
// every form the numerals are written and read in.
//
// Input: any bytes, read both as UTF-8 and as raw UTF-16LE. The first byte
// also chooses the forms (bars, twelfths, strict reading), and the first
// four a number to write.
//
// Properties: no crash; OverflowError is the only exception, and it comes
// only for a 0X entry beyond the largest double; a 0X entry's value is what
// strtold reads (exactly below 2^53); any other text the reader reads gives a
// finite value, which the writer writes as a numeral the reader reads again,
// as the value itself where the writer writes it exactly; case does not
// matter in an ASCII text; every numeral the writer writes exactly reads back
// as its number, in lower case too.

#include "fuzzsupport.h"

#include "core/errors.h"
#include "core/numeralparse.h"
#include "core/romannumeral.h"
#include "core/romanreading.h"

#include <cfloat>
#include <cmath>
#include <cstring>

namespace {

// An OverflowError reads as minus infinity, which no entry reads as. Any
// other exception escapes to libFuzzer, which reports it as a crash.
constexpr double Overflow = -HUGE_VAL;

std::optional<double> numeral(const QString &text)
{
    try {
        return parseNumeral(text);
    } catch (const OverflowError &) {
        return Overflow;
    }
}

// A value the writer writes as a numeral, neither zero nor out of range,
// reads back: as itself where it is written exactly.
void checkWrittenBack(double value)
{
    const double magnitude = std::abs(value);
    if (magnitude == 0 || magnitude >= romanLimit())
        return;
    const QString written = romanNumeral(magnitude);
    const std::optional<double> read = numeral(written);
    FUZZ_CHECK(read && (!romanIsExact(magnitude) || *read == magnitude), magnitude, written, read);
    FUZZ_CHECK(numeral(written.toLower()) == read, magnitude, written, read);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::uint8_t choice = size > 0 ? data[0] : 0;
    setRomanForms({(choice & 1) != 0, (choice & 2) != 0, (choice & 4) != 0});
    for (const bool utf16 : {false, true}) {
        const QString text = fuzz::fromBytes(data, size, utf16);
        const std::optional<double> value = numeral(text);
        const QString spelled = romanSpelling(text);
        if (spelled.startsWith(u"0X")) {
            // No regular expression here: they match no text with a lone surrogate.
            QByteArray digits = spelled.toLatin1();
            digits.truncate(2 + qsizetype(std::strspn(digits.constData() + 2, "0123456789ABCDEF")));
            const long double exact = std::strtold(digits.constData(), nullptr);
            // Digit by digit, the sum is exact below 2^53 and rounds once a digit
            // beyond; close to the limit, the rounding decides whether it overflows.
            const long double tolerance = exact < 0x1p53L ? 0 : exact * 0x1p-40L;
            FUZZ_CHECK(value == Overflow
                    ? exact >= DBL_MAX * (1 - 0x1p-40L)
                    : value && exact < 0x1p1024L && std::fabs(*value - exact) <= tolerance,
                text, value, double(exact));
        } else if (value) {
            FUZZ_CHECK(std::isfinite(*value), text, value);
            checkWrittenBack(*value);
        }
        // Only ASCII takes as many bytes in UTF-8 as code units in UTF-16.
        if (text.toUtf8().size() == text.size())
            FUZZ_CHECK(
                numeral(text.toLower()) == value && numeral(text.toUpper()) == value, text, value);
    }

    // A whole number up to the largest the forms write, and as many twelfths.
    std::uint32_t bits = 0;
    std::memcpy(&bits, data, std::min<std::size_t>(size, sizeof bits));
    const double whole = std::floor(std::fmod(bits >> 4, romanLimit()));
    checkWrittenBack(whole + (bits & 15) % 12 / 12.0);
    checkWrittenBack(whole);
    return 0;
}
