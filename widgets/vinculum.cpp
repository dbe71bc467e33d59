#include "widgets/vinculum.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLine>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr QChar Bar(0x0305);

} // namespace

bool hasVinculum(const QString &text)
{
    return text.contains(Bar);
}

void drawWithVinculum(QPainter &painter, const QTextLayout &layout, QPointF origin,
    const QList<QTextLayout::FormatRange> &selections)
{
    const QString &text = layout.text();
    if (!hasVinculum(text))
        return layout.draw(&painter, origin, selections);
    // The letters alone, where each offset of the text went, and which
    // letters are barred.
    QString letters;
    std::vector<int> at(std::size_t(text.size()) + 1);
    std::vector<bool> barred;
    for (qsizetype i = 0; i < text.size(); ++i) {
        at[std::size_t(i)] = int(letters.size());
        if (text[i] == Bar && !barred.empty()) {
            barred.back() = true;
            continue;
        }
        letters += text[i];
        barred.push_back(false);
    }
    at.back() = int(letters.size());
    QTextLayout plain(letters, layout.font());
    plain.setTextOption(layout.textOption());
    plain.beginLayout();
    const QTextLine line = plain.createLine();
    plain.endLayout();
    QList<QTextLayout::FormatRange> moved = selections;
    for (QTextLayout::FormatRange &range : moved) {
        const int end
            = at[std::size_t(std::clamp<qsizetype>(range.start + range.length, 0, text.size()))];
        range.start = at[std::size_t(std::clamp<qsizetype>(range.start, 0, text.size()))];
        range.length = end - range.start;
    }
    plain.draw(&painter, origin, moved);
    // As thick as the font's underline, a whole pixel or more clear of the
    // capitals' tops (their anti-aliased edge included), even where a small
    // font leaves less room above them in its line.
    const QFontMetricsF metrics(layout.font());
    const qreal thickness = std::max<qreal>(1, std::round(metrics.lineWidth()));
    const qreal top = origin.y() + line.y() + line.ascent() - metrics.capHeight();
    const qreal bottom = std::floor(top - std::max(thickness, std::round(metrics.capHeight() / 6)));
    const QColor colour = painter.pen().color();
    for (std::size_t i = 0; i < barred.size(); ++i) {
        if (!barred[i])
            continue;
        const std::size_t start = i;
        while (i + 1 < barred.size() && barred[i + 1])
            ++i;
        const qreal left = line.cursorToX(int(start)), right = line.cursorToX(int(i + 1));
        painter.fillRect(QRectF(origin.x() + std::min(left, right), bottom - thickness,
                             std::abs(right - left), thickness),
            colour);
    }
}

void drawBarredLine(QPainter &painter, const QRect &rect, const QString &text)
{
    if (!hasVinculum(text)) {
        painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
        return;
    }
    QTextLayout layout(text, painter.font());
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    drawWithVinculum(
        painter, layout, QPointF(rect.left(), rect.top() + (rect.height() - line.height()) / 2));
}
