// libFuzzer target for the numeral parsers of numerals/numeralparse:
// parseNumeral, parseRoman and parseHexDigits.
//
// Input: any bytes. The whole input is tried as UTF-8 and as raw UTF-16LE
// code units; its first bytes also choose a number n in 1..8999 whose
// canonical Roman numeral (in a case pattern from the next bytes) must read
// back as n.
//
// Properties:
// - no crash; the only exception is OverflowError, and only from the
//   hexadecimal path (parseHexDigits, or parseNumeral of a text that starts
//   with "0X" in upper case) and only for 256 or more significant hex digits;
//   257 or more always throw;
// - every result is finite and not negative;
// - parseRoman returns nothing for a text with a character that is no Roman
//   digit, and otherwise agrees with an independent formulation of the
//   lenient rule: the sum of the letters' values less twice the smaller
//   letter of every subtractive pair, nothing for a rejected pair;
// - the hexadecimal value agrees with a long double reference within the
//   rounding that double arithmetic allows;
// - parseNumeral is the hexadecimal or Roman reading of the upper-cased text,
//   and for an ASCII text it does not depend on case;
// - the canonical numeral of n (MMMMMMMMCMXCIX for 8999) reads as n.

#include "fuzzsupport.h"

#include "core/numeralparse.h"
#include "core/errors.h"

#include <optional>
#include <string_view>

namespace {

int romanValue(char16_t letter)
{
    switch (letter) {
    case u'I':
        return 1;
    case u'V':
        return 5;
    case u'X':
        return 10;
    case u'L':
        return 50;
    case u'C':
        return 100;
    case u'D':
        return 500;
    case u'M':
        return 1000;
    default:
        return 0;
    }
}

// The lenient Roman rule the pad follows, written independently: every
// letter counts its value, a subtractive pair takes its smaller letter off
// twice (once for the letter itself, once for the pair), a rejected pair or a
// non-Roman character makes no numeral.
std::optional<double> referenceRoman(QStringView text)
{
    static constexpr std::u16string_view subtractive[] = {u"CM", u"CD", u"XC", u"XL", u"IX", u"IV"};
    static constexpr std::u16string_view rejected[] = {u"DD", u"LL", u"VV", u"DM", u"LD", u"VL"};
    long long sum = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int value = romanValue(text[i].unicode());
        if (value == 0)
            return std::nullopt;
        sum += value;
        if (i == 0)
            continue;
        const char16_t pair[2] = {text[i - 1].unicode(), text[i].unicode()};
        const std::u16string_view view(pair, 2);
        for (const auto r : rejected) {
            if (view == r)
                return std::nullopt;
        }
        for (const auto s : subtractive) {
            if (view == s)
                sum -= 2 * romanValue(pair[0]);
        }
    }
    return double(sum);
}

