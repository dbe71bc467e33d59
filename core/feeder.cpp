#include "core/feeder.h"

#include "core/calculation.h"
#include "core/numeralparse.h"
#include "core/operations.h"
#include "core/reader.h"
#include "core/statustext.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace {

// The keys after which a line waits for more: it goes on in the next.
bool waitsForOperand(QChar key)
{
    const Operation *op = operationOf(key);
    return op && op->lineWaits;
}

} // namespace

Feeder::Result Feeder::feedLine(QStringView text, bool finish)
{
    if (const std::optional<CheckedLine> checked = checkedLine(text))
        return feedChecked(*checked);
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

Feeder::Result Feeder::feedChecked(const CheckedLine &line)
{
    Result result;
    const auto feed = [&](QStringView text) {
        Result fed = feedLine(text, false);
        result.notes += fed.notes;
        return fed;
    };
    // The key that makes a written result the one on show: the operation
    // that goes on from it, or the last "=".
    const auto check = [&](QStringView key, const WrittenResult &written) {
        if (!line.rounded)
            calculation_.expect(written);
        feed(key);
        if (const std::optional<WrongResult> &wrong = calculation_.wrongResult())
            result.wrong.append({wrong->written, wrong->calculated});
        calculation_.expect(std::nullopt);
    };
    for (qsizetype i = 0; i < line.parts.size(); ++i) {
        QStringView part = line.parts.at(i);
        if (i > 0) {
            check(part.first(1), line.written[i - 1]);
            part = part.sliced(1);
        }
        if (Result fed = feed(part); fed.unread()) {
            fed.wrong = std::move(result.wrong);
            fed.notes = std::move(result.notes);
            return fed;
        }
    }
    check(u"=", line.written.constLast());
    if (line.rounded)
        result.notes << statustext::roundedNumerals();
    result.calculated = 1;
    return result;
}

Feeder::Result Feeder::feedText(QStringView text)
{
    Slices slices(*this, text.toString());
    while (!slices.feedSome(std::numeric_limits<int>::max())) { }
    return slices.result();
}

Feeder::Slices::Slices(Feeder &feeder, QString text)
    : feeder_(feeder)
    , text_(std::move(text))
    , lines_(splitLines(text_))
    , finish_(hasLineBreak(text_))
{ }

qsizetype Feeder::Slices::fed() const
{
    return done_ || line_ >= lines_.size() ? size() : lines_[line_].data() - text_.data() + offset_;
}

bool Feeder::Slices::feedSome(int pieces)
{
    const bool limited = pieces < std::numeric_limits<int>::max();
    const int budget = pieces;
    while (!done_ && line_ < lines_.size() && pieces > 0) {
        const QStringView line = lines_[line_].sliced(offset_);
        // Where this slice stops: the line's end, unless it holds more
        // pieces; then right after a key that an entry follows.
        qsizetype cut = line.size();
        if (limited) {
            PieceReader reader(line, true);
            std::optional<qsizetype> afterKey;
            int count = 0;
            for (std::optional<InputPiece> piece; (piece = reader.next()); ++count) {
                if (count >= pieces && afterKey && !piece->isKey()) {
                    // A line is cut only where it holds more than a slice:
                    // otherwise the next slice takes it whole.
                    if (offset_ == 0 && pieces < budget)
                        return false;
                    cut = *afterKey;
                    break;
                }
                afterKey = piece->isKey() ? std::optional(piece->end) : std::nullopt;
            }
            pieces -= std::max(count, 1);
        }
        const bool lineStarted = offset_ > 0;
        const bool lineEnds = cut == line.size();
        Result result = feeder_.feedLine(line.first(cut), lineEnds && finish_);
        offset_ += cut;
        result.calculated += total_.calculated;
        for (Result::Mismatch &wrong : result.wrong)
            wrong.line = int(line_ + 1);
        QList<Result::Mismatch> wrong = std::move(total_.wrong);
        result.wrong = std::move(wrong += result.wrong);
        QStringList notes = std::move(total_.notes);
        result.notes = std::move(notes += result.notes);
        result.lines = total_.lines + (lineStarted || lines_[line_].trimmed().isEmpty() ? 0 : 1);
        result.line = int(line_ + 1);
        total_ = std::move(result);
        if (total_.unread()) {
            // The rest of a line cut into slices, then the lines after it.
            if (const QStringView after = lines_[line_].sliced(offset_); !after.isEmpty()) {
                total_.unreadLine = (total_.unreadLine + after.toString()).trimmed();
                total_.rest = (total_.rest + after.toString()).trimmed();
            }
            for (qsizetype j = line_ + 1; j < lines_.size(); ++j)
                total_.rest += u' ' + lines_[j].trimmed().toString();
            total_.rest = total_.rest.trimmed();
            done_ = true;
        } else if (lineEnds) {
            ++line_;
            offset_ = 0;
        }
    }
    done_ = done_ || line_ >= lines_.size();
    return done_;
}
