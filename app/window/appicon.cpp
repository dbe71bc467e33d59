#include "app/window/appicon.h"

#include <QImageReader>
#include <QPixmap>

QIcon calculatorIcon()
{
    // The sizes a title bar, a task bar and a window switcher draw, each
    // drawn for its size. Larger ones would cost start-up for nothing: the
    // X11 back end hands every size to the window manager as the window
    // appears, and a launcher takes the installed hicolor icons instead.
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64}) {
        // Naming the format spares Qt from loading every image plugin to
        // guess it, which is a noticeable share of start-up.
        QImageReader reader(QStringLiteral(":/icons/roman-calculator-%1.bmp").arg(size), "bmp");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}
