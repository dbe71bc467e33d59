#include "core/checkedline.h"

#include "core/errors.h"
#include "core/numeralparse.h"
#include "core/reader.h"
#include "core/romannumeral.h"
#include "core/tape.h"
#include "core/textservices.h"

#include <cmath>

namespace {

constexpr QChar Rounded(0x2248);
constexpr QChar NoNumeral(0x2205);

bool isRomanText(const WrittenResult &written)
{
    return written.fixedText
        || (!parseNumber(written.text) && !written.text.startsWith(u"0X", Qt::CaseInsensitive));
}

std::optional<WrittenResult> readWritten(QStringView text)
{
    QString trimmed = text.trimmed().toString();
    if (trimmed.isEmpty())
        return std::nullopt;
    // The tape marks a numeral rounded from the value it stands for.
    if (trimmed.startsWith(Rounded))
        trimmed.remove(0, 1);
    for (const QString &fixed : {QString(NoNumeral), romanZeroText().trimmed(), romanOverflowText(),
             romanUnderflowText()}) {
        if (trimmed == fixed)
            return WrittenResult {trimmed, 0, true};
    }
    // The Roman readout writes a negative number in parentheses, and the
    // decimal one may come with the minus sign of print.
    const bool bracketed = trimmed.size() > 2 && trimmed.front() == u'(' && trimmed.back() == u')';
    QString number = bracketed ? trimmed.sliced(1, trimmed.size() - 2) : trimmed;
    if (operationKey(number.front()) == u'-')
        number.front() = u'-';
    std::optional<double> value;
    try {
        value = readEntry(number);
    } catch (const RuntimeError &) {
        return std::nullopt;
    }
    if (!value)
        return std::nullopt;
    WrittenResult written {trimmed, bracketed ? -*value : *value, false};
    if (bracketed && !isRomanText(written))
        return std::nullopt;
    return written;
}

// Where the result written after "=" ends and the calculation goes on from
// it: a comma, then an operation ("= 5, × 4"). A decimal comma has a digit
// after it instead.
qsizetype continuation(QStringView segment)
{
    for (qsizetype i = segment.indexOf(u','); i >= 0; i = segment.indexOf(u',', i + 1)) {
        qsizetype next = i + 1;
        while (next < segment.size() && segment[next].isSpace())
            ++next;
        if (next < segment.size() && isOperationKey(segment[next]))
            return next;
    }
    return -1;
}

// The calculation as the calculator reads it: the Roman readout writes a
// negative number in parentheses, which would read as a group, and zero as
// dashes, which would read as minus signs.
QString calculationText(QStringView part)
{
    const QString zero = romanZeroText().trimmed();
    QString text;
    text.reserve(part.size());
    for (qsizetype i = 0; i < part.size();) {
        if (part[i] == Rounded) {
            ++i;
            continue;
        }
        if (part.sliced(i).startsWith(zero)) {
            text += u'0';
            i += zero.size();
            continue;
        }
        if (part[i] == u'(') {
            qsizetype close = i + 1;
            while (close < part.size() && !isOperationKey(part[close]))
                ++close;
            const QString inner = part.sliced(i + 1, close - i - 1).trimmed().toString();
            if (close < part.size() && operationKey(part[close]) == u')' && !inner.isEmpty()
                && !parseNumber(inner) && parseRoman(romanSpelling(inner))) {
                text += u'-' + inner;
                i = close + 1;
                continue;
            }
        }
        text += part[i++];
    }
    return text;
}

} // namespace

std::optional<CheckedLine> checkedLine(QStringView line)
{
    // What the tape adds after a result ("; ÷ 0 keeps the dividend") is no
    // part of the calculation.
    if (const qsizetype notes = line.indexOf(u';'); notes >= 0)
        line = line.first(notes);
    CheckedLine checked;
    qsizetype start = 0;
    qsizetype equals = -1;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (operationKey(line[i]) == u'=') {
            equals = i;
            break;
        }
    }
    if (equals < 0)
        return std::nullopt;
    while (equals >= 0) {
        const QStringView part = line.sliced(start, equals - start);
        checked.rounded = checked.rounded || part.contains(Rounded);
        checked.parts << calculationText(part);
        qsizetype next = -1;
        for (qsizetype i = equals + 1; i < line.size() && next < 0; ++i) {
            if (operationKey(line[i]) == u'=')
                next = i;
        }
        QStringView segment = line.sliced(equals + 1, (next < 0 ? line.size() : next) - equals - 1);
        if (next >= 0) {
            const qsizetype goesOn = continuation(segment);
            if (goesOn < 0)
                return std::nullopt;
            start = equals + 1 + goesOn;
            segment = segment.first(segment.lastIndexOf(u',', goesOn));
        }
        const std::optional<WrittenResult> written = readWritten(segment);
        if (!written)
            return std::nullopt;
        checked.written << *written;
        equals = next;
    }
    return checked;
}

namespace {

bool agrees(const WrittenResult &written, double calculated)
{
    if (written.fixedText)
        return written.text == tapeRomanText(calculated)
            || written.text == romanNumeral(calculated).trimmed();
    if (written.value == calculated)
        return true;
    if (isRomanText(written)) {
        // Rounded as a numeral is written: to a whole number, or a twelfth.
        return written.value == std::nearbyint(calculated)
            || std::abs(written.value - std::nearbyint(calculated * 12) / 12) < 1e-9;
    }
    return parseNumber(numberText(calculated)) == written.value;
}

} // namespace

std::optional<WrongResult> compare(const WrittenResult &written, double calculated)
{
    if (agrees(written, calculated))
        return std::nullopt;
    return WrongResult {
        written.text, isRomanText(written) ? tapeRomanText(calculated) : numberText(calculated)};
}
