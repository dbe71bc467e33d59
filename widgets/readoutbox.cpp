#include "widgets/readoutbox.h"

#include "widgets/readoutaccessible.h"
#include "widgets/vinculum.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

namespace {

// What QLineEdit keeps free between its contents rectangle and its text.
constexpr int HorizontalMargin = 2;
constexpr int VerticalMargin = 1;

QString withShortcut(const QString &caption, QKeySequence::StandardKey key)
{
    const QKeySequence sequence(key);
    return sequence.isEmpty()
        ? caption
        : caption + QLatin1Char('\t') + sequence.toString(QKeySequence::NativeText);
}

} // namespace

ReadoutBox::ReadoutBox(QWidget *parent)
    : QWidget(parent)
{
    installReadoutAccessible();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setCursor(Qt::IBeamCursor);
    setBackgroundRole(QPalette::Base);
}

void ReadoutBox::setText(const QString &text)
{
    if (text == text_)
        return;
    const QString before = std::exchange(text_, text);
    layout_.reset();
    anchor_ = cursor_ = int(text_.size());
    update();
    if (QAccessible::isActive()) {
        QAccessibleTextUpdateEvent changed(this, 0, before, text_);
        QAccessible::updateAccessibility(&changed);
        QAccessibleTextCursorEvent moved(this, cursor_);
        QAccessible::updateAccessibility(&moved);
    }
    emit textChanged(text_);
}

void ReadoutBox::setFrame(bool frame)
{
    frame_ = frame;
    update();
}

QString ReadoutBox::selectedText() const
{
    return text_.mid(selectionStart(), selectionEnd() - selectionStart());
}

void ReadoutBox::select(int anchor, int cursor)
{
    const int size = int(text_.size());
    anchor = std::clamp(anchor, 0, size);
    cursor = std::clamp(cursor, 0, size);
    if (anchor == anchor_ && cursor == cursor_)
        return;
    const int start = selectionStart(), end = selectionEnd();
    anchor_ = anchor;
    cursor_ = cursor;
    update();
    if (!QAccessible::isActive())
        return;
    // A screen reader reads the character at the caret when it moves, and
    // the selection when that changes.
    if (selectionStart() != start || selectionEnd() != end) {
        QAccessibleTextSelectionEvent selected(this, selectionStart(), selectionEnd());
        selected.setCursorPosition(cursor_);
        QAccessible::updateAccessibility(&selected);
    } else {
        QAccessibleTextCursorEvent moved(this, cursor_);
        QAccessible::updateAccessibility(&moved);
    }
}

void ReadoutBox::offerSelection() const
{
    // Where the system has a selection to paste with the middle button.
    QClipboard *clipboard = QApplication::clipboard();
    if (clipboard->supportsSelection() && hasSelectedText())
        clipboard->setText(selectedText(), QClipboard::Selection);
}

void ReadoutBox::selectAll()
{
    select(0, int(text_.size()));
}

void ReadoutBox::copy() const
{
    if (hasSelectedText())
        QApplication::clipboard()->setText(selectedText());
}

void ReadoutBox::initStyleOption(QStyleOptionFrame *option) const
{
    option->initFrom(this);
    option->rect = contentsRect();
    option->lineWidth
        = frame_ ? style()->pixelMetric(QStyle::PM_DefaultFrameWidth, option, this) : 0;
    option->midLineWidth = 0;
    option->state |= QStyle::State_Sunken | QStyle::State_ReadOnly;
    option->features = QStyleOptionFrame::None;
}

QRect ReadoutBox::textRect() const
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    return style()
        ->subElementRect(QStyle::SE_LineEditContents, &option, this)
        .adjusted(HorizontalMargin, VerticalMargin, -HorizontalMargin, -VerticalMargin);
}

const QTextLayout &ReadoutBox::laidOut() const
{
    if (!layout_) {
        layout_.emplace(text_, font(), this);
        QTextOption option;
        // As a line edit: by the text, so that "-12" keeps its sign in front
        // in a right-to-left window.
        option.setTextDirection(text_.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
        option.setFlags(QTextOption::IncludeTrailingSpaces);
        layout_->setTextOption(option);
        layout_->setCacheEnabled(true);
        layout_->beginLayout();
        layout_->createLine();
        layout_->endLayout();
    }
    return *layout_;
}

// Centred as a line edit centres its text, with room for the cursor.
QPointF ReadoutBox::textOrigin() const
{
    const QRect room = textRect();
    const int width = qRound(laidOut().lineAt(0).naturalTextWidth()) + 1;
    const int height = QFontMetrics(font()).height();
    return QPointF(
        room.x() + (room.width() - width) / 2, room.y() + (room.height() - height + 1) / 2);
}

QRect ReadoutBox::characterRect(int offset) const
{
    const QTextLine line = laidOut().lineAt(0);
    const QPointF origin = textOrigin();
    const qreal left = line.cursorToX(offset);
    const qreal right = line.cursorToX(std::min(offset + 1, int(text_.size())));
    return QRectF(origin.x() + left, origin.y(), right - left, line.height()).toAlignedRect();
}

int ReadoutBox::offsetAt(QPointF point) const
{
    return laidOut().lineAt(0).xToCursor(point.x() - textOrigin().x());
}

QSize ReadoutBox::sizeHint() const
{
    const QFontMetrics metrics(font());
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QSize text(metrics.horizontalAdvance(QLatin1Char('x')) * 17 + 2 * HorizontalMargin,
        metrics.height() + 2 * VerticalMargin);
    return style()->sizeFromContents(QStyle::CT_LineEdit, &option, text, this);
}

QSize ReadoutBox::minimumSizeHint() const
{
    return {};
}

bool ReadoutBox::event(QEvent *event)
{
    // Keys the box uses are not the window's shortcuts while it has the focus.
    if (event->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(event);
        bool selecting = false;
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::SelectAll)
            || movedCursor(key, &selecting) >= 0) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

void ReadoutBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOptionFrame option;
    initStyleOption(&option);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
    painter.setClipRect(textRect());
    painter.setPen(palette().color(QPalette::Text));
    QList<QTextLayout::FormatRange> selection;
    if (hasSelectedText()) {
        QTextLayout::FormatRange range;
        range.start = selectionStart();
        range.length = selectionEnd() - selectionStart();
        range.format.setBackground(palette().brush(QPalette::Highlight));
        range.format.setForeground(palette().brush(QPalette::HighlightedText));
        selection << range;
    }
    const QPointF origin = textOrigin();
    drawWithVinculum(painter, laidOut(), origin, selection);
    // A steady cursor shows where the keyboard is, frame or not.
    if (hasFocus())
        laidOut().drawCursor(&painter, origin, cursor_);
}

