// parseNumeral, the reader of Roman numerals and of hexadecimal numbers after
// 0X, and the writer romanNumeral as far as the reader must read it back.
//
// Input: any bytes, read both as UTF-8 and as raw UTF-16LE. The first two
// bytes also choose a number from 1 to 8999 to write as a Roman numeral.
//
// Properties: no crash; OverflowError is the only exception, and it comes
// only for a 0X entry beyond the largest double; a 0X entry's value is what
// strtold reads (exactly below 2^53); any other entry is nothing or a value
// not negative, and nothing when a character is other than MDCLXVI in either
// case; case does not matter in an ASCII text; the written numeral has the
// standard form and reads back as its number, in lower case too.

#include "fuzzsupport.h"

#include "core/errors.h"
#include "core/numeralparse.h"
#include "core/romannumeral.h"

#include <QRegularExpression>

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    for (const bool utf16 : {false, true}) {
        const QString text = fuzz::fromBytes(data, size, utf16);
        const std::optional<double> value = numeral(text);
        const QString upper = text.toUpper();
        static const QRegularExpression roman(QStringLiteral("^[MDCLXVI]*$"));
        if (upper.startsWith(u"0X")) {
            // No regular expression here: they match no text with a lone surrogate.
            QByteArray digits = upper.toLatin1();
            digits.truncate(2 + qsizetype(std::strspn(digits.constData() + 2, "0123456789ABCDEF")));
            const long double exact = std::strtold(digits.constData(), nullptr);
            // Digit by digit, the sum is exact below 2^53 and rounds once a digit
            // beyond; close to the limit, the rounding decides whether it overflows.
            const long double tolerance = exact < 0x1p53L ? 0 : exact * 0x1p-40L;
            FUZZ_CHECK(value == Overflow
                    ? exact >= DBL_MAX * (1 - 0x1p-40L)
                    : value && exact < 0x1p1024L && std::fabs(*value - exact) <= tolerance,
                text, value, double(exact));
        } else {
            FUZZ_CHECK(!value || (*value >= 0 && upper.contains(roman)), text, value);
        }
        // Only ASCII takes as many bytes in UTF-8 as code units in UTF-16.
        if (text.toUtf8().size() == text.size())
            FUZZ_CHECK(numeral(text.toLower()) == value && numeral(upper) == value, text, value);
    }

    const int n = 1 + (size > 1 ? data[0] | data[1] << 8 : 0) % 8999;
    const QString written = romanNumeral(n);
    static const QRegularExpression standard(
        QStringLiteral("^M*(CM|CD|D?C{0,3})(XC|XL|L?X{0,3})(IX|IV|V?I{0,3})$"));
    FUZZ_CHECK(written.contains(standard) && numeral(written.toLower()) == n, n, written);
    return 0;
}
