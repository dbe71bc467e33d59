#include "app/commandline.h"

#include "app/evaluate.h"
#include "app/languages.h"
#include "core/romannumeral.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

// The options every Qt window-system application takes, with whether a value
// follows; QApplication removes them from the arguments before we parse.
struct WindowOption
{
    const char *name;
    bool takesValue;
};

constexpr WindowOption WindowOptions[] = {{"platform", true}, {"platformpluginpath", true},
    {"platformtheme", true}, {"plugin", true}, {"qwindowgeometry", true}, {"qwindowicon", true},
    {"qwindowtitle", true}, {"reverse", false}, {"session", true}, {"display", true},
    {"geometry", true}, {"style", true}, {"stylesheet", true}, {"widgetcount", false},
    {"nograb", false}, {"dograb", false}, {"sync", false}, {"title", true}, {"name", true}};

const WindowOption *windowOption(const char *argument)
{
    const char *name = argument + (std::strncmp(argument, "--", 2) == 0 ? 2 : 1);
    if (argument[0] != '-')
        return nullptr;
    for (const WindowOption &option : WindowOptions) {
        const std::size_t length = std::strlen(option.name);
        if (std::strncmp(name, option.name, length) == 0
            && (name[length] == 0 || (option.takesValue && name[length] == '=')))
            return &option;
    }
    return nullptr;
}

struct Arguments
{
    // Without the window-system options.
    QStringList own;
    // The window-system option whose value is missing, if any.
    QString missingValue;
    bool platformNamed = false;
};

Arguments arguments(int argc, char *argv[])
{
    Arguments arguments {{QString::fromLocal8Bit(argv[0])}, {}, false};
    for (int i = 1; i < argc; ++i) {
        const WindowOption *option = windowOption(argv[i]);
        if (!option) {
            arguments.own << QString::fromLocal8Bit(argv[i]);
            continue;
        }
        arguments.platformNamed = arguments.platformNamed || option == &WindowOptions[0];
        if (option->takesValue && !std::strchr(argv[i], '=') && ++i == argc)
            arguments.missingValue = QString::fromLocal8Bit(argv[i - 1]);
    }
    return arguments;
}

QCommandLineOption evalOption()
{
    return {QStringLiteral("eval"),
        QCoreApplication::translate("main",
            "Calculates <expression> as if typed into the window and prints the result, "
            "decimal and Roman, separated by a tab. With -, reads one calculation a line "
            "from standard input."),
        QCoreApplication::translate("main", "expression")};
}

const QString NoHistory = QStringLiteral("no-history");
const QString Vinculum = QStringLiteral("vinculum");
const QString Twelfths = QStringLiteral("twelfths");
const QString Strict = QStringLiteral("strict");
const QString Explain = QStringLiteral("explain");

// The options the window takes as well; with only these it opens at once.
bool isWindowChoice(const QString &argument)
{
    for (const QString &name : {NoHistory, Vinculum, Twelfths, Strict}) {
        if (argument == QStringLiteral("--") + name)
            return true;
    }
    return false;
}

bool given(int argc, char *argv[], const QString &name)
{
    for (int i = 1; i < argc; ++i) {
        if (QString::fromLocal8Bit(argv[i]) == QStringLiteral("--") + name)
            return true;
    }
    return false;
}

void describe(QCommandLineParser &parser)
{
    //: The start of --help: what the program does. Lines of at most 79 characters.
    parser.setApplicationDescription(QCoreApplication::translate("main",
        "A calculator for Roman, decimal and hexadecimal numerals, from left to right.\n"
        "Its window shows each number as a decimal and a Roman numeral, keeps a tape\n"
        "of every calculation (F9) and calculates pasted text line by line; its\n"
        "right-click menu offers large numbers with bars and fractions in twelfths.\n"
        "--eval calculates without a window and prints decimal<TAB>Roman per line."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(evalOption());
    parser.addOption({NoHistory,
        QCoreApplication::translate(
            "main", "Keeps the tape of calculations in memory only: nothing is read or saved.")});
    parser.addOption({Vinculum,
        withVinculumRange(QCoreApplication::translate("main",
            "Writes numbers from %1 to %2 with a bar over the thousands, for this run: "
            "12345 is X̅I̅I̅CCCXLV."))});
    parser.addOption({Twelfths,
        QCoreApplication::translate("main",
            "Writes fractions in Roman twelfths, for this run: 1.5 is IS, 2.25 is "
            "II···.")});
    parser.addOption({Strict,
        QCoreApplication::translate("main",
            "Reads Roman numerals only as the calculator writes them, for this run: IC is "
            "refused, and the standard numerals near it are named.")});
    parser.addOption({Explain,
        QCoreApplication::translate("main",
            "With --eval, adds a third field to each line: how the Roman numeral is built, "
            "MCMXCIX = M + CM + XC + IX = 1000 + 900 + 90 + 9.")});
}

} // namespace

std::optional<int> answerWithoutWindow(int argc, char *argv[])
{
    const Arguments given = arguments(argc, argv);
    // Where a window system can be reached, the window needs none of what
    // follows: it starts without a second application. Without one, Qt
    // would abort.
    const bool displayed = given.platformNamed || qEnvironmentVariableIsSet("QT_QPA_PLATFORM")
        || qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    const bool onlyWindowChoices
        = std::all_of(given.own.cbegin() + 1, given.own.cend(), isWindowChoice);
    if (onlyWindowChoices && given.missingValue.isEmpty() && displayed)
        return std::nullopt;
    QCoreApplication app(argc, argv);
    installTranslations(QLocale::system());
    QCommandLineParser parser;
    describe(parser);
    const auto refuse = [](const QString &why) {
        std::fprintf(stderr, "%s: %s\n%s\n", qPrintable(QCoreApplication::applicationName()),
            qPrintable(why),
            qPrintable(QCoreApplication::translate("main", "Try --help for the options.")));
        return 2;
    };
    if (!given.missingValue.isEmpty())
        return refuse(QCoreApplication::translate("main", "Missing value after '%1'.")
                          .arg(given.missingValue));
    if (!parser.parse(given.own))
        return refuse(parser.errorText());
    if (parser.isSet(QStringLiteral("help-all")) || parser.isSet(QStringLiteral("help")))
        parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    if (!parser.positionalArguments().isEmpty())
        return refuse(QCoreApplication::translate("main", "Unexpected argument '%1'.")
                          .arg(parser.positionalArguments().constFirst()));
    if (parser.isSet(Explain) && !parser.isSet(QStringLiteral("eval")))
        return refuse(QCoreApplication::translate("main", "--explain goes with --eval."));
    setRomanForms(askedRomanForms(argc, argv));
    if (parser.isSet(QStringLiteral("eval"))) {
        const QString expression = parser.value(QStringLiteral("eval"));
        const bool explain = parser.isSet(Explain);
        if (expression == u"-")
            return evaluateLines(stdin, stdout, stderr, explain);
        return evaluateLine(expression, stdout, stderr, explain);
    }
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
        qPrintable(QCoreApplication::translate(
            "main", "There is no display to open the window on; --eval calculates without one.")));
    return 1;
}

bool tapeInMemoryOnly(int argc, char *argv[])
{
    return given(argc, argv, NoHistory);
}

RomanForms askedRomanForms(int argc, char *argv[])
{
    return {given(argc, argv, Vinculum), given(argc, argv, Twelfths), given(argc, argv, Strict)};
}
