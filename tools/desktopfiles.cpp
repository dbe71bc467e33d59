// Writes the desktop entry and the AppStream metadata in every language the
// program speaks, from their English files and the program's own compiled
// translations, so that one update of the .ts files covers the window, the
// application menu and the software centre alike:
//
//     roman-calculator-desktopfiles DESKTOP-IN DESKTOP-OUT METAINFO-IN METAINFO-OUT QM...
//
// Each .qm file is named roman-calculator_<language>.qm. Every text of the
// English files that a person reads must be in the table below; a text that
// is not fails the build, so that the two never drift apart.

#include "core/romannumeral.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

struct Text
{
    const char *context;
    const char *source;
    // What fills the text's %1 and %2, from the numerals' own limits, so that
    // no file promises other numbers than the program writes; 0 for none.
    double numbers[2] = {};
};

constexpr Text Texts[] = {
    // The title the window has.
    {"Calvaran", QT_TRANSLATE_NOOP("Calvaran", "Roman Numeral Calculator")},
    //: The kind of program, as an application menu lists it.
    {"DesktopEntry", QT_TRANSLATE_NOOP("DesktopEntry", "Calculator")},
    //: The one-line summary in the application menu and the software centre.
    {"DesktopEntry",
        QT_TRANSLATE_NOOP(
            "DesktopEntry", "Calculate with Roman, decimal and hexadecimal numerals")},
    //: Words the application menu's search finds the program by, each ended by a
    //: semicolon; the English words may stay as well.
    {"DesktopEntry",
        QT_TRANSLATE_NOOP(
            "DesktopEntry", "roman;numeral;calculator;decimal;hexadecimal;arithmetic;")},
    //: A search word of the software centre.
    {"DesktopEntry", QT_TRANSLATE_NOOP("DesktopEntry", "Roman numeral")},
    //: A search word of the software centre.
    {"DesktopEntry", QT_TRANSLATE_NOOP("DesktopEntry", "calculator")},
    //: A search word of the software centre.
    {"DesktopEntry", QT_TRANSLATE_NOOP("DesktopEntry", "hexadecimal")},
    //: The software centre's description of the program.
    {"DesktopEntry",
        QT_TRANSLATE_NOOP("DesktopEntry",
            "A small desktop calculator for Roman numerals. Type numbers as decimal numerals, "
            "as Roman numerals in either case, or as hexadecimal numbers after the prefix 0X, "
            "and combine them with + - * / and parentheses by typing or by clicking the keypad. "
            "Every number you enter and every result shows at once as a decimal numeral and as "
            "a Roman numeral.")},
    {"DesktopEntry",
        QT_TRANSLATE_NOOP("DesktopEntry",
            "Strictly from left to right: 2 + 3 * 4 gives 20, and parentheses group the rest")},
    //: %1 is the largest number written as a Roman numeral.
    {"DesktopEntry",
        QT_TRANSLATE_NOOP(
            "DesktopEntry", "Roman numerals up to %1, negative numbers in parentheses"),
        {RomanLimit - 1}},
    //: %1 and %2 are the first and the last number written with bars; the bars
    //: are combining overlines (U+0305).
    // The literal ends after the last bar: lupdate would read the C after it
    // as a fifth digit of the escape.
    {"DesktopEntry",
        QT_TRANSLATE_NOOP("DesktopEntry",
            "Large numbers with bars, a choice in the right-click menu: %1 to %2 "
            "with a bar over the thousands, 12345 as X\u0305I\u0305I\u0305"
            "CCCXLV"),
        {VinculumStart, VinculumLimit - 1}},
    //: The numerals stay as they are: S is a half, each dot (U+00B7) a twelfth.
    {"DesktopEntry",
        QT_TRANSLATE_NOOP("DesktopEntry",
            "Fractions in twelfths, another choice: 1.5 as IS, 2.25 as II\u00b7\u00b7\u00b7")},
    {"DesktopEntry",
        QT_TRANSLATE_NOOP("DesktopEntry",
            "Roman numerals read leniently, IIII as 4, with a hint at the standard form")},
    //: The numerals are the Unicode characters U+216B, U+2173 and U+2180.
    {"DesktopEntry",
        QT_TRANSLATE_NOOP("DesktopEntry",
            "Unicode Roman numerals read too: \u216b as 12, \u2173 as 4, \u2180 as 1000")},
    {"DesktopEntry",
        QT_TRANSLATE_NOOP("DesktopEntry",
            "A status line that explains every entry it refuses and shows the pending operation")},
    {"DesktopEntry",
        QT_TRANSLATE_NOOP("DesktopEntry",
            "A tape (F9) that keeps every calculation in both numeral forms, saved in your data "
            "folder, to copy and to reuse")},
    {"DesktopEntry",
        QT_TRANSLATE_NOOP("DesktopEntry",
            "Whole calculations pasted at once, several lines as several calculations")},
    //: "roman-calculator --eval" is a command and stays as it is.
    {"DesktopEntry",
        QT_TRANSLATE_NOOP("DesktopEntry",
            "roman-calculator --eval calculates without a window, from the command line or "
            "standard input, and prints each result in decimal and Roman")},
    {"DesktopEntry",
        QT_TRANSLATE_NOOP("DesktopEntry",
            "Help on F1 with the keys, the forms of a number and what may surprise")},
    {"DesktopEntry",
        QT_TRANSLATE_NOOP("DesktopEntry",
            "Scales with the window and with the desktop's font, and remembers its size")},
    {"DesktopEntry",
        QT_TRANSLATE_NOOP(
            "DesktopEntry", "Translated into German, French, Italian, Spanish and Latin")},
    //: The caption of a picture of the window in the software centre.
    {"DesktopEntry",
        QT_TRANSLATE_NOOP("DesktopEntry",
            "The calculator at twice its size, after 8888 + ic: IC reads as 101, standard form "
            "CI")},
    //: The caption of a picture of the help window in the software centre.
    {"DesktopEntry",
        QT_TRANSLATE_NOOP("DesktopEntry",
            "The help on F1: the keys, the forms of a number and what may surprise a new user")},
};

