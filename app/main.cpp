#include "app/buildinfo.h"
#include "app/calvaran.h"
#include "app/languages.h"
#include "app/messagebox.h"
#include "app/windowsize.h"
#include "core/errors.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>

#include <cstring>

namespace {

void nameApplication()
{
    QApplication::setApplicationName(QStringLiteral("roman-calculator"));
    QApplication::setApplicationVersion(QStringLiteral(ROMAN_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(ROMAN_APP_ID));
}

// Runs in either kind of application as soon as it exists, before the
// program shows any text of its own: from here on every text is in the
// person's language.
void prepare(QCommandLineParser &parser)
{
    installTranslations(QLocale::system());
    // The window's title in the same words: a title bar that adds the
    // program's name then does not name it twice.
    QApplication::setApplicationDisplayName(
        QCoreApplication::translate("Calvaran", "Roman Numeral Calculator"));
    parser.setApplicationDescription(QCoreApplication::translate("main",
        "A calculator for Roman, decimal and hexadecimal numerals, evaluated from left to right."));
    parser.addHelpOption();
    parser.addVersionOption();
}

bool asksForText(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        for (const char *option : {"-h", "-?", "--help", "-v", "--version"}) {
            if (std::strcmp(argv[i], option) == 0)
                return true;
        }
    }
    return false;
}

// Prints the help or the version and exits, from a core application: text on
// a terminal needs no window system, so these work over ssh and in scripts.
// Qt's own options (-platform and the like) are not known here and are let
// pass, as the window system's application would take them.
void answerWithText(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    prepare(parser);
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp();
}

} // namespace

int main(int argc, char *argv[])
{
    nameApplication();
    if (asksForText(argc, argv))
        answerWithText(argc, argv);

    QApplication app(argc, argv);
    QCommandLineParser parser;
    prepare(parser);
    parser.process(app);

    // The application font stays the desktop's: the window reads its size to
    // open at the person's font size, and dialogs speak in it.
    setErrorReporter(showErrorMessage);

    Calvaran window;
    rememberWindowSize(&window);
    window.show();
    return QApplication::exec();
}
