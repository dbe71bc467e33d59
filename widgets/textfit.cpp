#include "widgets/textfit.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>

#include <algorithm>

namespace {

// What a line edit keeps free around its text inside the contents rectangle,
// as QLineEdit paints it, plus one pixel for the cursor.
constexpr qreal LineEditMarginX = 2 + 2 + 1;
constexpr qreal LineEditMarginY = 1 + 1;

struct Room
{
    QString text;
    QSizeF size;
    bool wraps = false;
    bool widthCounts = true;
};

Room roomOf(const QWidget *widget)
{
    if (const auto *edit = qobject_cast<const QLineEdit *>(widget)) {
        QStyleOptionFrame option;
        option.initFrom(edit);
        option.lineWidth = edit->hasFrame()
            ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit)
            : 0;
        const QRect contents = edit->style()
                                   ->subElementRect(QStyle::SE_LineEditContents, &option, edit)
                                   .marginsRemoved(edit->textMargins());
        const QSizeF size(contents.width() - LineEditMarginX, contents.height() - LineEditMarginY);
        // What a person types scrolls as in any text box; what a readout shows
        // must be seen whole.
        return {edit->text(), size, false, edit->isReadOnly()};
    }
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        return {button->text(),
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).size()};
    }
    if (const auto *label = qobject_cast<const QLabel *>(widget)) {
        const QRect contents = label->contentsRect().adjusted(
            label->margin(), label->margin(), -label->margin(), -label->margin());
        return {label->text(), contents.size(), label->wordWrap()};
    }
    return {};
}

bool fits(const Room &room, const QFont &font)
{
    const QFontMetricsF metrics(font);
    if (room.wraps) {
        const QRectF bounds(0, 0, room.size.width(), 1e6);
        const QRectF used = metrics.boundingRect(bounds, Qt::TextWordWrap, room.text);
        return used.width() <= room.size.width() && used.height() <= room.size.height();
    }
    if (metrics.height() > room.size.height())
        return false;
    return !room.widthCounts
        || metrics.size(Qt::TextShowMnemonic, room.text).width() <= room.size.width();
}

} // namespace

TextFit::TextFit(QWidget *widget)
    : QObject(widget)
    , widget_(widget)
    , design_(widget->font())
{
    widget->installEventFilter(this);
    // What a person types never changes the fit of their box: only its height counts.
    if (auto *edit = qobject_cast<QLineEdit *>(widget); edit && edit->isReadOnly())
        connect(edit, &QLineEdit::textChanged, this, &TextFit::refit);
}

TextFit *TextFit::attach(QWidget *widget)
{
    if (TextFit *existing = of(widget))
        return existing;
    auto *fit = new TextFit(widget);
    fit->refit();
    return fit;
}

TextFit *TextFit::of(const QWidget *widget)
{
    return widget->findChild<TextFit *>(QString(), Qt::FindDirectChildrenOnly);
}

void TextFit::setDesignFont(const QFont &font)
{
    design_ = font;
    refit();
}

void TextFit::setScale(qreal factor)
{
    scale_ = factor;
    refit();
}

void TextFit::refit()
{
    const Room room = roomOf(widget_);
    QFont font = design_;
    qreal points = design_.pointSizeF() * scale_;
    font.setPointSizeF(points);
    // Shrink in proportion to the overrun first, then in small steps, since
    // hinting does not scale widths exactly with the size.
    for (int step = 0; step < 40 && points > 1 && !fits(room, font); ++step) {
        const QFontMetricsF metrics(font);
        qreal ratio = 0.95;
        if (!room.wraps && room.widthCounts) {
            const qreal wide = metrics.size(Qt::TextShowMnemonic, room.text).width();
            if (wide > room.size.width())
                ratio = std::min(ratio, room.size.width() / wide);
        }
        if (metrics.height() > room.size.height() && room.size.height() > 0)
            ratio = std::min(ratio, room.size.height() / metrics.height());
        points = std::max<qreal>(1, points * std::max<qreal>(ratio, 0.5));
        font.setPointSizeF(points);
    }
    if (widget_->font() != font)
        widget_->setFont(font);
}

bool TextFit::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Resize:
    case QEvent::StyleChange:
        refit();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