int hexValue(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

struct HexReference
{
    long double value = 0; // 64-bit mantissa, range far beyond double's
    int digits = 0;        // significant digits: from the first non-zero one
    int count = 0;         // all digits read
};

HexReference referenceHex(QStringView text)
{
    HexReference result;
    for (const QChar c : text) {
        const int digit = hexValue(c.unicode());
        if (digit < 0)
            break;
        result.value = result.value * 16 + digit;
        ++result.count;
        if (result.digits > 0 || digit != 0)
            ++result.digits;
    }
    return result;
}

// Names the call under test in a failure report; the text is built only
// then, which keeps the checks cheap.
struct Call
{
    const char *name;
    QStringView text;

    std::string str() const
    {
        return std::string(name) + "(" + fuzz::describe(text.toString()) + ")";
    }
};

// The outcome of one call: a value, nothing, or an OverflowError.
struct Outcome
{
    std::optional<double> value;
    bool overflow = false;
};

template<typename Body> Outcome run(Body &&body, const Call &call)
{
    Outcome outcome;
    try {
        outcome.value = body();
    } catch (const OverflowError &) {
        outcome.overflow = true;
    } catch (const std::exception &error) {
        fuzz::fail(__FILE__, __LINE__, "unexpected exception", call.str() + ": " + error.what());
    } catch (...) {
        fuzz::fail(__FILE__, __LINE__, "unexpected exception", call.str() + ": not std::exception");
    }
    return outcome;
}

std::string describe(const Outcome &outcome)
{
    if (outcome.overflow)
        return "OverflowError";
    return outcome.value ? fuzz::describe(*outcome.value) : std::string("nothing");
}

void checkHex(const Outcome &outcome, QStringView digits, const Call &call)
{
    const HexReference expected = referenceHex(digits);
    const auto where = [&] {
        return call.str() + ": " + describe(outcome) + ", " + std::to_string(expected.digits)
            + " significant hex digits";
    };
    if (expected.digits >= 257)
        FUZZ_CHECK(outcome.overflow, where());
    if (outcome.overflow) {
        FUZZ_CHECK(expected.digits >= 256, where());
        return;
    }
    FUZZ_CHECK(outcome.value, where());
    const double value = *outcome.value;
    FUZZ_CHECK(std::isfinite(value) && value >= 0, where());
    if (expected.digits <= 13) {
        FUZZ_CHECK(value == double(expected.value), where()); // exact below 2^52
    } else {
        // Each step of sum * 16 + digit rounds by at most half an ulp.
        const long double tolerance = expected.value * expected.count * 0x1p-52L;
        FUZZ_CHECK(std::fabs(value - expected.value) <= tolerance, where());
    }
}

void checkRoman(const Outcome &outcome, QStringView text, const Call &call)
{
    const std::optional<double> expected = referenceRoman(text);
    const auto where = [&] {
        return call.str() + ": " + describe(outcome) + ", expected "
            + (expected ? fuzz::describe(*expected) : std::string("nothing"));
    };
    FUZZ_CHECK(!outcome.overflow, where());
    bool foreign = false;
    for (const QChar c : text)
        foreign = foreign || romanValue(c.unicode()) == 0;
    if (foreign)
        FUZZ_CHECK(!outcome.value, where());
    FUZZ_CHECK(outcome.value.has_value() == expected.has_value(), where());
    if (outcome.value) {
        FUZZ_CHECK(std::isfinite(*outcome.value) && *outcome.value >= 0, where());
        FUZZ_CHECK(*outcome.value == *expected, where());
    }
}

Outcome checkNumeral(const QString &text)
{
    const Call call {"parseNumeral", text};
    const Outcome outcome = run([&] { return parseNumeral(text); }, call);
    const QString upper = text.toUpper();
    if (upper.startsWith(u"0X")) {
        checkHex(outcome, QStringView(upper).sliced(2), call);
    } else {
        checkRoman(outcome, upper, call);
    }
    return outcome;
}

void checkText(const QString &text)
{
    const Call roman {"parseRoman", text};
    checkRoman(run([&] { return parseRoman(text); }, roman), text, roman);
    const Call hex {"parseHexDigits", text};
    checkHex(run([&] { return std::optional(parseHexDigits(text)); }, hex), text, hex);
    const Outcome numeral = checkNumeral(text);

    bool ascii = true;
    for (const QChar c : text)
        ascii = ascii && c.unicode() < 0x80;
    if (ascii) {
        // Case does not matter; compare with the lower-case form.
        const QString lowerText = text.toLower();
        const Call call {"parseNumeral", lowerText};
        const Outcome lower = run([&] { return parseNumeral(lowerText); }, call);
        FUZZ_CHECK(lower.overflow == numeral.overflow && lower.value == numeral.value,
            call.str() + " gives " + describe(lower) + " but the text as given gives "
                + describe(numeral));
    }
}

// The canonical Roman numeral of 1..8999; thousands repeat M.
QString canonicalRoman(int n)
{
    static constexpr struct
    {
        int value;
        const char *letters;
    } steps[] = {{1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"}, {90, "XC"},
        {50, "L"}, {40, "XL"}, {10, "X"}, {9, "IX"}, {5, "V"}, {4, "IV"}, {1, "I"}};
    QString text;
    for (const auto &step : steps) {
        while (n >= step.value) {
            text += QLatin1String(step.letters);
            n -= step.value;
        }
    }
    return text;
}

void checkCanonical(const std::uint8_t *data, std::size_t size)
{
    const std::uint8_t b0 = size > 0 ? data[0] : 0;
    const std::uint8_t b1 = size > 1 ? data[1] : 0;
    const int n = 1 + (b0 | (b1 << 8)) % 8999;
    const QString canonical = canonicalRoman(n);
    QString mixed = canonical; // case pattern from the following bytes
    for (qsizetype i = 0; i < mixed.size(); ++i) {
        const std::size_t bit = std::size_t(i);
        const std::uint8_t byte = 2 + bit / 8 < size ? data[2 + bit / 8] : 0;
        if (byte & (1u << (bit % 8)))
            mixed[i] = mixed[i].toLower();
    }
    const QString lowerCase = canonical.toLower();
    const Call calls[]
        = {{"parseRoman", canonical}, {"parseNumeral", mixed}, {"parseNumeral", lowerCase}};
    const Outcome outcomes[] = {run([&] { return parseRoman(canonical); }, calls[0]),
        run([&] { return parseNumeral(mixed); }, calls[1]),
        run([&] { return parseNumeral(lowerCase); }, calls[2])};
    for (int i = 0; i < 3; ++i) {
        FUZZ_CHECK(outcomes[i].value && *outcomes[i].value == n,
            calls[i].str() + " gives " + describe(outcomes[i]) + ", not " + std::to_string(n));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    checkText(fuzz::fromUtf8(data, size));
    checkText(fuzz::fromUtf16(data, size));
    checkCanonical(data, size);
    return 0;
}
