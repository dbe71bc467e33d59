#include "core/numeralparse.h"

#include "core/errors.h"
#include "core/textservices.h"

#include <cmath>

namespace {

struct LetterPair
{
    char16_t before;
    char16_t after;
};

// The increment is the pair's value less its smaller letter, which was
// already added on its own one step earlier.
struct SubtractivePair
{
    LetterPair letters;
    int increment;
};

constexpr SubtractivePair SubtractivePairs[] = {
    {{u'C', u'M'}, 800},
    {{u'C', u'D'}, 300},
    {{u'X', u'C'}, 80},
    {{u'X', u'L'}, 30},
    {{u'I', u'X'}, 8},
    {{u'I', u'V'}, 3},
};

constexpr LetterPair RejectedPairs[] = {
    {u'D', u'D'},
    {u'L', u'L'},
    {u'V', u'V'},
    {u'D', u'M'},
    {u'L', u'D'},
    {u'V', u'L'},
};

bool isPair(LetterPair pair, QChar before, QChar after)
{
    return before == pair.before && after == pair.after;
}

int letterValue(QChar letter)
{
    switch (letter.unicode()) {
    case u'M':
        return 1000;
    case u'D':
        return 500;
    case u'C':
        return 100;
    case u'L':
        return 50;
    case u'X':
        return 10;
    case u'V':
        return 5;
    case u'I':
        return 1;
    default:
        return 0;
    }
}

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
    if (const std::optional<double> number = parseNumber(text))
        return number;
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() && !text.isEmpty())
        return std::nullopt;
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
    const QString upper = upperCase(text);
    if (upper.startsWith(u"0X"))
        return parseHexDigits(QStringView(upper).sliced(2));
    return parseRoman(upper);
}

std::optional<double> parseRoman(QStringView numeral)
{
    double sum = 0;
    QChar previous; // no letter before the first
    for (const QChar letter : numeral) {
        for (const LetterPair &pair : RejectedPairs) {
            if (isPair(pair, previous, letter))
                return std::nullopt;
        }
        int increment = letterValue(letter);
        if (increment == 0)
            return std::nullopt;
        for (const SubtractivePair &pair : SubtractivePairs) {
            if (isPair(pair.letters, previous, letter))
                increment = pair.increment;
        }
        sum += increment;
        previous = letter;
    }
    return sum;
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
