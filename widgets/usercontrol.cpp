#include "widgets/usercontrol.h"

#include "core/errors.h"
#include "widgets/twips.h"

#include <QResizeEvent>

UserControl::UserControl(QWidget *parent)
    : QWidget(parent)
{ }

void UserControl::setTwipsGeometry(int left, int top, int width, int height)
{
    const bool resized = width != twips_.width() || height != twips_.height();
    twips_ = QRect(left, top, width, height);
    setGeometry(
        twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
    if (resized)
        layoutChildren();
}

void UserControl::cover(QWidget *child) const
{
    moveTwips(child, 0, 0, twips_.width(), twips_.height());
}

void UserControl::initTwipsSize(int width, int height)
{
    setTwipsGeometry(0, 0, width, height);
}

void UserControl::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // Qt also resizes us when the window is shown or a person resizes a top
    // level component. Sizes that our twips already map to are no change:
    // some layouts reset state and must not run again just because a window
    // appeared.
    const QSize pixels = event->size();
    if (pixels == QSize(twipsToPixels(twips_.width()), twipsToPixels(twips_.height())))
        return;
    twips_.setSize(QSize(pixels.width() * TwipsPerPixel, pixels.height() * TwipsPerPixel));
    guarded([this] { layoutChildren(); });
}

void chainTabOrder(const QList<QWidget *> &widgets)
{
    for (qsizetype i = 1; i < widgets.size(); ++i)
        QWidget::setTabOrder(widgets[i - 1], widgets[i]);
}
