#include "app/tape/tapesplitter.h"

#include "core/errors.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>

#include <cmath>

TapeSplitter::TapeSplitter(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("TapeSplitter"));
    setCursor(Qt::SplitHCursor);
    // The keyboard has no use for it: the window's size and F9 serve there.
    setFocusPolicy(Qt::NoFocus);
}

void TapeSplitter::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    option.state |= QStyle::State_Horizontal;
    style()->drawControl(QStyle::CE_Splitter, &option, &painter, this);
}

void TapeSplitter::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    // In the screen's coordinates, which the window's resizing leaves alone.
    pressedAt_ = event->globalPosition().x();
    guarded([&] { pressed.raise(); });
}

void TapeSplitter::mouseMoveEvent(QMouseEvent *event)
{
    if (!pressedAt_)
        return QWidget::mouseMoveEvent(event);
    const int growth = int(std::lround(*pressedAt_ - event->globalPosition().x()));
    guarded([&] { dragged.raise(growth); });
}

void TapeSplitter::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !std::exchange(pressedAt_, std::nullopt))
        return QWidget::mouseReleaseEvent(event);
    guarded([&] { released.raise(); });
}
