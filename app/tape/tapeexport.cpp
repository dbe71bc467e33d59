#include "app/tape/tapeexport.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>

#include <limits>

namespace {

QByteArray csvField(const QString &text)
{
    QByteArray field = text.toUtf8();
    if (!field.contains(',') && !field.contains('"') && !field.contains('\n')
        && !field.contains('\r'))
        return field;
    return '"' + field.replace('"', "\"\"") + '"';
}

} // namespace

QString tapeText(const std::vector<const TapeEntry *> &entries)
{
    QStringList texts;
    for (const TapeEntry *entry : entries)
        texts << entry->decimal + u'\n' + entry->roman;
    return texts.join(QStringLiteral("\n\n"));
}

QByteArray tapeCsv(const std::vector<const TapeEntry *> &entries)
{
    // The heading names the columns for programs, so it is not translated.
    QByteArray csv = "result,decimal,roman\r\n";
    for (const TapeEntry *entry : entries) {
        // The shortest text that reads back as the same number.
        const QString result = entry->result
            ? QString::number(*entry->result, 'g', QLocale::FloatingPointShortest)
            : QString();
        csv += csvField(result) + ',' + csvField(entry->decimal) + ',' + csvField(entry->roman)
            + "\r\n";
    }
    return csv;
}

void printTape(
    QPrinter &printer, const std::vector<const TapeEntry *> &entries, const QDateTime &when)
{
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("Sans Serif"), 10));
    QTextCursor cursor(&document);
    QTextCharFormat heading;
    heading.setFontWeight(QFont::Bold);
    cursor.insertText(QCoreApplication::translate("Calvaran", "Roman Numeral Calculator"), heading);
    QTextBlockFormat spaced;
    spaced.setTopMargin(8);
    cursor.insertBlock(spaced);
    cursor.insertText(QCoreApplication::translate(
        "TapeExport", "Tape, printed %1", "%1 is the date and time of printing")
                          .arg(QLocale().toString(when, QLocale::LongFormat)));
    // Each entry its two lines, with room between entries as on a paper tape.
    for (const TapeEntry *entry : entries) {
        cursor.insertBlock(spaced, QTextCharFormat());
        cursor.insertText(entry->decimal);
        cursor.insertBlock(QTextBlockFormat());
        cursor.insertText(entry->roman);
    }
    document.print(&printer);
}
