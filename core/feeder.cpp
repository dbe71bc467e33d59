#include "core/feeder.h"

#include "core/calculation.h"
#include "core/numeralparse.h"
#include "core/reader.h"
#include "core/statustext.h"

#include <utility>

namespace {

// The keys after which a line waits for more: it goes on in the next line.
bool waitsForOperand(QChar key)
{
    return key != u')' && key != u'=' && key != u'r';
}

} // namespace

Feeder::Result Feeder::feedLine(QStringView text, bool finish)
{
    // A line starts a reading of its own, where "-" before a number is its
    // sign; so does a paste, which is why a copied -7 reads back as -7.
    PieceReader reader(text, true);
    Result result;
    std::optional<double> held;
    QChar lastKey;
    bool any = false;
    const auto press = [&](QChar key) {
        calculation_.press(key, std::exchange(held, std::nullopt), result.entry);
        result.entry.clear();
        if (key == u'=' && calculation_.note() == Calculation::Note::ClosedParentheses)
            result.notes << statustext::closedParentheses(calculation_.closedByEquals());
    };
    while (const std::optional<InputPiece> piece = reader.next()) {
        any = true;
        lastKey = piece->key;
        if (piece->isKey()) {
            press(piece->key);
            continue;
        }
        result.entry = piece->entry;
        result.value = held = readEntry(piece->entry);
        if (!held) {
            result.rest = text.sliced(piece->end).trimmed().toString();
            result.unreadLine = text.sliced(piece->position).trimmed().toString();
            return result;
        }
        if (const QString hint = statustext::readingHint(piece->entry, *held); !hint.isEmpty())
            result.notes << hint;
    }
    // A line that ends with "+" waits for its operand in the next.
    const bool waiting = !lastKey.isNull() && waitsForOperand(lastKey);
    if (finish && any && !waiting) {
        if (lastKey != u'=')
            press(u'=');
        result.entry.clear();
        result.calculated = 1;
    }
    if (held)
        calculation_.enter(*held, true, result.entry);
    return result;
}

Feeder::Result Feeder::feedText(QStringView text)
{
    const bool finish = hasLineBreak(text);
    Result total;
    const QList<QStringView> lines = splitLines(text);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        Result result = feedLine(lines[i], finish);
        result.calculated += total.calculated;
        result.notes = total.notes + result.notes;
        result.lines = total.lines + (lines[i].trimmed().isEmpty() ? 0 : 1);
        result.line = int(i + 1);
        total = std::move(result);
        if (total.unread()) {
            for (qsizetype j = i + 1; j < lines.size(); ++j)
                total.rest += u' ' + lines[j].trimmed().toString();
            total.rest = total.rest.trimmed();
            break;
        }
    }
    return total;
}
