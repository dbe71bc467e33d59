#include "app/appicon.h"

#include <QImageReader>
#include <QPixmap>

QIcon calculatorIcon()
{
    QIcon icon;
    for (const char *path : {":/icons/roman-calculator.png", ":/icons/roman-calculator-48.png"}) {
        // Naming the format spares Qt from loading every image plugin to
        // guess it, which is a noticeable share of start-up.
        QImageReader reader(QString::fromLatin1(path), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}
