#include "app/statustext.h"

#include "core/romannumeral.h"
#include "core/textservices.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>

namespace {

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
        .arg(elided(text));
}

bool isRomanLetters(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (!QStringView(u"IVXLCDMivxlcdm").contains(c))
            return false;
    }
    return true;
}

QString operationKey(std::int16_t pend)
{
    switch (pend) {
    case 1:
        return QStringLiteral("+");
    case 2:
        return QStringLiteral("/");
    case 3:
        return QStringLiteral("*");
    case 4:
        return QStringLiteral("-");
    default:
        return {};
    }
}

} // namespace

namespace statustext {

QString unreadable(const QString &text, const QString &unusedKey)
{
    const QString why
        = QCoreApplication::translate("StatusLine", "%1 is not a number or a Roman numeral")
              .arg(quoted(text));
    if (unusedKey.isEmpty())
        return why;
    return QCoreApplication::translate(
        "StatusLine", "%1; %2 was not used", "%1 is the sentence before, %2 a quoted key")
        .arg(why, quoted(unusedKey));
}

QString romanHint(const QString &text, double value)
{
    if (!isRomanLetters(text))
        return {};
    const QString numeral = upperCase(text);
    if (!(value < 9000))
        return QCoreApplication::translate("StatusLine", "%1 reads as %2")
            .arg(elided(numeral), numberText(value));
    const QString standard = romanNumeral(value);
    if (standard == numeral)
        return {};
    return QCoreApplication::translate("StatusLine", "%1 reads as %2 (standard form %3)")
        .arg(elided(numeral), numberText(value), standard);
}

QString progress(double acc, std::int16_t pend, int openParentheses, bool outermostDropped)
{
    QStringList parts;
    if (!std::isfinite(acc))
        parts << QCoreApplication::translate("StatusLine",
            "The result is too large: press r or Escape to start again",
            "r is the letter typed to clear in every language; Escape is the key");
    else if (const QString key = operationKey(pend); !key.isEmpty())
        parts << QStringLiteral("%1 %2").arg(numberText(acc), key);
    if (openParentheses > 0)
        parts << QCoreApplication::translate(
            "StatusLine", "%n parentheses open", nullptr, openParentheses);
    if (outermostDropped)
        parts << QCoreApplication::translate("StatusLine", "the outermost one was dropped");
    return parts.join(QStringLiteral("  \u00b7  "));
}

QString copied(const QString &text)
{
    return QCoreApplication::translate("StatusLine", "Copied %1").arg(quoted(text));
}

} // namespace statustext
