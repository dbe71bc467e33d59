#include "core/entryreading.h"

#include "core/numeralparse.h"
#include "core/romannumeral.h"
#include "core/romanreading.h"
#include "core/textservices.h"

#include <cmath>

namespace {

bool isRomanLetters(QStringView text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (!QStringView(u"IVXLCDMivxlcdm").contains(c))
            return false;
    }
    return true;
}

} // namespace

std::optional<EntryReading> surprisingReading(const QString &text, double value)
{
    // At every keystroke: the common entries leave before anything is made.
    const QString entry = text.trimmed();
    QStringView body = entry;
    if (body.startsWith(u'-'))
        body = body.sliced(1);
    if (body.size() > 2 && body[0] == u'0' && (body[1] == u'X' || body[1] == u'x')) {
        const QStringView digits = body.sliced(2);
        const qsizetype read = hexDigitCount(digits);
        if (read == digits.size())
            return std::nullopt;
        return EntryReading {entry, value, {}, digits.sliced(read).toString()};
    }
    if (!isRomanLetters(body) && !hasWiderRomanForm(body))
        return std::nullopt;
    const double magnitude = std::abs(value);
    // A numeral that does not write the value exactly is no standard form of it.
    if (!(magnitude < romanLimit()) || !romanIsExact(magnitude))
        return EntryReading {upperCase(entry), value, {}, {}};
    const QString standard = romanNumeral(magnitude);
    if (standard == romanSpelling(body.toString()))
        return std::nullopt;
    return EntryReading {upperCase(entry), value, standard, {}};
}
