// The tape in the window: its copies and entries taken back, the keys typed
// into it and its focus mark, its long entries, its file shared by windows,
// Undo after clearing and deleting, export and print. The file's troubles
// are tst_tapefile's.

#include "window.h"

#include "app/tape/tapeexport.h"
#include "app/tape/tapefile.h"

#include <QDir>
#include <QPrinter>
#include <QProcess>
#include <QStyleFactory>
#include <memory>

namespace {

// The rows of an RFC 4180 table, each with its fields joined by "|".
QStringList csvRows(const QString &csv)
{
    QStringList rows, fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < csv.size(); ++i) {
        const QStringView next = QStringView(csv).mid(i, 2);
        if (quoted && next == u"\"\"") {
            field += u'"';
            ++i;
        } else if (next[0] == u'"') {
            quoted = !quoted;
        } else if (!quoted && next[0] == u',') {
            fields << std::exchange(field, {});
        } else if (!quoted && next == u"\r\n") {
            rows << (fields << std::exchange(field, {})).join('|');
            fields.clear();
            ++i;
        } else {
            field += next[0];
        }
    }
    return rows;
}

// The tape's entries by their decimal lines.
QString decimals(const std::deque<TapeEntry> &entries)
{
    QStringList lines;
    for (const TapeEntry &entry : entries)
        lines << entry.decimal;
    return lines.join(", ");
}

} // namespace

