#include "app/calvaran.h"
#include "app/messagebox.h"
#include "core/errors.h"
#include "widgets/fonts.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("roman-calculator"));
    QApplication::setApplicationDisplayName(QStringLiteral("Roman Numeral Calculator"));
    QApplication::setDesktopFileName(QStringLiteral("roman-calculator"));
    // The whole program speaks in the window's design font, so Qt never loads
    // its own default face only to replace it in every widget.
    QApplication::setFont(designFont(QStringLiteral("MS Sans Serif"), 8.25));

    setErrorReporter(showErrorMessage);

    Calvaran window;
    window.show();
    return QApplication::exec();
}