[[noreturn]] void fail(const QString &message)
{
    std::fprintf(stderr, "roman-calculator-desktopfiles: %s\n", qPrintable(message));
    std::exit(1);
}

struct Language
{
    QString code;
    std::unique_ptr<QTranslator> translator;
};

// A text with its numbers in plain digits, as the program's own texts write
// them in every language: locales disagree on grouping a number of four digits.
QString withNumbers(QString sentence, const Text &text)
{
    for (const double number : text.numbers) {
        if (number != 0)
            sentence = sentence.arg(qlonglong(number));
    }
    return sentence;
}

// The translation of an English text of the files, or "" where the language
// lacks one (the English text then stands).
QString translated(const Language &language, const QString &english)
{
    for (const Text &text : Texts) {
        // The table's texts are UTF-8: some have Roman numerals beyond ASCII.
        if (english != withNumbers(QString::fromUtf8(text.source), text))
            continue;
        const QString translation = language.translator->translate(text.context, text.source);
        return translation.isEmpty() ? translation : withNumbers(translation, text);
    }
    fail(QStringLiteral("\"%1\" is not among the translated texts in %2").arg(english, __FILE__));
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("cannot read %1").arg(path));
    return file.readAll();
}

void writeAll(const QString &path, const QByteArray &data)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
        fail(QStringLiteral("cannot write %1").arg(path));
}

