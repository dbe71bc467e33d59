#pragma once

#include <QChar>
#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

// The one reading of a person's input, whichever way it arrives: each
// keystroke in the type-in box, a paste or drop, a line of --eval, a tape
// entry put back. It turns text into entries (numbers still to be read) and
// operation keys, so that the same text means the same calculation on every
// route.

// The operation key a character stands for: "=", "+", "-", ")", "(", "*",
// "/" or "r" as typed (an upper-case R is no key), and the signs the
// calculator itself writes (× ÷ − and the full-width forms) as the keys they
// show. A null character for anything else.
QChar operationKey(QChar character);

inline bool isOperationKey(QChar character)
{
    return !operationKey(character).isNull();
}

// Whether a "-" right after this key is a number's sign rather than the
// subtraction: after "(" and the four operations, never after ")", "=" or "r".
// A null key is the start of a calculation, where a sign may stand.
bool signMayFollow(QChar key);

struct InputPiece
{
    // An entry's text without the blanks around it, or empty for a key.
    QString entry;
    // The operation key, or a null character for an entry.
    QChar key;
    // Where the piece starts in the text, and where it ends.
    qsizetype position = 0;
    qsizetype end = 0;

    bool isKey() const { return !key.isNull(); }
};

// Splits the text into entries and keys. Blanks between them do not count.
// A "-" is a number's sign at the start of the text when signFirst says so,
// and after any key that signMayFollow(); it is decided there and then, as a
// person typing it cannot say what comes next. The "+" or "-" of an exponent
// after a decimal mantissa ("2.5E-") stays in the entry. Every other
// operation character is a key. An entry is everything between keys, blanks
// inside it included, so that "X IV" stays one entry, which does not read.
// Linear in the length of the text.
QList<InputPiece> readPieces(QStringView text, bool signFirst = true);

// The same reading one piece at a time, so that a line of any length is
// calculated as it is read, without a list of its pieces.
class PieceReader
{
public:
    PieceReader(QStringView text, bool signFirst);
    // The next piece; none at the end of the text.
    std::optional<InputPiece> next();

private:
    bool skipBlanks();
    bool signMayStand() const;
    InputPiece takeEntry();

    QStringView text_;
    QString separator_;
    qsizetype pos_ = 0;
    // The key before, or null after an entry; the start counts as a key
    // after which a sign may stand when signFirst says so.
    bool afterEntry_ = false;
    QChar lastKey_;
};

// The lines of a text, without their line breaks (a line feed, a carriage
// return or both): each is fed on its own, and a calculation that a line
// leaves waiting for an operand goes on in the next.
QList<QStringView> splitLines(QStringView text);

// Whether the text holds a line break, which makes it several calculations.
bool hasLineBreak(QStringView text);
