#include "core/numeralparse.h"

#include "core/errors.h"
#include "core/reader.h"
#include "core/romannumeral.h"
#include "core/textservices.h"

#include <cmath>

namespace {

int hexDigitValue(QChar digit)
{
    const char16_t code = digit.unicode();
    if (code >= u'0' && code <= u'9')
        return code - u'0';
    if (code >= u'A' && code <= u'F')
        return code - u'A' + 10;
    return -1;
}

} // namespace

std::optional<double> readEntry(const QString &text)
{
    if (text.size() > LongestEntry)
        return std::nullopt;
    if (const std::optional<double> number = parseNumber(text))
        return number;
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() && !text.isEmpty())
        return std::nullopt;
    // A sign goes with a numeral of any form, as with a decimal number:
    // -XIV is -14. The sign alone is no numeral, though the empty one is 0.
    // The minus signs the calculator writes count as the one typed.
    const auto isMinus = [](QChar c) { return operationKey(c) == u'-'; };
    if (!trimmed.isEmpty() && isMinus(trimmed.front())) {
        if (trimmed.size() == 1 || trimmed[1].isSpace() || isMinus(trimmed[1])
            || trimmed[1] == u'+')
            return std::nullopt;
        const std::optional<double> magnitude = readEntry(trimmed.sliced(1));
        return magnitude ? std::optional(-*magnitude) : std::nullopt;
    }
    return parseNumeral(trimmed);
}

qsizetype hexDigitCount(QStringView digits)
{
    qsizetype count = 0;
    while (count < digits.size() && hexDigitValue(digits[count].toUpper()) >= 0)
        ++count;
    return count;
}

std::optional<double> parseNumeral(const QString &text)
{
    const QString numeral = romanSpelling(text);
    if (numeral.startsWith(u"0X"))
        return parseHexDigits(QStringView(numeral).sliced(2));
    const std::optional<double> value = parseRoman(numeral);
    // The empty box is 0 however strictly numerals are read.
    if (value && romanForms().strict && !numeral.isEmpty() && !isStandardRoman(numeral, *value))
        return std::nullopt;
    return value;
}

double parseHexDigits(QStringView digits)
{
    double sum = 0;
    for (const QChar digit : digits) {
        const int value = hexDigitValue(digit);
        if (value < 0)
            break;
        sum = sum * 16 + value;
        // A value no double holds is an overflow, as anywhere in the
        // calculator; stopping here also keeps a pasted wall of digits cheap.
        if (std::isinf(sum))
            throw OverflowError();
    }
    return sum;
}
