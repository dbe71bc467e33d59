#pragma once

#include "core/event.h"

#include <QWidget>

#include <optional>

// The handle between the design and the tape. Dragged, it asks for the tape
// to be as much wider as the pointer moved towards the design since the
// press (narrower the other way), which the window then makes room for; the
// window's own layout never moves the handle under the pointer, so the ask
// is measured from where the drag began.
class TapeSplitter : public QWidget
{
public:
    explicit TapeSplitter(QWidget *parent = nullptr);

    // A drag begins: the tape's width now is where it is measured from.
    Event pressed;
    // Pixels the tape should grow by since the press.
    BasicEvent<int> dragged;
    // The drag is over: the width may be kept.
    Event released;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    std::optional<qreal> pressedAt_;
};
