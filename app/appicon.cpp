#include "app/appicon.h"

#include <QImageReader>
#include <QPixmap>

QIcon calculatorIcon()
{
    // Every size the desktop asks for, drawn for it, up to 256 pixels, so the
    // icon stays sharp on a high-density screen too.
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        // Naming the format spares Qt from loading every image plugin to
        // guess it, which is a noticeable share of start-up.
        QImageReader reader(QStringLiteral(":/icons/roman-calculator-%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}
