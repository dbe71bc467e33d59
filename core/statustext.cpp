#include "core/statustext.h"

#include "core/entryreading.h"
#include "core/numeralparse.h"
#include "core/padengine.h"
#include "core/romannumeral.h"
#include "core/textservices.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

#include <cmath>
#include <limits>

namespace {

const QString Separator = QStringLiteral("  \u00b7  ");

// A pasted entry can be any length; the line names it, it need not repeat it.
QString elided(const QString &text)
{
    constexpr qsizetype Longest = 16;
    if (text.size() <= Longest)
        return text;
    // Never half of a character that takes two code units.
    const qsizetype kept = text[Longest - 2].isHighSurrogate() ? Longest - 2 : Longest - 1;
    return text.left(kept) + QChar(0x2026);
}

QString quoted(const QString &text)
{
    return QCoreApplication::translate(
        "StatusLine", "\"%1\"", "the quotation marks around a text the person typed")
        // A line break or another control character shows as its escape, so that
        // a message stays one line that says what was there.
        .arg(escaped(elided(text), {.controls = true}));
}

// The name of the choice that writes fractions in twelfths, as the menu shows it.
QString fractionsChoiceName()
{
    return QCoreApplication::translate("NumeralChoices", "Fractions in twelfths");
}

// The separator of the other kind: a comma where this locale writes a point,
// a point anywhere else.
QString otherSeparator()
{
    return QLocale().decimalPoint() == u"." ? QStringLiteral(",") : QStringLiteral(".");
}

// Why a numeral is refused when numerals are read strictly, with the
// standard numerals of what it may have meant.
QString notStandard(const QString &text, const QList<double> &meanings)
{
    QStringList near;
    for (const double value : meanings) {
        if (const QStringList numerals = standardNumerals(value); !numerals.isEmpty())
            near << QCoreApplication::translate(
                "StatusLine", "%1 is %2", "a Roman numeral and its decimal value, e.g. CI is 101")
                        .arg(numerals.constFirst(), numberText(value));
    }
    const QString typed = elided(upperCase(text.trimmed()));
    if (near.isEmpty())
        return QCoreApplication::translate("StatusLine",
            "%1 is not a standard numeral, and %2 has none",
            "%1 is a Roman numeral as typed, %2 the decimal value the lenient rules give it")
            .arg(typed, numberText(meanings.constFirst()));
    return QCoreApplication::translate("StatusLine", "%1 is not a standard numeral: %2",
        "%1 is a Roman numeral as typed, %2 a list of standard numerals and their values")
        .arg(typed, near.join(QStringLiteral(", ")));
}

} // namespace

