#include "core/romanreading.h"

#include "core/romannumeral.h"
#include "core/textservices.h"

#include <QStringList>

namespace {

constexpr char16_t Overline = 0x0305;
constexpr char16_t Macron = 0x0304;
constexpr char16_t Twelfth = 0x00B7;

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

bool isBar(QChar c)
{
    return c == QChar(Overline) || c == QChar(Macron);
}

// The reversed C of the apostrophus, and the open O printers set for it.
bool isReversedC(QChar c)
{
    return c == QChar(0x2183) || c == QChar(0x0186);
}

bool isUnicodeNumeral(QChar c)
{
    return c.unicode() >= 0x2160 && c.unicode() <= 0x2188;
}

// One letter of a numeral, however it was written: a thousand times its
// value under a bar.
struct Letter
{
    QChar letter;
    int scale;
    // As typed, for the reading part by part: a view of the text, or of the
    // letter's own spelling where a Unicode numeral stands for it.
    QStringView written;

    double value() const { return double(letterValue(letter)) * scale; }
};

// A letter spelt on its own, plain or barred.
QStringView spelling(QChar letter, bool barred)
{
    static constexpr char16_t Plain[] = u"MDCLXVI";
    static constexpr char16_t Barred[] = u"M\u0305D\u0305C\u0305L\u0305X\u0305V\u0305I\u0305";
    const qsizetype at = QStringView(Plain, 7).indexOf(letter);
    return barred ? QStringView(Barred, 14).sliced(at * 2, 2) : QStringView(Plain, 7).sliced(at, 1);
}

// The letters a Unicode Roman numeral stands for, and whether they are barred
// already; no letters for a character that is none.
struct Expansion
{
    QStringView letters;
    bool barred = false;
};

Expansion unicodeLetters(QChar c)
{
    static constexpr const char16_t *Numbers[] = {u"I", u"II", u"III", u"IV", u"V", u"VI", u"VII",
        u"VIII", u"IX", u"X", u"XI", u"XII", u"L", u"C", u"D", u"M"};
    const char16_t code = c.unicode();
    if (code >= 0x2160 && code <= 0x217F)
        return {Numbers[(code - 0x2160) % 16]};
    switch (code) {
    case 0x2180:
        return {u"M"};
    case 0x2181:
        return {u"V", true};
    case 0x2182:
        return {u"X", true};
    case 0x2185:
        return {u"VI"};
    case 0x2186:
        return {u"L"};
    case 0x2187:
        return {u"L", true};
    case 0x2188:
        return {u"C", true};
    default:
        return {};
    }
}

// Reads a numeral letter by letter, with its half and twelfths at the end.
// The apostrophus is told by its reversed Cs: I and n of them is five times
// ten to the n + 1 (IↃ 500, IↃↃ 5000), as many Cs before the I double it
// (CIↃ 1000, CCIↃↃ 10000); a C more before it is a letter of its own, as is
// a C in a run too short for the Ↄs after it.
class LetterReader
{
public:
    explicit LetterReader(QStringView text)
    {
        qsizetype end = text.size();
        while (end > 0 && text[end - 1] == QChar(Twelfth)) {
            ++twelfths_;
            --end;
        }
        if (end > 0 && text[end - 1] == u'S') {
            twelfths_ += 6;
            --end;
        }
        fraction_ = text.sliced(end);
        text_ = text.first(end);
    }

    int twelfths() const { return twelfths_; }
    QStringView fraction() const { return fraction_; }
    // A character that is no letter was met.
    bool failed() const { return failed_; }

    // The next letter; none at the end or at a character that is no letter.
    std::optional<Letter> next()
    {
        if (!expanded_.letters.isEmpty()) {
            const QChar letter = expanded_.letters.front();
            expanded_.letters = expanded_.letters.sliced(1);
            return Letter {letter, expanded_.barred ? 1000 : 1, spelling(letter, expanded_.barred)};
        }
        if (failed_ || pos_ == text_.size())
            return std::nullopt;
        const qsizetype start = pos_;
        const QChar c = text_[pos_];
        if (const qsizetype length = apostrophusLength(); length > 0) {
            const QStringView form = text_.sliced(start, length);
            const qsizetype reversed = length - form.count(u'C') - 1;
            static constexpr char16_t Halves[] = {u'D', u'V', u'L', u'D'};
            static constexpr char16_t Wholes[] = {u'M', u'X', u'C', u'M'};
            pos_ += length;
            return Letter {c == u'C' ? Wholes[reversed - 1] : Halves[reversed - 1],
                reversed == 1 ? 1 : 1000, form};
        }
        const bool barred = pos_ + 1 < text_.size() && isBar(text_[pos_ + 1]);
        pos_ += barred ? 2 : 1;
        if (isUnicodeNumeral(c)) {
            expanded_ = unicodeLetters(c);
            // A bar over the numeral bars each of its letters; a letter
            // barred already takes no second bar.
            if (expanded_.letters.isEmpty() || (barred && expanded_.barred))
                return fail();
            expanded_.barred = expanded_.barred || barred;
            return next();
        }
        if (letterValue(c) == 0)
            return fail();
        return Letter {c, barred ? 1000 : 1, text_.sliced(start, pos_ - start)};
    }

private:
    std::optional<Letter> fail()
    {
        failed_ = true;
        expanded_ = {};
        return std::nullopt;
    }

