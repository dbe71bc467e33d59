#include "widgets/textfit.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QVariant>

#include <algorithm>

namespace {

// What a line edit keeps free around its text inside the contents rectangle,
// as QLineEdit paints it, plus one pixel for the cursor.
constexpr qreal LineEditMarginX = 2 + 2 + 1;
constexpr qreal LineEditMarginY = 1 + 1;

// The design's scale at which a window makes its children.
constexpr const char *OpeningScaleProperty = "textFitOpeningScale";

// What the character advances may miss of the laid-out width: kerning,
// hinting and rounding. A text within this margin is laid out to be sure.
constexpr qreal AdvanceMarginRatio = 1.03;
constexpr qreal AdvanceMarginPixels = 2;

} // namespace

TextFit::TextFit(QWidget *widget, qreal openingScale)
    : QObject(widget)
    , widget_(widget)
    , design_(widget->font())
    , designScale_(openingScale)
    , scale_(openingScale)
    , largest_(design_)
    , largestMetrics_(largest_)
{
    widget->installEventFilter(this);
    // What a person types never changes the fit of their box: only its height
    // counts. A readout's text must be seen whole.
    if (auto *edit = qobject_cast<QLineEdit *>(widget); edit && edit->isReadOnly()) {
        connect(edit, &QLineEdit::textChanged, this, [this](const QString &text) {
            if (!placed_)
                return;
            // The box's size has not changed, only its text.
            Room room = fitted_ ? fittedRoom_ : measureRoom();
            room.text = text;
            fit(room);
        });
    }
}

TextFit *TextFit::attach(QWidget *widget)
{
    if (TextFit *existing = of(widget))
        return existing;
    const QVariant opening = widget->window()->property(OpeningScaleProperty);
    return new TextFit(widget, opening.isValid() ? opening.toReal() : 1);
}

TextFit *TextFit::of(const QWidget *widget)
{
    return widget->findChild<TextFit *>(QString(), Qt::FindDirectChildrenOnly);
}

void TextFit::setOpeningScale(QWidget *window, qreal factor)
{
    window->setProperty(OpeningScaleProperty, factor);
}

void TextFit::setDesignFont(const QFont &font)
{
    design_ = font;
    designScale_ = 1;
    setLargestFont();
    // Set before anything is laid out in it, measured once placed.
    widget_->setFont(largest_);
    fitted_ = false;
    refit();
}

void TextFit::setScale(qreal factor)
{
    placed_ = true;
    if (factor == scale_)
        return;
    scale_ = factor;
    setLargestFont();
    fitted_ = false;
}

void TextFit::refit()
{
    fit(measureRoom());
}

void TextFit::setLargestFont()
{
    largest_ = design_;
    largest_.setPointSizeF(design_.pointSizeF() * scale_ / designScale_);
    largestMetrics_ = QFontMetricsF(largest_);
    advances_.clear();
}

TextFit::Room TextFit::measureRoom() const
{
    if (const auto *edit = qobject_cast<const QLineEdit *>(widget_)) {
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
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget_)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        return {button->text(),
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).size()};
    }
    if (const auto *label = qobject_cast<const QLabel *>(widget_)) {
        const QRect contents = label->contentsRect().adjusted(
            label->margin(), label->margin(), -label->margin(), -label->margin());
        return {label->text(), contents.size(), label->wordWrap()};
    }
    return {};
}

void TextFit::fit(const Room &room)
{
    // Before the host places the widget its box is not yet the one it will
    // have, and a fit there would only load font sizes never shown.
    if (!placed_ || (fitted_ && room == fittedRoom_))
        return;
    fitted_ = true;
    fittedRoom_ = room;
    if (surelyFitsLargest(room) || fits(room, largestMetrics_)) {
        if (widget_->font() != largest_)
            widget_->setFont(largest_);
        return;
    }
    QFont font = largest_;
    qreal points = largest_.pointSizeF();
    // Shrink in proportion to the overrun first, then in small steps, since
    // hinting does not scale widths exactly with the size.
    for (int step = 0; step < 40 && points > 1; ++step) {
        const QFontMetricsF metrics(font);
        if (step > 0 && fits(room, metrics))
            break;
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

bool TextFit::fits(const Room &room, const QFontMetricsF &metrics)
{
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

// Without laying the text out: the sum of its characters' advances, each
// measured once, with room to spare for what shaping may add. A text that
// might not fit is left to the layout.
bool TextFit::surelyFitsLargest(const Room &room)
{
    if (room.wraps || largestMetrics_.height() > room.size.height())
        return false;
    if (!room.widthCounts)
        return true;
    qreal width = 0;
    for (const QChar ch : room.text) {
        // Mnemonics, control characters, marks and scripts that shape.
        if (ch.unicode() < 0x20 || ch.unicode() >= 0x300 || ch == u'&')
            return false;
        auto known = advances_.constFind(ch.unicode());
        if (known == advances_.constEnd())
            known = advances_.insert(ch.unicode(), largestMetrics_.horizontalAdvance(ch));
        width += *known;
    }
    return width * AdvanceMarginRatio + AdvanceMarginPixels <= room.size.width();
}

bool TextFit::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Resize:
    case QEvent::StyleChange:
        refit();
        break;
    case QEvent::Show:
        // A widget that no host places fits once it is seen.
        placed_ = true;
        refit();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
