#include "widgets/twips.h"

#include "widgets/usercontrol.h"

#include <QVariant>
#include <QWidget>

#include <cmath>

namespace {
constexpr const char *TwipsProperty = "twipsGeometry";
}

int twipsToPixels(int twips)
{
    return static_cast<int>(std::lround(twips / double(TwipsPerPixel)));
}

void moveTwips(QWidget *widget, int left, int top, int width, int height)
{
    if (auto *control = dynamic_cast<UserControl *>(widget)) {
        control->setTwipsGeometry(left, top, width, height);
        return;
    }
    widget->setProperty(TwipsProperty, QRect(left, top, width, height));
    widget->setGeometry(
        twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

QRect twipsGeometry(const QWidget *widget)
{
    if (auto *control = dynamic_cast<const UserControl *>(widget))
        return control->twipsGeometry();
    const QVariant stored = widget->property(TwipsProperty);
    if (stored.isValid())
        return stored.toRect();
    const QRect pixels = widget->geometry();
    return {pixels.x() * TwipsPerPixel, pixels.y() * TwipsPerPixel, pixels.width() * TwipsPerPixel,
        pixels.height() * TwipsPerPixel};
}
