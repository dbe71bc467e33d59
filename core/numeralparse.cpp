#include "core/numeralparse.h"

#include "core/errors.h"
#include "core/textservices.h"

#include <QStringList>

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

namespace {

constexpr char16_t Twelfth = 0x00B7;

bool isBar(QChar c)
{
    return c == QChar(0x0305) || c == QChar(0x0304);
}

// The Unicode Roman numerals as the letters they stand for.
QString expandUnicodeNumerals(QStringView text)
{
    static constexpr const char16_t *Numbers[] = {u"I", u"II", u"III", u"IV", u"V", u"VI", u"VII",
        u"VIII", u"IX", u"X", u"XI", u"XII", u"L", u"C", u"D", u"M"};
    QString letters;
    letters.reserve(text.size());
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (code >= 0x2160 && code <= 0x217F)
            letters += QStringView(Numbers[(code - 0x2160) % 16]);
        else if (code == 0x2180)
            letters += u'M';
        else if (code == 0x2181)
            letters += u"V\u0305";
        else if (code == 0x2182)
            letters += u"X\u0305";
        else if (code == 0x2187)
            letters += u"L\u0305";
        else if (code == 0x2188)
            letters += u"C\u0305";
        else
            letters += c;
    }
    return letters;
}

// Reads the numeral by the lenient rules, keeping the letters of each part
// as the rules counted it when parts is given.
std::optional<double> readRoman(QStringView numeral, QStringList *parts)
{
    const QString text = expandUnicodeNumerals(numeral);
    qsizetype end = text.size();
    int twelfths = 0;
    while (end > 0 && text[end - 1] == QChar(Twelfth)) {
        ++twelfths;
        --end;
    }
    if (end > 0 && text[end - 1] == u'S') {
        twelfths += 6;
        --end;
    }
    double sum = 0;
    QChar previous; // no letter before the first
    int previousScale = 1;
    for (qsizetype i = 0; i < end; ++i) {
        const QChar letter = text[i];
        const int scale = i + 1 < end && isBar(text[i + 1]) ? 1000 : 1;
        const qsizetype length = scale == 1 ? 1 : 2;
        const bool neighbours = scale == previousScale;
        for (const LetterPair &pair : RejectedPairs) {
            if (neighbours && isPair(pair, previous, letter))
                return std::nullopt;
        }
        int increment = letterValue(letter);
        if (increment == 0)
            return std::nullopt;
        bool subtractive = false;
        for (const SubtractivePair &pair : SubtractivePairs) {
            if (neighbours && isPair(pair.letters, previous, letter)) {
                increment = pair.increment;
                subtractive = true;
            }
        }
        sum += double(increment) * scale;
        if (parts && subtractive)
            parts->back() += text.sliced(i, length);
        else if (parts)
            parts->append(text.sliced(i, length));
        previous = letter;
        previousScale = scale;
        i += length - 1;
    }
    if (parts && twelfths > 0)
        parts->append(text.sliced(end));
    return twelfths == 0 ? sum : sum + twelfths / 12.0;
}

} // namespace

std::optional<double> parseRoman(QStringView numeral)
{
    return readRoman(numeral, nullptr);
}

QString romanReading(const QString &typed)
{
    QStringList parts;
    const QString upper = upperCase(typed.trimmed());
    const std::optional<double> value = readRoman(upper, &parts);
    if (!value || parts.empty())
        return {};
    return QStringLiteral("%1 = %2 = %3")
        .arg(upper, parts.join(QStringLiteral(" + ")), numberText(*value));
}

bool hasWiderRomanForm(QStringView text)
{
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (isBar(c) || code == Twelfth || code == u'S' || code == u's'
            || (code >= 0x2160 && code <= 0x2188))
            return true;
    }
    return false;
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