namespace statustext {

QString unreadable(const QString &text, const QString &unusedKey, const QString &pasteRest)
{
    QString why;
    if (text.size() > LongestEntry) {
        why = QCoreApplication::translate(
            "StatusLine", "%1 is too long to be a number: an entry has at most %2 characters")
                  .arg(quoted(text), QLocale().toString(LongestEntry));
    } else if (isOutOfRange(text)) {
        why = QCoreApplication::translate(
            "StatusLine", "%1 is too large for the calculator; the largest number is %2")
                  .arg(quoted(text), numberText(std::numeric_limits<double>::max()));
    } else if (const QList<double> meanings = romanMeanings(text); !meanings.isEmpty()) {
        why = notStandard(text, meanings);
    } else {
        why = QCoreApplication::translate("StatusLine", "%1 is not a number or a Roman numeral")
                  .arg(quoted(text));
        if (const QString other = otherSeparator(); text.contains(other)
            && parseNumber(QString(text).replace(other, QLocale().decimalPoint())))
            why = QCoreApplication::translate(
                "StatusLine", "%1; the decimal separator here is %2", "%1 is the sentence before")
                      .arg(why, quoted(QLocale().decimalPoint()));
    }
    if (!pasteRest.isEmpty())
        return QCoreApplication::translate("StatusLine",
            "%1; the paste stopped there, and %2 was not entered",
            "%1 is the sentence before, %2 the quoted rest of the pasted text")
            .arg(why, quoted(pasteRest));
    if (unusedKey.isEmpty())
        return why;
    return QCoreApplication::translate(
        "StatusLine", "%1; %2 was not used", "%1 is the sentence before, %2 a quoted key")
        .arg(why, quoted(unusedKey));
}

QString readingHint(const QString &text, double value)
{
    const std::optional<EntryReading> reading = surprisingReading(text, value);
    if (!reading)
        return {};
    if (!reading->stoppedAt.isEmpty())
        return QCoreApplication::translate("StatusLine", "%1 reads as %2; reading stopped at %3")
            .arg(elided(reading->typed), numberText(value), quoted(reading->stoppedAt));
    if (reading->standard.isEmpty())
        return QCoreApplication::translate("StatusLine", "%1 reads as %2")
            .arg(elided(reading->typed), numberText(value));
    return QCoreApplication::translate("StatusLine", "%1 reads as %2 (standard form %3)")
        .arg(elided(reading->typed), numberText(value), reading->standard);
}

QString note(const Calculation &calculation)
{
    const double value = calculation.noteValue();
    switch (calculation.note()) {
    case Calculation::Note::KeptDividend:
        return QCoreApplication::translate("StatusLine", "Dividing by zero keeps the dividend: %1")
            .arg(numberText(value));
    case Calculation::Note::Waiting:
        return QCoreApplication::translate("StatusLine", "(…) = %1, waiting for the next operation",
            "the value of the parentheses just closed")
            .arg(numberText(value));
    case Calculation::Note::Cleared:
        return QCoreApplication::translate("StatusLine",
            "Cleared; an operation key now starts from %1, a number typed first replaces it",
            "after the clear key, which keeps the last number entered")
            .arg(numberText(value));
    case Calculation::Note::Replaced:
        return QCoreApplication::translate("StatusLine", "%1 %2 waits for a number; %3 replaced %4",
            "%1 %2 is the result so far and the operation waiting, %3 that key and %4 the one "
            "pressed before it, as in: 5 * waits for a number; * replaced +")
            .arg(numberText(calculation.pad().acc()), pendingKey(calculation.pad().pend()),
                pendingKey(calculation.pad().pend()), pendingKey(calculation.replacedCode()));
    case Calculation::Note::ClosedParentheses:
        return closedParentheses(calculation.closedByEquals());
    case Calculation::Note::None:
        break;
    }
    return {};
}

QString closedParentheses(int count)
{
    return QCoreApplication::translate("StatusLine", "\"=\" closed %n open parentheses first",
        "the equals key finishes the calculations in parentheses before the whole one", count);
}

QString progress(const Calculation &calculation)
{
    QStringList parts;
    const PadEngine &pad = calculation.pad();
    if (calculation.spoiled())
        parts << QCoreApplication::translate("StatusLine", "Press r or Escape to start again",
            "r is the letter typed to clear in every language; Escape is the key");
    else if (const QChar key = pendingKey(pad.pend()); !key.isNull())
        parts << QStringLiteral("%1 %2").arg(numberText(pad.acc()), key);
    if (const int open = calculation.openParentheses(); open > 0)
        parts << QCoreApplication::translate("StatusLine", "%n parentheses open", nullptr, open);
    if (calculation.outermostDropped())
        parts << QCoreApplication::translate("StatusLine", "the outermost one was dropped");
    return parts.join(Separator);
}

QString error(const QString &text, const QString &progress)
{
    const QString marked
        = QCoreApplication::translate("StatusLine", "⚠ %1", "an error's message").arg(text);
    return progress.isEmpty() ? marked : marked + Separator + progress;
}

namespace {

QString aboutLine(const QString &before, int line, const QString &why)
{
    return QCoreApplication::translate("StatusLine", "%1; line %2: %3",
        "%1 says how many lines were calculated, %2 is the line that stopped, %3 why")
        .arg(before)
        .arg(line)
        .arg(why);
}

QString calculatedLines(int calculated)
{
    return QCoreApplication::translate("StatusLine", "%n lines calculated", nullptr, calculated);
}

} // namespace

QString linesCalculated(int calculated, int stoppedLine, const QString &why)
{
    const QString done = calculatedLines(calculated);
    return stoppedLine == 0 ? done : aboutLine(done, stoppedLine, why);
}

QString wrongLines(int calculated, const QList<std::pair<int, QString>> &wrong)
{
    QString text = calculatedLines(calculated);
    for (const auto &[line, why] : wrong)
        text = aboutLine(text, line, why);
    return text;
}

QString roundedNumerals()
{
    return QCoreApplication::translate("StatusLine",
        "a numeral marked ≈ is calculated as written, and the results written after it "
        "are not checked",
        "≈ marks a Roman numeral the tape rounded, as in ≈II for 2.25");
}

QString wrongResult(const QString &written, const QString &calculated)
{
    return QCoreApplication::translate("StatusLine", "written %1, calculated %2",
        "a result a line wrote down, and the one the calculator calculated for it")
        .arg(written, calculated);
}

QString rounded(double value)
{
    const auto shownAs = [value] {
        return QCoreApplication::translate("StatusLine", "%1 is shown as %2, rounded",
            "%1 is a decimal number, %2 the Roman numeral shown for it")
            .arg(numberText(value), romanNumeral(value));
    };
    switch (romanRounding(value)) {
    case RomanRounding::ToWhole: {
        const QString inTwelfths = romanNumeralInTwelfths(value);
        if (inTwelfths == romanNumeral(value))
            return shownAs();
        return QCoreApplication::translate("StatusLine", "%1 (%2 writes %3)",
            "%1 is the sentence before, %2 the name of the choice, %3 the numeral it writes")
            .arg(shownAs(), fractionsChoiceName(), inTwelfths);
    }
    case RomanRounding::ToTwelfths:
        return QCoreApplication::translate("StatusLine", "%1 is shown as %2, rounded to twelfths",
            "%1 is a decimal number, %2 its Roman numeral with S and dots")
            .arg(numberText(value), romanNumeral(value));
    case RomanRounding::ToZero:
        return QCoreApplication::translate("StatusLine",
            "%1 rounds to no Roman numeral and is shown as zero", "%1 is a decimal number")
            .arg(numberText(value));
    case RomanRounding::BeyondLimit:
        return QCoreApplication::translate(
            "StatusLine", "%1 rounds to a number beyond Roman numerals", "%1 is a decimal number")
            .arg(numberText(value));
    case RomanRounding::None:
        break;
    }
    return {};
}

QString copied(const QString &text)
{
    return QCoreApplication::translate("StatusLine", "Copied %1").arg(quoted(text));
}

} // namespace statustext
