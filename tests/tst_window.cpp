// The window around the calculation: the status line and Copy, the numeral
// choices in the menu, the keyboard and the screen reader, the help's keys.

#include "window.h"

#include "app/help/helpwindow.h"
#include "core/numeralparse.h"

#include <QFile>
#include <QFrame>
#include <QShortcut>
#include <QTimer>

class TestWindow : public WindowTest
{
    Q_OBJECT

private slots:
    // What the status line says; "*" before it: the box carries the mark and
    // speaks the same sentence. Copy's confirmation names the clipboard.
    void statusLine_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("status");
        const auto row = [](const char *input, const QString &status) {
            QTest::newRow(input) << QString(input) << status;
        };
        row("MMXXA+", "*\"MMXXA\" is not a number or a Roman numeral; \"+\" was not used");
        row("MMXXA+1", "*\"MMXXA\" is not a number or a Roman numeral; \"+1\" was not used");
        row("VV{Return}", "*\"VV\" is not a number or a Roman numeral; \"=\" was not used");
        row("MMMMMMMMMMMMMMMMA", "*\"MMMMMMMMMMMMMMM\u2026\" is not a number or a Roman numeral");
        row("VV{Backspace}", "");
        row("MMXXA+{Escape}", "");
        row("IC", "IC reads as 101 (standard form CI)");
        row("iiii", "IIII reads as 4 (standard form IV)");
        row("xiv", "");
        row("(", "1 parenthesis open");
        row("((20+", "20 +  \u00b7  2 parentheses open");
        row("(((((((((((", "10 parentheses open  \u00b7  the outermost one was dropped");
        row("{Copy}", ""); // nothing to copy: the clipboard keeps what it had
        row("xiv{Copy}", "Copied \"xiv\"");
        row("MCM+99={Copy}", "Copied \"MCMXCIX\""); // an empty box copies the result
        row("9000+1={Copy}", "Copied \"9001\"");
        row("MCM+99={Ctrl+C}", "Copied \"MCMXCIX\""); // the copy key with nothing selected
        row("1e400+",
            "*\"1e400\" is too large for the calculator; the largest number is "
            "1.79769313486232E+308; \"+\" was not used");
        row("1,5",
            "*\"1,5\" is not a number or a Roman numeral; the decimal separator here is \".\"");
        row("0x1g", "0x1g reads as 1; reading stopped at \"g\"");
        // What the calculator did other than what was typed.
        row("5+*", "5 * waits for a number; * replaced +");
        row("2*(3+4=", "\"=\" closed 1 open parenthesis first");
        row("2.5", "2.5 is shown as II, rounded (Fractions in twelfths writes IIS)");
        row("0.4", "0.4 rounds to no Roman numeral and is shown as zero");
        row("8999.5", "8999.5 rounds to a number beyond Roman numerals");
        row("5+ ", "5 +"); // a blank where an entry starts is no mistake
        row("[1+VV+3=]",
            "*\"VV\" is not a number or a Roman numeral; the paste stopped there, "
            "and \"+3=\" was not entered");
        row("[10\n20\n30\n]", "3 lines calculated"); // each line a calculation
        row("[XII + IX = XXI\nXII + IX = XX\n]",
            "2 lines calculated; line 2: written XX, calculated XXI"); // checked, not entered again
        row("[5\n1+VV\n7]",
            "*1 line calculated; line 2: \"VV\" is not a number or a Roman numeral; the paste "
            "stopped there, and \"7\" was not entered"); // never a line break on the line
        row("9/4={Copy}", "Copied \"2.25\"");            // II would read back as 2
        row("3-10={Copy}", "Copied \"-7\"");             // (VII) would read back as 7
        row("2+-", "2 +");                               // a sign on its way is no mistake
        row("[\u216B]", "\u216B reads as 12 (standard form XII)"); // Ⅻ
        row("IIS", "IIS reads as 2.5");
        row("[ci\u2184]", "CI\u2183 reads as 1000 (standard form M)");
        row("[\u012A]", "\u012A reads as 1000 (standard form M)"); // Ī
        row("nulla", "NULLA reads as 0");
        row("10/(4-4)=", "Dividing by zero keeps the dividend: 10");
        row("(2+3)", "(\u2026) = 5, waiting for the next operation");
        row("9r", "Cleared; an operation key now starts from 9, a number typed first replaces it");
        row("9{Escape}", "");
    }
    void statusLine()
    {
        QFETCH(QString, input);
        QFETCH(QString, status);
        QGuiApplication::clipboard()->setText("old");
        Window w;
        w.enter(input);
        const bool marked = status.startsWith('*');
        status.remove(0, marked ? 1 : 0);
        QCOMPARE(w.status(), status);
        QCOMPARE(w.marked(), marked);
        QCOMPARE(w.text1()->accessibleDescription(), marked ? status : QString());
        QCOMPARE(spoken(w.child("StatusLine")), status.isEmpty() ? "Status line" : status);
        // Copy confirms what it put on the clipboard; else the clipboard keeps its text.
        if (!input.contains('['))
            QCOMPARE(QGuiApplication::clipboard()->text(),
                status.startsWith("Copied") ? status.section('"', 1, 1) : "old");
    }

    // The choices of numeral forms, as the person makes them in the menu: what
    // the readout, the status line, Copy and the tape write, and the choice
    // kept for the next window.
    void numeralChoices_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("roman"); // the readout, then the status line
        QTest::newRow("bars")
            << "LargeNumbers"
            << "12345+0={Copy}"
            << "X\u0305I\u0305I\u0305CCCXLV|Copied \"X\u0305I\u0305I\u0305CCCXLV\"";
        QTest::newRow("twelfths") << "Fractions"
                                  << "5/2={Copy}"
                                  << "IIS|Copied \"IIS\"";
        QTest::newRow("rounded") << "Fractions"
                                 << "2.3"
                                 << "II\u00b7\u00b7\u00b7\u00b7|2.3 is shown as "
                                    "II\u00b7\u00b7\u00b7\u00b7, rounded to twelfths";
        QTest::newRow("below a twelfth")
            << "Fractions"
            << "1/25="
            << " - - - - - -|0.04 rounds to no Roman numeral and is shown as zero";
        QTest::newRow("strict") << "StrictNumerals"
                                << "XIV+IC"
                                << "XIV|IC is not a standard numeral: CI is 101, XCIX is 99";
    }
    void numeralChoices()
    {
        QFETCH(QString, choice);
        QFETCH(QString, input);
        const auto chosen
            = [&](const Window &w) { return w.calvaran.findChild<QAction *>(choice); };
        {
            Window w;
            chosen(w)->trigger();
        }
        Window w;
        const auto off = qScopeGuard([&] { chosen(w)->trigger(); });
        QVERIFY(chosen(w)->isChecked());
        w.enter(input);
        const QString shown = w.calvaran.findChild<QLineEdit *>("RomanValue")->text();
        QTEST(shown + '|' + w.status(), "roman");
        // What was copied reads back as the value on show.
        if (input.endsWith("{Copy}")) {
            QCOMPARE(
                readEntry(QGuiApplication::clipboard()->text()), w.calvaran.calculation().shown());
            QVERIFY(w.tape().constLast().endsWith(" = " + shown)); // the tape writes it too
        }
    }

    void keyboardAndScreenReader()
    {
        Window w;
        QCOMPARE(w.shown(), "0| - - - - - -||0");
        QCOMPARE(w.calvaran.windowIcon().availableSizes().size(), 6); // 16 to 64 pixels
        w.calvaran.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.calvaran));
        QCOMPARE(QApplication::focusWidget(), w.text1()); // ready for typing
        w.enter("5+2");
        QTest::keyClick(&w.calvaran, '-', Qt::AltModifier); // the trickiest caption, "-&--"
        QCOMPARE(w.shown(), "7|VII||7");
        QTest::keyClick(&w.calvaran, 'r', Qt::AltModifier);
        QCOMPARE(w.shown(), "0| - - - - - -||0");
        w.enter("2+3");
        QTest::keyClick(w.text1(), Qt::Key_Enter, Qt::KeypadModifier); // finishes as "=" does
        QCOMPARE(w.shown(), "5|V||5");
        w.enter("12{Add}"); // a click leaves the focus where the typing goes on
        QTest::keyClicks(QApplication::focusWidget(), "30");
        w.enter("{Equals}");
        QCOMPARE(w.shown(), "42|XLII||42");
        // The tape by its name, and its entries in both forms.
        QAccessibleInterface *tape = QAccessible::queryAccessibleInterface(w.child("Tape"));
        QCOMPARE(tape->text(QAccessible::Name), "Tape");
        QCOMPARE(tape->child(tape->childCount() - 1)->text(QAccessible::Name),
            "12 + 30 = 42\nXII + XXX = XLII");
        QStringList order;
        for (QWidget *widget = w.child("Clear"); order.size() < 12;
             widget = widget->nextInFocusChain())
            if (widget->focusPolicy() & Qt::TabFocus)
                order << widget->objectName();
        QCOMPARE(order.join(' '),
            "Clear Equals RParen LParen Mult Subt Div Add ArabVal RomanValue Text1 Command1");
        for (QWidget *widget : w.calvaran.findChildren<QWidget *>()) // labels are frames
            if (qobject_cast<QFrame *>(widget) || widget->focusPolicy() != Qt::NoFocus)
                QVERIFY2(!spoken(widget).isEmpty(), qPrintable(widget->objectName()));
        QCOMPARE(spoken(w.child("Clear")), "Clear");
        // Access keys are underlined only while Alt is held, not to be misread.
        const auto underlined = [&] {
            return w.child("Add")->style()->styleHint(
                QStyle::SH_UnderlineShortcut, nullptr, w.child("Add"));
        };
        QTest::keyPress(w.text1(), Qt::Key_Alt, Qt::AltModifier);
        QCOMPARE(underlined(), 1);
        QTest::keyRelease(w.text1(), Qt::Key_Alt);
        QCOMPARE(underlined(), 0);
    }

    // Every key the window itself takes, by its own handler or a shortcut, is
    // named in the help; F1 opens it, and Escape closes it and nothing more.
    void helpNamesEveryKey()
    {
        Window w;
        w.calvaran.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.calvaran));
        w.enter("12+3");
        QTest::keyClick(w.text1(), Qt::Key_F1);
        const auto *help = w.calvaran.findChild<HelpWindow *>();
        QVERIFY(help && help->isVisible());
        QTest::keyClick(help->findChild<QWidget *>("HelpText"), Qt::Key_Escape);
        QVERIFY(!help->isVisible());
        QCOMPARE(w.shown(), "3|III|3|12");
        QVERIFY(w.child("Add")->toolTip().contains("F1"));
        QList<QKeySequence> taken;
        for (const QShortcut *shortcut : w.calvaran.findChildren<QShortcut *>())
            taken << shortcut->keys();
        for (const QAction *action : w.calvaran.findChildren<QAction *>())
            taken << action->shortcuts();
        for (const QPushButton *button : w.calvaran.findChildren<QPushButton *>())
            taken << button->shortcut();
        // The print dialog Ctrl+P opens is closed as soon as it shows.
        QTimer closer;
        closer.callOnTimeout([] {
            if (QWidget *dialog = QApplication::activeModalWidget())
                dialog->close();
        });
        closer.start(0);
        QList<int> keys; // Shift+Tab arrives as Tab with Shift
        for (int key = Qt::Key_Escape; key <= Qt::Key_F12; ++key)
            keys << key;
        for (int key = '!'; key <= '~'; ++key)
            keys << key;
        for (const int key : std::as_const(keys)) {
            for (const auto modifier :
                {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier}) {
                QKeyEvent press(QEvent::KeyPress, key, modifier);
                if (key != Qt::Key_Backtab && QApplication::sendEvent(&w.calvaran, &press)
                    && press.isAccepted())
                    taken << QKeySequence(QKeyCombination(modifier, Qt::Key(key)));
            }
        }
        // The manual page and the README name them too (the access keys as
        // a rule of their own), so that the three never drift apart.
        const auto text = [](const char *path) {
            QFile file(QString::fromUtf8(path));
            return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
        };
        const QString manual = text(ROMAN_MANUAL_PAGE).remove(u'\\');
        const QString readme = text(ROMAN_README);
        for (const QKeySequence &key : std::as_const(taken)) {
            const QString name = key.toString(QKeySequence::NativeText);
            QVERIFY2(key.isEmpty() || help->text().contains(name), qPrintable(name));
            const QString written
                = key.toString().replace("Esc", "Escape").replace("Return", "Enter");
            if (!key.isEmpty() && !(key[0].keyboardModifiers() & Qt::AltModifier)) {
                QVERIFY2(manual.contains(written), qPrintable("manual page: " + written));
                QVERIFY2(readme.contains(written), qPrintable("README: " + written));
            }
        }
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
