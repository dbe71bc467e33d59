// The numeral readers parseNumeral, parseRoman and parseHexDigits, and the
// writer romanNumeral as far as the readers must read it back.
//
// Input: any bytes, read both as UTF-8 and as raw UTF-16LE. The first two
// bytes also choose a number from 1 to 8999 to write as a Roman numeral.
//
// Properties: no crash; OverflowError is the only exception, it comes only
// from the hexadecimal path, and only beyond the largest double; every value
// is finite and not negative; a text with a character other than MDCLXVI, in
// either case, is no Roman numeral; case does not matter in an ASCII text;
// the hexadecimal value is what strtod reads (exactly below 2^53); the
// written numeral has the standard form and reads back as its number.

#include "fuzzsupport.h"

#include "core/errors.h"
#include "core/numeralparse.h"
#include "core/romannumeral.h"

#include <QRegularExpression>

#include <cfloat>
#include <cmath>
#include <cstring>

namespace {

// An OverflowError reads as minus infinity, which no reader returns. Any
// other exception escapes to libFuzzer, which reports it as a crash.
constexpr double Overflow = -HUGE_VAL;

template<typename Call> std::optional<double> outcomeOf(Call &&call)
{
    try {
        return call();
    } catch (const OverflowError &) {
        return Overflow;
    }
}

void checkHex(std::optional<double> result, QStringView text, const std::string &call)
{
    std::string digits = "0x" + text.toLatin1().toStdString();
    digits.resize(2 + std::strspn(digits.c_str() + 2, "0123456789ABCDEF"));
    const long double exact = std::strtold(digits.c_str(), nullptr);
    const auto context = [&] {
        return call + ": " + fuzz::describe(result) + ", strtold " + fuzz::describe(double(exact));
    };
    // Close to the limit, the sum's rounding decides.
    FUZZ_CHECK((result == Overflow) == (exact >= 0x1p1024L)
            || (exact >= DBL_MAX * (1 - 0x1p-40L) && exact < 0x1p1024L),
        context());
    if (result != Overflow) {
        // Digit by digit, the sum is exact below 2^53 and rounds once a digit beyond.
        FUZZ_CHECK(result && std::isfinite(*result), context());
        const long double error = std::fabs(*result - exact);
        FUZZ_CHECK(exact < 0x1p53L ? error == 0 : error <= exact * 0x1p-40L, context());
    }
}

// Finite, not negative, and nothing when a letter is not MDCLXVI.
void checkRoman(std::optional<double> result, const QString &upper, const std::string &call)
{
    static const QRegularExpression foreign(QStringLiteral("[^MDCLXVI]"));
    FUZZ_CHECK(!result || (std::isfinite(*result) && *result >= 0 && !upper.contains(foreign)),
        call + ": " + fuzz::describe(result));
}

void checkText(const QString &text)
{
    const std::string quoted = "(" + escapedText(text, 200) + ")";
    checkHex(outcomeOf([&] { return std::optional(parseHexDigits(text)); }), text,
        "parseHexDigits" + quoted);
    checkRoman(outcomeOf([&] { return parseRoman(text); }), text, "parseRoman" + quoted);
    const std::optional<double> numeral = outcomeOf([&] { return parseNumeral(text); });
    const QString upper = text.toUpper();
    if (upper.startsWith(u"0X"))
        checkHex(numeral, QStringView(upper).sliced(2), "parseNumeral" + quoted);
    else
        checkRoman(numeral, upper, "parseNumeral" + quoted);

    // Only ASCII takes as many bytes in UTF-8 as code units in UTF-16.
    if (text.toUtf8().size() != text.size())
        return;
    for (const QString &other : {text.toLower(), upper}) {
        const std::optional<double> again = outcomeOf([&] { return parseNumeral(other); });
        FUZZ_CHECK(again == numeral,
            "parseNumeral" + quoted + ": " + fuzz::describe(numeral) + ", parseNumeral("
                + escapedText(other, 200) + "): " + fuzz::describe(again));
    }
}

void checkWritten(const std::uint8_t *data, std::size_t size)
{
    const int n = 1 + (size > 1 ? data[0] | data[1] << 8 : 0) % 8999;
    const QString numeral = romanNumeral(n);
    static const QRegularExpression standard(
        QStringLiteral("^M*(CM|CD|D?C{0,3})(XC|XL|L?X{0,3})(IX|IV|V?I{0,3})$"));
    const std::optional<double> written = outcomeOf([&] { return parseRoman(numeral); });
    const std::optional<double> lower = outcomeOf([&] { return parseNumeral(numeral.toLower()); });
    FUZZ_CHECK(standard.match(numeral).hasMatch() && written == n && lower == n,
        std::to_string(n) + " written " + escapedText(numeral, 200) + ", read "
            + fuzz::describe(written) + ", in lower case " + fuzz::describe(lower));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    checkText(fuzz::fromBytes(data, size, false));
    checkText(fuzz::fromBytes(data, size, true));
    checkWritten(data, size);
    return 0;
}