class TestTape : public WindowTest
{
    Q_OBJECT

private slots:
    // What the tape's copies put on the clipboard ("old" when nothing), and
    // its entries taken back into the calculation with Enter.
    void tapeCopyAndReuse_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char *input, const char *clipboard, const char *shown) {
            QTest::newRow(input) << QString(input) << QString(clipboard) << QString(shown);
        };
        const char *both = "1 + 1 = 2\nI + I = II\n\n2 × 3 = 6\nII × III = VI";
        row("1+1=2*3={CopyWholeTape}", both, "6|VI||6");
        row("1+1=2*3={Tape}{Ctrl+A}{Ctrl+C}", both, "6|VI||6");
        row("1+1=2*3={Tape}{Home}{Ctrl+C}", "1 + 1 = 2\nI + I = II", "6|VI||6");
        row("1+1=2*3={Tape}{Home}{CopyResultRoman}", "II", "6|VI||6");
        row("9/4={CopyResultDecimal}", "2.25", "2.25|II||2.25"); // the newest by default
        row("9/4={CopyResultRoman}", "old", "2.25|II||2.25");    // II would read back as 2
        row("1e308*10={CopyResultRoman}", "old", "|||inf");      // a failure has no result
        row("1+1={ClearTape}{CopyWholeTape}", "old", "2|II||2");
        row("1+1={Tape}{Escape}", "old", "0| - - - - - -||0"); // all clear from the tape too
        // Enter on an entry types its result, a numeral where it reads back the same.
        row("2+3=7={Tape}{Home}{Return}*2=", "old", "10|X||10");
        row("9/4={Tape}{Home}{Return}", "old", "2.25|II|2.25|2.25");
        row("3-10={Tape}{Home}{Return}*2=", "old", "-14|(XIV)||-14");
    }
    void tapeCopyAndReuse()
    {
        QFETCH(QString, input);
        recordErrors();
        QGuiApplication::clipboard()->setText("old");
        Window w;
        w.enter(input);
        QTEST(QGuiApplication::clipboard()->text(), "clipboard");
        QTEST(w.shown(), "shown");
    }

    // The tape keeps only the keys that move through it, copy and take an
    // entry back, a readout those that select and copy: what is typed there
    // at full speed goes to the type-in box, and so does the keyboard. Where
    // the keyboard is afterwards.
    void keysInTheTape_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char *input, const char *focus, const char *shown) {
            QTest::newRow(input) << QString(input) << QString(focus) << QString(shown);
        };
        row("1+1={Tape}2+3=", "Text1", "5|V||5");
        row("1+1={Tape} 2.5*2=", "Text1", "5|V||5");
        row("1+1={Tape}xiv+", "Text1", "14|XIV||14");
        row("[7]{Tape}{Ctrl+V}", "Text1", "77|LXXVII|77|0");
        row("1+1={Tape}{Escape}", "Text1", "0| - - - - - -||0");
        row("1+1=2+2={Tab}{Tab}", "Tape", "4|IV||4");
        row("1+1=2+2={Tab}{Tab}{Return}", "Text1", "4|IV|IV|4"); // the newest, not the oldest
        row("1+1=2+2={Tape}{Up}{Return}", "Text1", "4|IV|IV|4");
        row("1+1=2+2={Tape}{Up}{Up}{Return}", "Text1", "2|II|II|4");
        // A readout keeps the keys that select and copy; typing goes on in the box.
        row("1+1={RomanValue}2+3=", "Text1", "5|V||5");
        row("12={ArabVal}{Ctrl+A}{Left}", "ArabVal", "12|XII||12");
        row("12={ArabVal}{Escape}", "Text1", "0| - - - - - -||0");
    }
    void keysInTheTape()
    {
        QFETCH(QString, input);
        recordErrors();
        Window w;
        w.enter(input);
        QTEST(QApplication::focusWidget()->objectName(), "focus");
        QTEST(w.shown(), "shown");
    }

    // The entry that has the keyboard is marked, with nothing selected, in
    // each style.
    void tapeMarksTheFocusedEntry_data()
    {
        QTest::addColumn<QString>("style");
        for (const char *style : {"Fusion", "Windows"})
            QTest::newRow(style) << QString(style);
    }
    void tapeMarksTheFocusedEntry()
    {
        QFETCH(QString, style);
        Window w;
        w.enter("1+1=2+2=");
        TapePanel *tape = w.calvaran.tapePanel();
        std::unique_ptr<QStyle> drawn(QStyleFactory::create(style));
        tape->setStyle(drawn.get());
        tape->selectionModel()->setCurrentIndex(
            tape->model()->index(0, 0), QItemSelectionModel::NoUpdate);
        tape->setFocus();
        const QImage focused = tape->viewport()->grab().toImage();
        w.text1()->setFocus();
        QVERIFY(focused != tape->viewport()->grab().toImage());
        tape->setStyle(nullptr);
    }

    // Every entry is drawn at the tape's font size: a long one in the narrow
    // column keeps its result, and any note after it, in sight, the middle
    // of the calculation giving way; a result wider than the column goes on
    // over further lines, and an error is named in a few words.
    void tapeShowsEveryResult_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<qreal>("factor");
        QTest::addColumn<int>("width"); // the tape's, in pixels; 0: as the window has it
        QTest::addColumn<QStringList>("results");
        QTest::addColumn<int>("lines");
        QString sum = "1";
        for (int i = 2; i <= 16; ++i)
            sum += QString("+%1").arg(i);
        for (const qreal factor : {1.0, 2.0}) {
            QTest::addRow("dividend at %g", factor)
                << "10/0=" << factor << 0
                << QStringList {" = 10; ÷ 0 keeps the dividend", " = X; ÷ 0 keeps the dividend"}
                << 2;
            QTest::addRow("sum at %g", factor)
                << sum + "=" << factor << 0 << QStringList {" = 136", " = CXXXVI"} << 2;
        }
        QTest::newRow("error") << "1e308*10=" << 1.0 << 0
                               << QStringList {" = Arithmetic error", " = Arithmetic error"} << 2;
        QTest::newRow("error, narrow")
            << "1e308*10=" << 1.0 << 100
            << QStringList {"= Arithmetic error", " = Arithmetic error"} << 4;
        QTest::newRow("long result")
            << "1e20/3=" << 1.0 << 70 << QStringList {"= 3.33333333333333E+19", " = ∅"} << 5;
    }
    void tapeShowsEveryResult()
    {
        QFETCH(QString, input);
        QFETCH(qreal, factor);
        QFETCH(int, width);
        QFETCH(QStringList, results);
        recordErrors();
        Window w;
        w.calvaran.resize(w.calvaran.size() * factor);
        w.enter(input);
        TapePanel *tape = w.calvaran.tapePanel();
        if (width > 0)
            tape->resize(width, tape->height());
        const TapeEntry &entry = tape->entries().back();
        const QModelIndex newest = tape->model()->index(tape->model()->rowCount() - 1, 0);
        QCOMPARE(newest.data(Qt::ToolTipRole).toString(), entry.decimal + "\n" + entry.roman);
        const QStringList shown = tape->shownLines(newest.row());
        QTEST(int(shown.size()), "lines");
        tape->doItemsLayout();
        QVERIFY(tape->visualRect(newest).height()
            >= shown.size() * QFontMetrics(tape->font()).height());
        for (const QString &line : shown)
            QVERIFY2(
                QFontMetrics(tape->font()).horizontalAdvance(line) <= tape->viewport()->width(),
                qPrintable(line));
        // The results whole, each as one text over the lines it takes.
        const QString drawn = shown.join(QString()).replace(QChar::Nbsp, u' ');
        QVERIFY2(
            drawn.contains(results[0]) && drawn.endsWith(results[1].trimmed()), qPrintable(drawn));
        // On one line, shortened exactly where the whole line would not fit.
        const bool fits = QFontMetrics(tape->font()).horizontalAdvance(entry.decimal)
            <= tape->viewport()->width();
        if (shown.size() == 2)
            QCOMPARE(shown[0].contains(u'\u2026'), !fits && !results[0].contains("error"));
    }

    // The saved tape: what the file held, the windows' inputs ("|" passes to
    // the other of two windows open at once), what the first window said and
    // kept, and what a window opened afterwards shows; entries by their
    // decimal lines.
    void tapeFile_data()
    {
        QTest::addColumn<QByteArray>("saved"); // "-": a folder that cannot be made
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<QString>("told");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("reopened");
        const auto row = [](const char *name, const QByteArray &saved, const char *inputs,
                             const char *told, const QString &kept, const QString &reopened) {
            QTest::newRow(name) << saved << QString(inputs) << QString(told) << kept << reopened;
        };
        const QByteArray header = "roman-calculator-tape\t1\n";
        const QString note = "5 ÷ 0 = 5; ÷ 0 keeps the dividend";
        row("restart", "", "5/0=", "", note, note);
        row("two windows in turn", "", "1+1=|2+2=|3+3=", "", "1 + 1 = 2, 3 + 3 = 6",
            "1 + 1 = 2, 2 + 2 = 4, 3 + 3 = 6");
        row("torn last line", header + "2\t1 + 1 = 2\tI + I = II\n7\t7 =", "2+2=", "",
            "1 + 1 = 2, 2 + 2 = 4", "1 + 1 = 2, 2 + 2 = 4");
        const QString full = QStringList(999, "1 = 1").join(", ") + ", 1 + 1 = 2";
        row("the newest thousand", header + QByteArray("1\t1 = 1\tI = I\n").repeated(2000),
            "1+1=", "", full, full);
        for (const auto &[name, unread] : {std::pair {"damaged", header + "14\tno Roman\n"},
                 {"a torn escape", header + "14\t14\tXIV\\\n"},
                 {"newer", "roman-calculator-tape\t2\n"}, {"not ours", "<html>\n"}})
            row(name, unread, "1+1=|2+2=|3+3=", "could not be read", "1 + 1 = 2, 3 + 3 = 6",
                "1 + 1 = 2, 2 + 2 = 4, 3 + 3 = 6");
        row("unwritable", "-", "1+1=|2+2=|3+3=", "cannot be saved", "1 + 1 = 2, 3 + 3 = 6", "");
    }
    void tapeFile()
    {
        QFETCH(QByteArray, saved);
        QFETCH(QString, inputs);
        QFETCH(QString, told);
        QTemporaryDir home;
        const bool unwritable = saved == "-";
        QFile file(home.filePath(unwritable ? "file" : "tape.txt"));
        if (!saved.isEmpty())
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(saved) == saved.size());
        file.close();
        // Below a file no folder can be made, not even by root.
        const QString folder = home.filePath(unwritable ? "file/tape" : "");
        Window first(folder), second(folder);
        QStringList statuses {first.status()};
        const QStringList parts = inputs.split('|');
        for (qsizetype i = 0; i < parts.size(); ++i) {
            (i % 2 ? second : first).enter(parts[i]);
            QCoreApplication::processEvents();
            if (i % 2 == 0)
                statuses << first.status();
        }
        // A file set aside is news once; entries that cannot be saved say so each time.
        QCOMPARE(statuses.filter(told).size(),
            told.isEmpty()               ? statuses.size()
                : told.contains("saved") ? statuses.size() - 1
                                         : 1);
        QTEST(decimals(first.calvaran.tapePanel()->entries()), "kept");
        // What could not be read is kept as it was, under another name.
        const QStringList aside = QDir(home.path()).entryList({"tape-unreadable*"});
        QCOMPARE(aside.size(), told.contains("read") ? 1 : 0);
        for (const QString &name : aside) {
            QFile kept(home.filePath(name));
            QVERIFY(kept.open(QIODevice::ReadOnly));
            QCOMPARE(kept.readAll(), saved);
        }
        QFETCH(QString, reopened);
        QCOMPARE(decimals(Window(folder).calvaran.tapePanel()->entries()), reopened);
        // The file holds what a new window shows, cut back now and then.
        if (file.open(QIODevice::ReadOnly) && !unwritable)
            QCOMPARE(file.readAll().count('\n'), reopened.count(", ") + 2);
    }

    // Clearing and deleting lose nothing to a slip: Undo brings the entries
    // back where they were, the file follows, and a clear is also kept
    // beside it. After "1+1=2+2=3+3=", entries by their decimal lines.
    void tapeUndo_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("cleared");
        const QString all = "1 + 1 = 2, 2 + 2 = 4, 3 + 3 = 6", last2 = "2 + 2 = 4, 3 + 3 = 6";
        const auto row = [](const char *input, const QString &kept, const QString &cleared) {
            QTest::newRow(input) << QString(input) << kept << cleared;
        };
        row("{ClearTape}", "", all);
        row("{ClearTape}{Ctrl+Z}", all, all); // from the type-in box
        row("{ClearTape}4+4={UndoTape}", all + ", 4 + 4 = 8", all);
        row("{Tape}{Home}{Delete}", last2, "");
        row("{Tape}{End}{DeleteEntry}4+4=", "1 + 1 = 2, 2 + 2 = 4, 4 + 4 = 8", "");
        row("{Tape}{Home}{Delete}{Down}{Delete}{Ctrl+Z}", last2, "");
        row("{Tape}{Home}{Delete}{Down}{Delete}{Ctrl+Z}{Ctrl+Z}", all, "");
        row("{Tape}{Ctrl+A}{Delete}5+5={Ctrl+Z}", all + ", 5 + 5 = 10", "");
        row("{Tape}{Home}{Delete}{ClearTape}{Ctrl+Z}", last2, last2);
        row("{ClearTape}{ClearTape}", "", all); // an empty tape's clear keeps the last one
        row("{Tape}{Ctrl+Z}", all, "");         // nothing to bring back
    }
    void tapeUndo()
    {
        QFETCH(QString, input);
        QTemporaryDir folder;
        {
            Window w(folder.path());
            w.enter("1+1=2+2=3+3=" + input);
            QCoreApplication::processEvents();
            QTEST(decimals(w.calvaran.tapePanel()->entries()), "kept");
            // What was taken says how to bring it back.
            if (input.endsWith("ClearTape}")
                || input.contains(QRegularExpression("Delete(Entry)?}$")))
                QVERIFY2(w.status().contains("Ctrl+Z brings"), qPrintable(w.status()));
        }
        QTEST(decimals(TapeFile(folder.path()).load()), "kept");
        // The cleared entries are a tape of their own, which a person can put back.
        QTemporaryDir aside;
        QFile::copy(folder.filePath("tape-cleared.txt"), aside.filePath("tape.txt"));
        QTEST(decimals(TapeFile(aside.path()).load()), "cleared");
    }

    // The tape leaves the calculator as a CSV table that reads back text for
    // text, as plain text, or on paper, where every entry's text is printed;
    // a file that cannot be written is said so, and nothing else changes.
    void tapeExportAndPrint()
    {
        QTemporaryDir folder;
        Window w;
        for (const TapeEntry &entry :
            std::initializer_list<TapeEntry> {{"2 + 3 = 5", "II + III = V", 5},
                {"1E+308 × 10 = Arithmetic error: a, \"b\"", "Roman overflow × X = ,",
                    std::nullopt},
                {"line\r\nbreak", "X\u0305I\u0305\"", 0.1 + 0.2}})
            w.calvaran.tapePanel()->add(entry);
        QVERIFY(w.calvaran.tapePanel()->exportTo(folder.filePath("tape.csv")));
        QVERIFY(w.status().contains("Exported 3 entries"));
        QFile csv(folder.filePath("tape.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QCOMPARE(csvRows(QString::fromUtf8(csv.readAll())),
            QStringList({"result|decimal|roman", "5|2 + 3 = 5|II + III = V",
                "|1E+308 × 10 = Arithmetic error: a, \"b\"|Roman overflow × X = ,",
                "0.30000000000000004|line\r\nbreak|X\u0305I\u0305\""}));
        QVERIFY(w.calvaran.tapePanel()->exportTo(folder.filePath("tape.txt")));
        QFile text(folder.filePath("tape.txt"));
        QVERIFY(text.open(QIODevice::ReadOnly));
        QVERIFY(text.readAll().startsWith("2 + 3 = 5\nII + III = V\n\n1E+308"));
        QVERIFY(!w.calvaran.tapePanel()->exportTo(folder.filePath("none/tape.csv")));
        QVERIFY(w.status().contains("could not be exported"));

        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.filePath("tape.pdf"));
        std::vector<const TapeEntry *> entries;
        const std::vector<TapeEntry> many(60, {"12 + 30 = 42", "XII + XXX = XLII", 42});
        for (const TapeEntry &entry : many)
            entries.push_back(&entry);
        const TapeEntry last {"6 × 7 = 42", "VI × VII = XLII", 42};
        entries.push_back(&last);
        printTape(printer, entries, QDateTime({2026, 12, 7}, {21, 45}));
        QProcess reader;
        reader.start("pdftotext", {"-layout", folder.filePath("tape.pdf"), "-"});
        QVERIFY(reader.waitForFinished());
        const QString printed = QString::fromUtf8(reader.readAllStandardOutput());
        QCOMPARE(printed.count("12 + 30 = 42"), 60);
        QCOMPARE(printed.count("XII + XXX = XLII"), 60);
        QVERIFY(printed.contains("6 × 7 = 42") && printed.contains("VI × VII = XLII"));
        QVERIFY(printed.contains("December 7, 2026"));
        QVERIFY(printed.count('\f') > 1); // on more than one page
    }
};

QTEST_MAIN(TestTape)
#include "tst_tape.moc"
