#include "widgets/barredlineedit.h"

#include "widgets/vinculum.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextLayout>

namespace {

// What QLineEdit keeps free between its contents and its text.
constexpr int HorizontalMargin = 2;

} // namespace

// The panel, the margins and the alignment are the line edit's.
void BarredLineEdit::paintEvent(QPaintEvent *event)
{
    const QString shown = text();
    if (!hasVinculum(shown) || echoMode() != Normal)
        return QLineEdit::paintEvent(event);
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    const QRect contents = style()
                               ->subElementRect(QStyle::SE_LineEditContents, &panel, this)
                               .marginsRemoved(textMargins());
    painter.setClipRect(contents);

    QTextLayout layout(shown, font());
    QTextOption option;
    option.setTextDirection(layoutDirection());
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout.setTextOption(option);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();

    // Placed as the line edit places the same letters without their marks,
    // whose fallback font may be taller: a numeral stays where it was when a
    // bar comes or goes. Barred letters are capitals, no taller than a line.
    const int height = QFontMetrics(font()).height();
    const int room = contents.width() - 2 * HorizontalMargin;
    const int used = qRound(line.naturalTextWidth()) + 1;
    int left = contents.x() + HorizontalMargin;
    const Qt::Alignment horizontal
        = QStyle::visualAlignment(layoutDirection(), alignment()) & Qt::AlignHorizontal_Mask;
    // A text that does not fit starts at the left; a readout's always fits.
    if (used <= room && horizontal & Qt::AlignHCenter)
        left -= (used - room) / 2;
    else if (used <= room && horizontal & Qt::AlignRight)
        left += room - used - 1;
    const QPointF origin(left, contents.y() + (contents.height() - height + 1) / 2);

    painter.setPen(palette().color(QPalette::Text));
    QList<QTextLayout::FormatRange> selection;
    if (hasSelectedText()) {
        QTextLayout::FormatRange range;
        range.start = selectionStart();
        range.length = selectionLength();
        range.format.setBackground(palette().brush(QPalette::Highlight));
        range.format.setForeground(palette().brush(QPalette::HighlightedText));
        selection << range;
    }
    drawWithVinculum(painter, layout, origin, selection);
}