// Each translatable key's line is followed by the same key for each language.
QByteArray desktopEntry(const QByteArray &english, const std::vector<Language> &languages)
{
    static const QStringList keys = {QStringLiteral("Name"), QStringLiteral("GenericName"),
        QStringLiteral("Comment"), QStringLiteral("Keywords")};
    QString out;
    for (const QString &line : QString::fromUtf8(english).split(QLatin1Char('\n'))) {
        if (!out.isEmpty() || !line.isEmpty())
            out += line + QLatin1Char('\n');
        const QString key = line.section(QLatin1Char('='), 0, 0);
        if (!keys.contains(key))
            continue;
        const QString text = line.section(QLatin1Char('='), 1);
        for (const Language &language : languages) {
            const QString translation = translated(language, text);
            if (!translation.isEmpty() && translation != text)
                out += QStringLiteral("%1[%2]=%3\n").arg(key, language.code, translation);
        }
    }
    return out.trimmed().toUtf8() + '\n';
}

// Each element a person reads is followed by its translations, marked with
// xml:lang, as AppStream wants them; the release notes stay English.
QByteArray metainfo(const QByteArray &english, const std::vector<Language> &languages)
{
    static const QStringList translatable
        = {QStringLiteral("name"), QStringLiteral("summary"), QStringLiteral("p"),
            QStringLiteral("li"), QStringLiteral("caption"), QStringLiteral("keyword")};
    QByteArray out;
    QXmlStreamReader reader(english);
    QXmlStreamWriter writer(&out);
    writer.setAutoFormatting(true);
    writer.setAutoFormattingIndent(2);
    int inReleases = 0;
    int inDeveloper = 0;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartDocument:
            writer.writeStartDocument();
            break;
        case QXmlStreamReader::Comment:
            writer.writeComment(reader.text().toString());
            break;
        case QXmlStreamReader::StartElement: {
            const QString name = reader.name().toString();
            inReleases += name == QLatin1String("releases");
            inDeveloper += name == QLatin1String("developer");
            if (!translatable.contains(name) || inReleases || inDeveloper) {
                writer.writeStartElement(name);
                writer.writeAttributes(reader.attributes());
                break;
            }
            const QXmlStreamAttributes attributes = reader.attributes();
            const QString text = reader.readElementText().simplified();
            writer.writeStartElement(name);
            writer.writeAttributes(attributes);
            writer.writeCharacters(text);
            writer.writeEndElement();
            for (const Language &language : languages) {
                const QString translation = translated(language, text);
                if (translation.isEmpty() || translation == text)
                    continue;
                writer.writeStartElement(name);
                writer.writeAttributes(attributes);
                writer.writeAttribute(QStringLiteral("xml:lang"), language.code);
                writer.writeCharacters(translation);
                writer.writeEndElement();
            }
            break;
        }
        case QXmlStreamReader::EndElement:
            inReleases -= reader.name() == QLatin1String("releases");
            inDeveloper -= reader.name() == QLatin1String("developer");
            writer.writeEndElement();
            break;
        case QXmlStreamReader::Characters:
            if (!reader.isWhitespace())
                writer.writeCharacters(reader.text().toString().simplified());
            break;
        default:
            break;
        }
    }
    if (reader.hasError())
        fail(QStringLiteral("line %1: %2").arg(reader.lineNumber()).arg(reader.errorString()));
    writer.writeEndDocument();
    return out;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 5)
        fail(QStringLiteral(
            "usage: DESKTOP-IN DESKTOP-OUT METAINFO-IN METAINFO-OUT roman-calculator_LANG.qm..."));
    std::vector<Language> languages;
    for (const QString &qm : arguments.mid(5)) {
        Language language {QFileInfo(qm).completeBaseName().section(QLatin1Char('_'), 1),
            std::make_unique<QTranslator>()};
        if (language.code.isEmpty() || !language.translator->load(qm))
            fail(QStringLiteral("cannot load %1").arg(qm));
        languages.push_back(std::move(language));
    }
    writeAll(arguments[2], desktopEntry(readAll(arguments[1]), languages));
    writeAll(arguments[4], metainfo(readAll(arguments[3]), languages));
    return 0;
}
