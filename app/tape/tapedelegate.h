#pragma once

#include <QFont>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QStyledItemDelegate>

// Draws an entry of the tape, a line in each numeral form, always at the
// tape's own font size. The column is narrow and a calculation may be long,
// but what it came to is what a person looks for: a line that does not fit
// loses the middle of its calculation, never the result from its last " = "
// on, nor any note after it; a result too long even for the whole column
// goes on over as many lines as it needs, and the entry grows with it. A
// failed entry names its error in a few words, the words before its colon;
// the tooltip has the whole entry.
//
// The entry that has the keyboard is framed in the highlight colour whatever
// the style, since some styles mark it only after a Tab and none marks it the
// same way.
class TapeDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The lines of the entry as they are drawn in the option's rectangle.
    QStringList lines(const QStyleOptionViewItem &option, const QModelIndex &index) const;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override;
    // No wider than the column, whatever the text: the lines fit themselves,
    // and as many as they are high.
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    QRect textRect(const QStyleOptionViewItem &option) const;

    mutable QFont measuredFont_;
    mutable int twoLines_ = 0;
    mutable QHash<QString, int> resultWidths_;
};
