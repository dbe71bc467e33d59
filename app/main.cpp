#include "app/buildinfo.h"
#include "app/commandline.h"
#include "app/evaluate.h"
#include "app/languages.h"
#include "app/settings.h"
#include "app/window/calvaran.h"
#include "app/window/windowsize.h"
#include "core/errors.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QStandardPaths>

#include <cstdio>

int main(int argc, char *argv[])
{
    reopenClosedStandardStreams();
    QApplication::setApplicationName(QStringLiteral("roman-calculator"));
    QApplication::setApplicationVersion(QStringLiteral(ROMAN_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(ROMAN_APP_ID));
    // Text on a terminal needs no window system: the help, the version and
    // --eval work over ssh and in scripts.
    if (const std::optional<int> status = answerWithoutWindow(argc, argv))
        return *status;

    QApplication app(argc, argv);
    installTranslations(QLocale::system());
    // The window's title in the same words: a title bar that adds the
    // program's name then does not name it twice. The application font stays
    // the desktop's: the window reads its size to open at the person's font
    // size, and dialogs speak in it.
    QApplication::setApplicationDisplayName(
        QCoreApplication::translate("Calvaran", "Roman Numeral Calculator"));

    Calvaran window(tapeInMemoryOnly(argc, argv)
            ? QString()
            : QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    // Errors show on the window's status line, never in a box that would
    // stop the person, or open inside a resize.
    setErrorReporter([&window](const RuntimeError &error) { window.showError(error); });
    window.useNumeralFormsForThisRun(askedRomanForms(argc, argv));
    rememberWindowSize(&window);
    window.show();
    const int status = QApplication::exec();
    setErrorReporter({});
    // The window is gone: the lock is waited for a moment, and no longer.
    if (!saveSettings(500))
        std::fprintf(stderr, "%s\n",
            qPrintable(QCoreApplication::translate(
                "Settings", "roman-calculator: your settings could not be saved in %1")
                           .arg(QDir::toNativeSeparators(QStandardPaths::writableLocation(
                               QStandardPaths::GenericConfigLocation)))));
    return status;
}
