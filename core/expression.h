#pragma once

#include <QChar>
#include <QList>
#include <QString>
#include <QStringView>

// A calculation written out in one text, as pasted or given on the command
// line: entries and operation keys in the order they are to be entered.
struct ExpressionPiece
{
    // An entry's text without the blanks around it, or empty for a key.
    QString entry;
    // The operation key, or a null character for an entry.
    QChar key;
    // Where the piece starts in the text.
    qsizetype position = 0;

    bool isKey() const { return !key.isNull(); }
};

// Splits the text into entries and keys. Blanks between them do not count. A
// "-" is a number's sign where the text starts with it or it follows an
// operation key other than ")", and a number follows at once; so is the sign
// of a decimal exponent. Every other operation character is a key. An entry
// is everything between keys, blanks inside it included, so that "X IV"
// stays one entry, which does not read. Linear in the length of the text.
QList<ExpressionPiece> splitExpression(QStringView text);

// Whether the pieces are more than one entry, possibly ended by a key: that
// is what a person types in one go, so the window reads it as typed.
bool isExpression(const QList<ExpressionPiece> &pieces);