int ReadoutBox::movedCursor(const QKeyEvent *event, bool *selecting) const
{
    const int end = int(text_.size());
    const auto step = [this](bool forward, QTextLayout::CursorMode mode) {
        return forward ? laidOut().nextCursorPosition(cursor_, mode)
                       : laidOut().previousCursorPosition(cursor_, mode);
    };
    using Key = QKeySequence::StandardKey;
    const std::pair<Key, Key> keys[] = {
        {QKeySequence::MoveToNextChar, QKeySequence::SelectNextChar},
        {QKeySequence::MoveToPreviousChar, QKeySequence::SelectPreviousChar},
        {QKeySequence::MoveToNextWord, QKeySequence::SelectNextWord},
        {QKeySequence::MoveToPreviousWord, QKeySequence::SelectPreviousWord},
        {QKeySequence::MoveToStartOfLine, QKeySequence::SelectStartOfLine},
        {QKeySequence::MoveToEndOfLine, QKeySequence::SelectEndOfLine},
    };
    for (std::size_t i = 0; i < std::size(keys); ++i) {
        const bool moves = event->matches(keys[i].first);
        if (!moves && !event->matches(keys[i].second))
            continue;
        *selecting = !moves;
        switch (i) {
        case 0:
        case 1:
            return step(i == 0, QTextLayout::SkipCharacters);
        case 2:
        case 3:
            return step(i == 2, QTextLayout::SkipWords);
        case 4:
            return 0;
        default:
            return end;
        }
    }
    return -1;
}

void ReadoutBox::keyPressEvent(QKeyEvent *event)
{
    bool selecting = false;
    if (event->matches(QKeySequence::Copy))
        copy();
    else if (event->matches(QKeySequence::SelectAll))
        selectAll();
    else if (const int moved = movedCursor(event, &selecting); moved >= 0)
        select(selecting ? anchor_ : moved, moved);
    else
        return event->ignore(); // typing and Escape go on to the window
    offerSelection();
}

void ReadoutBox::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    // A third click soon after a double click, where it was, keeps all
    // selected, as in any text box.
    const bool third = doubleClicked_.isValid()
        && doubleClicked_.elapsed() < QApplication::doubleClickInterval()
        && (event->position() - doubleClickedAt_).manhattanLength()
            < QApplication::startDragDistance();
    doubleClicked_.invalidate();
    if (third)
        return selectAll();
    const int at = offsetAt(event->position());
    select(event->modifiers() & Qt::ShiftModifier ? anchor_ : at, at);
}

void ReadoutBox::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        select(anchor_, offsetAt(event->position()));
}

void ReadoutBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        offerSelection();
}

void ReadoutBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    // A readout holds one number: all of it is the word.
    if (event->button() != Qt::LeftButton)
        return;
    selectAll();
    doubleClicked_.start();
    doubleClickedAt_ = event->position();
}

void ReadoutBox::contextMenuEvent(QContextMenuEvent *event)
{
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction *copy = menu->addAction(
        withShortcut(tr("&Copy", "copies what is selected in a readout"), QKeySequence::Copy), this,
        &ReadoutBox::copy);
    copy->setObjectName(QStringLiteral("edit-copy"));
    copy->setEnabled(hasSelectedText());
    menu->addSeparator();
    QAction *all = menu->addAction(
        withShortcut(tr("Select &All"), QKeySequence::SelectAll), this, &ReadoutBox::selectAll);
    all->setObjectName(QStringLiteral("select-all"));
    all->setEnabled(!text_.isEmpty());
    menu->popup(event->globalPos());
}

void ReadoutBox::focusInEvent(QFocusEvent *event)
{
    // As a line edit does: reached by Tab, the whole text is ready to copy.
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason
        || reason == Qt::ShortcutFocusReason)
        selectAll();
    update();
    QWidget::focusInEvent(event);
}

void ReadoutBox::focusOutEvent(QFocusEvent *event)
{
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
        select(cursor_, cursor_);
    update();
    QWidget::focusOutEvent(event);
}

void ReadoutBox::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        layout_.reset();
    QWidget::changeEvent(event);
}
