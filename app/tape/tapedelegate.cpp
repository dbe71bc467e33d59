#include "app/tape/tapedelegate.h"

#include <QApplication>
#include <QPainter>

#include <algorithm>

namespace {

TapeDelegate::Line fitted(const QString &line, const QFont &font, int width)
{
    const QFontMetrics metrics(font);
    if (metrics.horizontalAdvance(line) <= width)
        return {line, font};
    const qsizetype equals = line.lastIndexOf(QStringLiteral(" = "));
    if (equals < 0)
        return {metrics.elidedText(line, Qt::ElideMiddle, width), font};
    const QString result = line.mid(equals);
    const QString start = metrics.elidedText(
        line.left(equals), Qt::ElideMiddle, width - metrics.horizontalAdvance(result));
    if (!start.isEmpty())
        return {start + result, font};
    // Smaller until it fits: a few steps from the size that would fit if the
    // text grew with the font in proportion, which it nearly does.
    const QString shown = QStringLiteral("\u2026") + result;
    QFont smaller = font;
    qreal points = font.pointSizeF() * width / std::max(1, metrics.horizontalAdvance(shown));
    for (int step = 0; step < 20 && points > 1; ++step, points *= 0.95) {
        smaller.setPointSizeF(points);
        if (QFontMetrics(smaller).horizontalAdvance(shown) <= width)
            break;
    }
    return {shown, smaller};
}

} // namespace

QRect TapeDelegate::textRect(const QStyleOptionViewItem &option) const
{
    // The margin Qt's own styles leave around an item's text.
    const QStyle *style = option.widget ? option.widget->style() : QApplication::style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option.widget) + 1;
    return option.rect.adjusted(margin, 0, -margin, 0);
}

std::vector<TapeDelegate::Line> TapeDelegate::lines(
    const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    std::vector<Line> lines;
    const int width = textRect(option).width();
    for (const QString &line : index.data().toString().split(u'\n'))
        lines.push_back(fitted(line, option.font, width));
    return lines;
}

void TapeDelegate::paint(
    QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const bool focused = item.state & QStyle::State_HasFocus;
    // The style draws the row and the selection, the frame is drawn below.
    item.text.clear();
    item.state &= ~QStyle::State_HasFocus;
    const QStyle *style = item.widget ? item.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);

    painter->save();
    const QPalette::ColorGroup group = !(item.state & QStyle::State_Enabled) ? QPalette::Disabled
        : item.state & QStyle::State_Active                                  ? QPalette::Active
                                                                             : QPalette::Inactive;
    painter->setPen(item.palette.color(
        group, item.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
    const std::vector<Line> shown = lines(item, index);
    QRect row = textRect(item);
    row.setHeight(row.height() / int(std::max<std::size_t>(1, shown.size())));
    for (const Line &line : shown) {
        painter->setFont(line.font);
        painter->drawText(row, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, line.text);
        row.translate(0, row.height());
    }
    if (focused) {
        // A pixel wide at the design size, wider as the font grows; on a
        // selected entry in the selection's text colour, which stands out there.
        const int width = std::max(1, QFontMetrics(item.font).height() / 14);
        painter->setPen(QPen(item.palette.color(group,
                                 item.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                     : QPalette::Highlight),
            width));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(
            QRectF(item.rect).adjusted(width / 2.0, width / 2.0, -width / 2.0, -width / 2.0));
    }
    painter->restore();
}

QSize TapeDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    return {0, QStyledItemDelegate::sizeHint(option, index).height()};
}
