#include "app/tape/tapedelegate.h"

#include "app/tape/tapemodel.h"
#include "widgets/vinculum.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>

namespace {

// The line as drawn in the width: whole where it fits, else without the
// middle of its calculation, else with its result over further lines.
// A failed entry's line up to its error's name, before the colon.
QString named(QString line, bool failed)
{
    const qsizetype equals = line.lastIndexOf(QStringLiteral(" = "));
    if (const qsizetype colon = line.indexOf(u':', equals); failed && equals >= 0 && colon > 0)
        line.truncate(colon);
    return line;
}

QStringList fitted(const QString &line, const QFont &font, int width)
{
    const QFontMetrics metrics(font);
    const qsizetype equals = line.lastIndexOf(QStringLiteral(" = "));
    // Most entries are short: no need to measure what cannot be too wide.
    if (metrics.maxWidth() * line.size() <= width || metrics.horizontalAdvance(line) <= width)
        return {line};
    if (equals < 0)
        return {metrics.elidedText(line, Qt::ElideMiddle, width)};
    const QString result = line.mid(equals);
    const QString start = metrics.elidedText(
        line.left(equals), Qt::ElideMiddle, width - metrics.horizontalAdvance(result));
    if (!start.isEmpty())
        return {start + result};
    // The result is wider than the column: the calculation keeps a line of
    // its own, and the result breaks between words, or within a long one.
    QStringList lines {metrics.elidedText(line.left(equals), Qt::ElideMiddle, width)};
    // The sign stays with the result.
    QTextLayout layout(QStringLiteral("=\u00A0") + result.mid(3), font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine part = layout.createLine(); part.isValid(); part = layout.createLine()) {
        part.setLineWidth(width);
        lines << layout.text().mid(part.textStart(), part.textLength());
    }
    layout.endLayout();
    return lines;
}

} // namespace

QRect TapeDelegate::textRect(const QStyleOptionViewItem &option) const
{
    // The margin Qt's own styles leave around an item's text.
    const QStyle *style = option.widget ? option.widget->style() : QApplication::style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option.widget) + 1;
    QRect place = option.rect;
    // Where the view asks for a size it gives its own place: the entry's is
    // as wide as the column.
    if (const auto *view = qobject_cast<const QAbstractItemView *>(option.widget))
        place.setWidth(view->viewport()->width());
    return place.adjusted(margin, 0, -margin, 0);
}

QStringList TapeDelegate::lines(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const int width = std::max(1, textRect(option).width());
    const bool failed = index.data(TapeModel::FailedRole).toBool();
    QStringList lines;
    for (const QString &line : index.data().toString().split(u'\n'))
        lines << fitted(named(line, failed), option.font, width);
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
    const QStringList shown = lines(item, index);
    QRect row = textRect(item);
    row.setHeight(row.height() / int(std::max<qsizetype>(1, shown.size())));
    painter->setFont(item.font);
    for (const QString &line : shown) {
        drawBarredLine(*painter, row, line);
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
    // Asked of every entry whenever the column changes, so what it measures
    // is kept for the font: the height the style gives two lines of text,
    // and the widths of results too long to fit for certain.
    const QFontMetrics metrics(option.font);
    if (twoLines_ == 0 || measuredFont_ != option.font) {
        QStyleOptionViewItem two = option;
        two.features |= QStyleOptionViewItem::HasDisplay;
        two.text = QStringLiteral("0\u20280"); // lines as the delegate's text separates them
        const QStyle *style = option.widget ? option.widget->style() : QApplication::style();
        twoLines_
            = style->sizeFromContents(QStyle::CT_ItemViewItem, &two, {}, option.widget).height();
        measuredFont_ = option.font;
        resultWidths_.clear();
    }
    // A line more for each line a result takes beyond its own.
    const int width = std::max(1, textRect(option).width());
    const bool failed = index.data(TapeModel::FailedRole).toBool();
    qsizetype more = 0;
    for (const QString &text : index.data().toString().split(u'\n')) {
        const QString line = named(text, failed);
        const QString result = line.mid(line.lastIndexOf(QStringLiteral(" = ")));
        // Not even "…" before the result: the result goes on a line of its own.
        if (metrics.maxWidth() * (result.size() + 1) <= width)
            continue;
        auto known = resultWidths_.constFind(result);
        if (known == resultWidths_.cend())
            known = resultWidths_.insert(result, metrics.horizontalAdvance(result));
        if (*known + metrics.horizontalAdvance(QChar(0x2026)) > width)
            more += fitted(line, option.font, width).size() - 1;
    }
    return {0, twoLines_ + int(more) * metrics.lineSpacing()};
}
