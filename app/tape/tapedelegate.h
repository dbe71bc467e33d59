#pragma once

#include <QFont>
#include <QString>
#include <QStyledItemDelegate>

#include <vector>

// Draws an entry of the tape, a line in each numeral form. The column is
// narrow and a calculation may be long, but what it came to is what a person
// looks for: a line that does not fit loses the middle of its calculation,
// never the result from its last " = " on, nor any note after it. A result
// too long even for the whole column is drawn smaller, as a readout's text is.
//
// The entry that has the keyboard is framed in the highlight colour whatever
// the style, since some styles mark it only after a Tab and none marks it the
// same way.
class TapeDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    struct Line
    {
        QString text;
        QFont font;
    };
    // The lines of the entry as they are drawn in the option's rectangle.
    std::vector<Line> lines(const QStyleOptionViewItem &option, const QModelIndex &index) const;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override;
    // No wider than the column, whatever the text: the lines fit themselves.
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    QRect textRect(const QStyleOptionViewItem &option) const;
};
