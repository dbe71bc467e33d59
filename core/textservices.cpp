#include "core/textservices.h"

#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

QString decimalSeparator()
{
    return QLocale().decimalPoint();
}

} // namespace

QString numberText(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("Infinity") : QStringLiteral("-Infinity");
    if (value == 0)
        return QStringLiteral("0"); // either zero, without the sign of -0

    // to_chars is locale-independent and follows the %G rules exactly, which
    // snprintf would not once the application has set the user's locale.
    char buffer[32];
    const auto result
        = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    QString text = QString::fromLatin1(buffer, result.ptr - buffer);
    text.replace(QLatin1Char('e'), QLatin1Char('E'));
    text.replace(QLatin1Char('.'), decimalSeparator());
    return text;
}

namespace {

class NumberScanner
{
public:
    NumberScanner(const QString &text, QString separator)
        : text_(text)
        , separator_(std::move(separator))
    { }

    // Builds the plain ASCII form "[-]digits[.digits][e[-]digits]" of the text,
    // or nothing when the text is not a number.
    std::optional<std::string> scan()
    {
        skipBlanks();
        if (peek() == u'+' || peek() == u'-') {
            if (peek() == u'-')
                ascii_ += '-';
            ++pos_;
        }
        int digits = takeDigits();
        if (text_.mid(pos_, separator_.size()) == separator_) {
            pos_ += separator_.size();
            ascii_ += '.';
            digits += takeDigits();
        }
        if (digits == 0)
            return std::nullopt;
        if (peek() == u'e' || peek() == u'E') {
            ++pos_;
            ascii_ += 'e';
            if (peek() == u'+' || peek() == u'-') {
                if (peek() == u'-')
                    ascii_ += '-';
                ++pos_;
            }
            if (takeDigits() == 0)
                return std::nullopt;
        }
        skipBlanks();
        if (pos_ != text_.size())
            return std::nullopt;
        return ascii_;
    }

private:
    QChar peek() const { return pos_ < text_.size() ? text_[pos_] : QChar(); }

    void skipBlanks()
    {
        while (pos_ < text_.size() && text_[pos_].isSpace())
            ++pos_;
    }

    int takeDigits()
    {
        int count = 0;
        while (pos_ < text_.size() && text_[pos_] >= u'0' && text_[pos_] <= u'9') {
            ascii_ += char(text_[pos_].unicode());
            ++pos_;
            ++count;
        }
        return count;
    }

    const QString &text_;
    QString separator_;
    qsizetype pos_ = 0;
    std::string ascii_;
};

// from_chars reports overflow and underflow alike as out of range; tell them
// apart by the order of magnitude of the leading significant digit.
long long leadingExponent(const std::string &ascii)
{
    const auto mark = ascii.find('e');
    const std::string mantissa = ascii.substr(0, mark);
    long long exponent = 0;
    if (mark != std::string::npos) {
        // The exponent's digits may be far too many for any integer; beyond
        // a few hundred thousand the answer no longer depends on them.
        const bool negative = ascii[mark + 1] == '-';
        for (std::size_t i = mark + (negative ? 2 : 1); i < ascii.size(); ++i) {
            exponent = std::min<long long>(exponent * 10 + (ascii[i] - '0'), 1'000'000'000LL);
        }
        if (negative)
            exponent = -exponent;
    }
    const auto point = mantissa.find('.');
    const auto first = mantissa.find_first_of("123456789");
    const auto integerEnd = point == std::string::npos ? mantissa.size() : point;
    // Position of the leading digit relative to the units place.
    const long long lead = first < integerEnd ? static_cast<long long>(integerEnd - first) - 1
                                              : -static_cast<long long>(first - integerEnd);
    return exponent + lead;
}

bool isUnderflow(const std::string &ascii)
{
    return leadingExponent(ascii) < 0;
}

// The number text form rounds the largest doubles (from 1.797693134862315E+308
// up) to 1.79769313486232E+308, just beyond the range of a double. That text,
// and any other no larger, reads as the largest double, so that every text
// the calculator shows reads back.
bool isShownLargest(const std::string &ascii)
{
    if (leadingExponent(ascii) != 308)
        return false;
    std::string digits;
    for (const char c : ascii.substr(0, ascii.find('e'))) {
        if (c >= '0' && c <= '9')
            digits += c;
    }
    digits.erase(0, digits.find_first_not_of('0'));
    digits.erase(digits.find_last_not_of('0') + 1);
    // With the same leading exponent and no trailing zeros, the order of the
    // digit strings is the order of the numbers.
    return digits <= "179769313486232";
}

} // namespace

namespace {

enum class Reading { Number, NoNumber, TooLarge };

Reading readNumber(const QString &text, double &value)
{
    const auto ascii = NumberScanner(text, decimalSeparator()).scan();
    if (!ascii)
        return Reading::NoNumber;
    const char *begin = ascii->data();
    const char *end = begin + ascii->size();
    const auto result = std::from_chars(begin, end, value);
    if (result.ec == std::errc::result_out_of_range) {
        const bool negative = ascii->front() == '-';
        if (isUnderflow(*ascii)) {
            value = negative ? -0.0 : 0.0;
            return Reading::Number;
        }
        if (isShownLargest(*ascii)) {
            const double largest = std::numeric_limits<double>::max();
            value = negative ? -largest : largest;
            return Reading::Number;
        }
        return Reading::TooLarge;
    }
    if (result.ec != std::errc() || result.ptr != end || !std::isfinite(value))
        return Reading::NoNumber;
    return Reading::Number;
}

} // namespace

std::optional<double> parseNumber(const QString &text)
{
    double value = 0;
    if (readNumber(text, value) != Reading::Number)
        return std::nullopt;
    return value;
}

bool isOutOfRange(const QString &text)
{
    double value = 0;
    return readNumber(text, value) == Reading::TooLarge;
}

QString escaped(const QString &text, Escapes escapes)
{
    const auto named = [&](QChar c) -> const char * {
        switch (c.unicode()) {
        case u'\n':
            return "\\n";
        case u'\r':
            return "\\r";
        case u'\t':
            return "\\t";
        case u'\\':
            return escapes.backslash ? "\\\\" : nullptr;
        default:
            return nullptr;
        }
    };
    const auto coded = [&](QChar c) {
        const char16_t u = c.unicode();
        if (escapes.beyondAscii)
            return u < 0x20 || u >= 0x7f || u == u'"';
        return escapes.controls
            && (c.category() == QChar::Other_Control || c == QChar::LineSeparator
                || c == QChar::ParagraphSeparator);
    };
    // Most texts have nothing to escape: they are returned as they are.
    const auto plain = [&](QChar c) { return !named(c) && !coded(c); };
    if (std::all_of(text.begin(), text.end(), plain))
        return text;
    QString shown;
    shown.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (const char *escape = named(c))
            shown += QLatin1String(escape);
        else if (coded(c))
            shown += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

QString upperCase(const QString &text)
{
    return text.toUpper();
}

bool isUnfinishedNumber(QStringView text)
{
    text = text.trimmed();
    if (text == u"-" || text == u"+")
        return true;
    if (text.endsWith(u'+') || text.endsWith(u'-'))
        text.chop(1);
    if (!text.endsWith(u'E', Qt::CaseInsensitive))
        return false;
    text.chop(1);
    return !text.contains(u'E', Qt::CaseInsensitive) && parseNumber(text.toString()).has_value();
}