    // The length of the apostrophus form that starts here; 0 for none. Each
    // run of Cs is looked at once, which keeps a long text linear.
    qsizetype apostrophusLength()
    {
        const QChar c = text_[pos_];
        if ((c != u'C' && c != u'I') || (c == u'C' && pos_ < plainUntil_))
            return 0;
        qsizetype i = pos_;
        while (i < text_.size() && text_[i] == u'C')
            ++i;
        const qsizetype cs = i - pos_;
        qsizetype j = i + 1;
        while (i < text_.size() && text_[i] == u'I' && j < text_.size() && isReversedC(text_[j]))
            ++j;
        const qsizetype reversed = j - i - 1;
        if (reversed < 1 || reversed > 4) {
            plainUntil_ = i;
            return 0;
        }
        if (cs == 0 || cs == reversed)
            return j - pos_;
        // Too few Cs for the Ↄs are letters of their own, and the form starts
        // at the I; of too many, it takes the last it needs.
        plainUntil_ = cs < reversed ? i : i - reversed;
        return 0;
    }

    QStringView text_;
    QStringView fraction_;
    int twelfths_ = 0;
    qsizetype pos_ = 0;
    // The Cs before here are letters of their own.
    qsizetype plainUntil_ = 0;
    // The letters of a Unicode numeral still to come.
    Expansion expanded_;
    bool failed_ = false;
};

bool isZero(QStringView numeral)
{
    return numeral == u"N" || numeral == u"NULLA";
}

// Reads the numeral by the lenient rules, keeping the letters of each part
// as the rules counted it when parts is given.
std::optional<double> lenientValue(QStringView numeral, QStringList *parts)
{
    LetterReader reader(numeral);
    double sum = 0;
    std::optional<Letter> previous;
    while (const std::optional<Letter> letter = reader.next()) {
        const auto is = [&](LetterPair pair) {
            return previous && previous->scale == letter->scale && previous->letter == pair.before
                && letter->letter == pair.after;
        };
        for (const LetterPair &pair : RejectedPairs) {
            if (is(pair))
                return std::nullopt;
        }
        double increment = letter->value();
        bool subtractive = false;
        for (const SubtractivePair &pair : SubtractivePairs) {
            if (is(pair.letters)) {
                increment = double(pair.increment) * letter->scale;
                subtractive = true;
            }
        }
        sum += increment;
        if (parts && subtractive)
            parts->back() += letter->written;
        else if (parts)
            parts->append(letter->written.toString());
        previous = letter;
    }
    if (reader.failed())
        return std::nullopt;
    if (parts && reader.twelfths() > 0)
        parts->append(reader.fraction().toString());
    return reader.twelfths() == 0 ? sum : sum + reader.twelfths() / 12.0;
}

// The value when each letter before a larger one subtracts, and a run of
// equal letters before a larger one subtracts whole.
double subtractiveValue(QStringView numeral)
{
    LetterReader reader(numeral);
    QList<double> values;
    while (const std::optional<Letter> letter = reader.next())
        values << letter->value();
    double sum = reader.twelfths() / 12.0;
    double following = 0;
    bool subtracted = false;
    for (auto value = values.crbegin(); value != values.crend(); ++value) {
        subtracted = *value == following ? subtracted : *value < following;
        sum += subtracted ? -*value : *value;
        following = *value;
    }
    return sum;
}

} // namespace

QString romanSpelling(const QString &text)
{
    QString spelling = upperCase(text).normalized(QString::NormalizationForm_D);
    spelling.replace(QChar(Macron), QChar(Overline));
    return spelling;
}

std::optional<double> parseRoman(QStringView numeral)
{
    if (isZero(numeral))
        return 0.0;
    return lenientValue(numeral, nullptr);
}

bool isStandardRoman(QStringView numeral, double value)
{
    return standardNumerals(value).contains(numeral);
}

QList<double> romanMeanings(const QString &typed)
{
    // A sign goes with the numeral; what it may mean is told of the numeral.
    QString unsigned_ = typed.trimmed();
    if (!unsigned_.isEmpty() && QStringView(u"-\u2212\uff0d").contains(unsigned_.front()))
        unsigned_.remove(0, 1);
    const QString numeral = romanSpelling(unsigned_);
    const std::optional<double> lenient = parseRoman(numeral);
    if (!lenient || numeral.isEmpty() || isStandardRoman(numeral, *lenient))
        return {};
    QList<double> meanings {*lenient};
    if (const double meant = subtractiveValue(numeral); meant > 0 && meant != *lenient)
        meanings << meant;
    return meanings;
}

QString romanReading(const QString &typed)
{
    QStringList parts;
    const QString numeral = romanSpelling(typed.trimmed());
    const std::optional<double> value = lenientValue(numeral, &parts);
    if (!value || parts.empty())
        return {};
    return QStringLiteral("%1 = %2 = %3")
        .arg(numeral, parts.join(QStringLiteral(" + ")), numberText(*value));
}

bool hasWiderRomanForm(QStringView text)
{
    if (isZero(text.trimmed().toString().toUpper()))
        return true;
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (isBar(c) || isReversedC(c) || isUnicodeNumeral(c) || code == Twelfth || code == u'S'
            || code == u's' || code == 0x012A || code == 0x012B || code == 0x0254)
            return true;
    }
    return false;
}
