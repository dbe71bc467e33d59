#include "core/reader.h"

#include "core/operations.h"

#include <QLocale>

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

QChar operationKey(QChar character)
{
    const Operation *op = operationOf(character);
    return op ? QChar(op->key) : QChar();
}

bool signMayFollow(QChar key)
{
    if (key.isNull())
        return true;
    const Operation *op = operationOf(key);
    return op && op->signMayFollow;
}

PieceReader::PieceReader(QStringView text, bool signFirst)
    : text_(text)
    , separator_(QLocale().decimalPoint())
    // After "=" no sign may stand, as after nothing when signFirst is false.
    , lastKey_(signFirst ? QChar() : QChar(u'='))
{ }

std::optional<InputPiece> PieceReader::next()
{
    if (!skipBlanks())
        return std::nullopt;
    const QChar key = operationKey(text_[pos_]);
    if (key.isNull() || (key == u'-' && signMayStand())) {
        afterEntry_ = true;
        return takeEntry();
    }
    afterEntry_ = false;
    lastKey_ = key;
    ++pos_;
    return InputPiece {{}, key, pos_ - 1, pos_};
}

bool PieceReader::skipBlanks()
{
    while (pos_ < text_.size() && text_[pos_].isSpace())
        ++pos_;
    return pos_ < text_.size();
}

bool PieceReader::signMayStand() const
{
    return !afterEntry_ && signMayFollow(lastKey_);
}

InputPiece PieceReader::takeEntry()
{
    const qsizetype start = pos_;
    // Only a decimal mantissa has an exponent: in "0X1E+2" the E is a digit,
    // and the "+" a key.
    bool decimal = true;
    bool digits = false;
    if (operationKey(text_[pos_]) == u'-')
        ++pos_;
    while (pos_ < text_.size()) {
        const QChar c = text_[pos_];
        const QChar key = operationKey(c);
        if ((key == u'+' || key == u'-') && decimal && digits
            && (text_[pos_ - 1] == u'E' || text_[pos_ - 1] == u'e')) {
            ++pos_;
            continue;
        }
        if (!key.isNull())
            break;
        if (isDigit(c))
            digits = true;
        else if (c != u'E' && c != u'e' && !separator_.contains(c))
            decimal = false;
        ++pos_;
    }
    QString entry = text_.sliced(start, pos_ - start).trimmed().toString();
    // A sign before "(" negates what the parentheses hold: -(2) is -1 (2),
    // which a number before "(" multiplies.
    if (entry.size() == 1 && operationKey(entry[0]) == u'-' && skipBlanks()
        && operationKey(text_[pos_]) == u'(')
        entry += u'1';
    // The signs the calculator writes read as the ones a person types.
    for (QChar &c : entry) {
        if (const QChar key = operationKey(c); key == u'-' || key == u'+')
            c = key;
    }
    return {entry, {}, start, pos_};
}

QList<InputPiece> readPieces(QStringView text, bool signFirst)
{
    QList<InputPiece> pieces;
    PieceReader reader(text, signFirst);
    while (std::optional<InputPiece> piece = reader.next())
        pieces.append(std::move(*piece));
    return pieces;
}

QList<QStringView> splitLines(QStringView text)
{
    QList<QStringView> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\n' && text[i] != u'\r')
            continue;
        lines.append(text.sliced(start, i - start));
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.sliced(start));
    return lines;
}

bool hasLineBreak(QStringView text)
{
    return text.contains(u'\n') || text.contains(u'\r');
}
