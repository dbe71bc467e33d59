#include "app/calvaran.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("roman-calculator"));
    QApplication::setApplicationDisplayName(QStringLiteral("Roman Numeral Calculator"));
    QApplication::setDesktopFileName(QStringLiteral("roman-calculator"));

    Calvaran window;
    window.show();
    return QApplication::exec();
}
