// The components and the whole window on real widgets. The window is driven
// as a person drives it, keystrokes into the type-in box and clicks on the
// keypad, and read back from the readouts; each component alone covers what
// the window does not reach: the type-in pad's edits, the keypad's events and
// saved orientation, the stack's bottom level, and the layouts at any size.

#include "support.h"

#include "app/help/helpwindow.h"
#include "app/languages.h"
#include "app/settings.h"
#include "app/tape/tapeexport.h"
#include "app/tape/tapefile.h"
#include "app/tape/tapepanel.h"
#include "app/window/calvaran.h"
#include "app/window/windowsize.h"
#include "calc/parenbase.h"
#include "calc/stack.h"
#include "core/numeralparse.h"
#include "numerals/arabdisplay.h"
#include "numerals/romandisplay.h"
#include "numerals/typeinpad.h"
#include "widgets/barredlineedit.h"
#include "widgets/fonts.h"
#include "widgets/propertybag.h"
#include "widgets/twips.h"
#include "widgets/vinculum.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDirIterator>
#include <QFrame>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
#include <QSet>
#include <QShortcut>
#include <QStyle>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolTip>

#include <memory>
#include <utility>

namespace {

QRect place(const QWidget &component, const char *name)
{
    return twipsGeometry(component.findChild<QWidget *>(name));
}

// Whether a new size overflows the layout; the moves made before stay made.
bool overflows(UserControl &component, QSize size)
{
    try {
        component.setTwipsGeometry(0, 0, size.width(), size.height());
        return false;
    } catch (const OverflowError &) {
        return true;
    }
}

QString spoken(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

// Whether any caption or readout of the window cuts its text, as Qt paints
// them: a line edit keeps its frame, two pixels a side and the cursor free.
QString cutText(const QWidget &window)
{
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        const auto *box = qobject_cast<QLineEdit *>(widget);
        const auto *label = qobject_cast<QLabel *>(widget);
        const auto *button = qobject_cast<QPushButton *>(widget);
        QString text = button ? button->text() : label && !label->wordWrap() ? label->text() : "";
        if (box && box->isReadOnly()) // what a person types may scroll
            text = box->text();
        const int room = widget->width() - (box ? (box->hasFrame() ? 7 : 5) : 4);
        const QFontMetrics metrics(widget->font());
        if (!text.isEmpty()
            && (metrics.size(Qt::TextShowMnemonic, text).width() > room
                || metrics.height() > widget->height()))
            return widget->objectName() + ": " + text;
    }
    return {};
}

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

// Settings of the test's own, as a new window finds them, until the guard
// goes; then those in the folder after.
auto useSettingsIn(const QString &folder, const QString &after)
{
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder));
    forgetSettings();
    return qScopeGuard([after] {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(after));
        forgetSettings();
    });
}

struct Window
{
    explicit Window(const QString &tapeFolder = {})
        : calvaran(tapeFolder)
    {
        calvaran.show();
        // As a person waits for the window before typing; access keys reach
        // only the active window.
        calvaran.activateWindow();
        if (!QTest::qWaitForWindowActive(&calvaran))
            qWarning("the window did not become active");
    }
    QWidget *child(const char *name) const { return calvaran.findChild<QWidget *>(name); }
    QLineEdit *text1() const { return calvaran.findChild<QLineEdit *>("Text1"); }
    // What the readouts and the type-in box show, then the keypad's Acc.
    QString shown() const
    {
        QStringList shown;
        for (const char *name : {"ArabVal", "RomanValue", "Text1"})
            shown << calvaran.findChild<QLineEdit *>(name)->text();
        return (shown << QString::number(calvaran.parenBase()->acc())).join('|');
    }
    QString status() const { return calvaran.findChild<QLabel *>("StatusLine")->text(); }
    bool marked() const
    {
        const QList<QAction *> marks = text1()->actions(); // none until an entry is unreadable
        return !marks.isEmpty() && marks.constFirst()->isVisible();
    }
    // The tape's entries, each as "decimal | Roman", newest last.
    QStringList tape() const
    {
        QStringList entries;
        for (const TapeEntry &entry : calvaran.tapePanel()->entries())
            entries << entry.decimal + " | " + entry.roman;
        return entries;
    }
    // One keystroke at a time, without waiting: "{Name}" clicks that widget
    // or triggers that action, "{End}", "{Alt++}" or "{Ctrl+C}" presses
    // those keys, "[text]" pastes the text.
    void enter(const QString &input)
    {
        static const QRegularExpression token("\\{(\\w+)\\}|\\{(\\w+\\+.)\\}|\\[([^\\]]*)\\]|(.)");
        for (const auto &match : token.globalMatch(input)) {
            const QString name = match.captured(1);
            if (auto *action = calvaran.findChild<QAction *>(name); action && !name.isEmpty()) {
                action->trigger();
            } else if (match.hasCaptured(1) && child(qPrintable(name))) {
                QTest::mouseClick(child(qPrintable(name)), Qt::LeftButton);
            } else if (match.hasCaptured(1) || match.hasCaptured(2)) {
                const QKeyCombination keys = QKeySequence(name + match.captured(2))[0];
                QTest::keyClick(QApplication::focusWidget(), keys.key(), keys.keyboardModifiers());
            } else if (match.hasCaptured(3)) {
                QGuiApplication::clipboard()->setText(match.captured(3));
                text1()->paste();
            } else { // wherever this window's keyboard is at that key
                QTest::keyClicks(calvaran.focusWidget(), match.captured(4));
            }
        }
    }
    // Acc, Pend and Value, the open parentheses and the stack's top level.
    QString state() const
    {
        const ParenBase &pad = *calvaran.parenBase();
        return QString("%1 p%2 %3 (%4 %5")
            .arg(pad.acc())
            .arg(pad.pend())
            .arg(pad.value())
            .arg(calvaran.calculation().openParentheses())
            .arg(calvaran.stack()->itos());
    }
    Calvaran calvaran;
};

} // namespace

class TestWidgets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The person's settings and tape stay out of the tests.
        QVERIFY(home.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath("config")));
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath("data")));
    }
    void init()
    {
        pinLocaleAndFailOnErrors();
        // The desktop font of the design, so that the window opens at its design size.
        QApplication::setFont(designFont("MS Sans Serif", 8.25));
        installTranslations(QLocale(QLocale::English));
    }

    void calculations_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("shown"); // "arab|roman|typed|acc"
        QTest::addColumn<QString>("tape");  // the newest entry, if given
        const auto row = [](const char *input, const char *shown, const char *tape = nullptr) {
            QTest::newRow(input) << QString(input) << QString(shown) << QString(tape);
        };
        row("2+(3*4)=", "14|XIV||14", "2 + (3 × 4) = 14 | II + (III × IV) = XIV");
        row("2{Add}{LParen}3{Mult}4{RParen}{Equals}", "14|XIV||14",
            "2 + (3 × 4) = 14 | II + (III × IV) = XIV");
        row("2+3*4=", "20|XX||20", "2 + 3 = 5, × 4 = 20 | II + III = V, × IV = XX");
        row("2+3=*4=", "20|XX||20", "5 × 4 = 20 | V × IV = XX"); // from the result on show
        row("2+(3*4=", "14|XIV||14",
            "2 + (3 × 4) = 14; \"=\" closed 1 parenthesis | II + (III × IV) = XIV; \"=\" closed 1 "
            "parenthesis"); // "=" closes the parenthesis first
        row("mcmxcix+0x10=", "2015|MMXV||2015", "1999 + 16 = 2015 | MCMXCIX + XVI = MMXV");
        row("9000+1=", "9001|Roman overflow||9001", "9000 + 1 = 9001 | ∅ + I = ∅");
        row("3-10=", "-7|(VII)||-7", "3 − 10 = -7 | III − X = (VII)");
        row("9/4=", "2.25|II||2.25", "9 ÷ 4 = 2.25 | IX ÷ IV = ≈II");
        // A value without a numeral has one mark in the Roman line, never an empty operand.
        row("0.4+1=", "1.4|I||1.4", "0.4 + 1 = 1.4 | ∅ + I = ≈I");
        row("0-4.5=", "-4.5|(IV)||-4.5", "0 − 4.5 = -4.5 | ∅ − ≈IV = ≈(IV)");
        row("5/0=", "5|V||5",
            "5 ÷ 0 = 5; ÷ 0 keeps the dividend | V ÷ ∅ = V; ÷ 0 keeps the dividend");
        row("5+0=*", "5|V||5"); // the 1 that stands in for a zero divisor goes no further
        row("2+3==", "5|V||5", "5 = 5 | V = V"); // "=" makes the result the operand
        // Typed at full speed as pasted: "-" after an operation or "(" is a
        // sign, an exponent's sign stays with it, after "=" "-" subtracts.
        row("100+-50=", "50|L||50", "100 + -50 = 50 | C + (L) = L");
        row("2.5e-2*100=", "2.5|II||2.5", "0.025 × 100 = 2.5 | ∅ × C = ≈II");
        row("9r-5=", "4|IV||4");
        row("2+3=-1=", "4|IV||4", "5 − 1 = 4 | V − I = IV");
        row("0+=", "0| - - - - - -||0");
        row("5*0=+2=", "2|II||2");
        row("-(2)+5=", "3|III||3");
        // Deleting is no key: "-" left by Backspace waits as the next number's sign.
        row("10+-7\b8=", "2|II||2", "10 + -8 = 2 | X + (VIII) = II");
        row("7+r+=", "14|XIV||14", "7 + 7 = 14 | VII + VII = XIV"); // Clear keeps the operand
        row("2+(3r", "0| - - - - - -||0");
        row("7+(r5)=", "12|XII||12", "7 + 5 = 12 | VII + V = XII"); // Clear keeps the stack
        row("1+(2\x1b"
            "5)=",
            "5|V||5", "5 = 5 | V = V"); // Escape forgets it
        row("4+VV\x1b"
            "3=",
            "3|III||3"); // and empties the box, whatever it holds
        row("xiv+0xa=", "24|XXIV||24");
        row("2+3)=", "5|V||5", "(2 + 3) = 5 | (II + III) = V");
        row("2+(", "2|II||0"); // the outer calculation is set aside
        row("5+()=", "10|X||10", "5 + 5 = 10 | V + V = X");
        // Eleven open parentheses: the outermost 1 + is lost, the 2 + repeats.
        row("1+(2+(3+(4+(5+(6+(7+(8+(9+(10+(11+(12)))))))))))=", "79|LXXIX||79",
            "2 + (2 + (3 + (4 + (5 + (6 + (7 + (8 + (9 + (10 + (11 + 12)))))))))) = 79 | II + (II "
            "+ "
            "(III + (IV + (V + (VI + (VII + (VIII + (IX + (X + (XI + XII)))))))))) = LXXIX");
        // Escape is a fresh start, whatever was on the way.
        row("1e3\x1b-5=", "-5|(V)||-5");
        row("9\x1b*3=", "0| - - - - - -||0");
        row("2+(3*(4\x1b)+6=", "6|VI||6");
        row("(((((((((((\x1b)=", "0| - - - - - -||0");
        row("7+r\x1b+2=", "2|II||2");
        // A number and its key in one edit: the number goes first.
        row("[7*]6=", "42|XLII||42", "7 × 6 = 42 | VII × VI = XLII");
        row("5+[3)]=", "8|VIII||8", "(5 + 3) = 8 | (V + III) = VIII");
        // Access keys act at once, between keys typed at full speed.
        row("20{Alt+-}8{Alt+=}", "12|XII||12");
        row("3{Alt+*}(4{Alt+r}", "0| - - - - - -||0");
        // "(" right after a number multiplies, typed or clicked.
        row("2(3)=", "6|VI||6", "2 × 3 = 6 | II × III = VI");
        row("2(3+4)=", "14|XIV||14", "2 × (3 + 4) = 14 | II × (III + IV) = XIV");
        row("2{LParen}3+4{RParen}=", "14|XIV||14");
        row("2+(3)(4)=", "6|VI||6", "2 + 4 = 6 | II + IV = VI"); // nothing to multiply after ")"
        // Blanks around a numeral do not count, inside they do.
        row("[ XIV\n]+1=", "15|XV||15");
        row("[10\n20\n30\n]", "30|XXX||30", "30 = 30 | XXX = XXX");
        row("[10\r\n20+\r\n5\r\n]", "25|XXV||25", "20 + 5 = 25 | XX + V = XXV");
        row("[X IV]+", "0| - - - - - -|X IV+|0"); // the key stays after what does not read
        // The last operation key wins, typed, clicked or by access key.
        row("5+*3=", "15|XV||15", "5 × 3 = 15 | V × III = XV");
        row("5*{Backspace}+3=", "8|VIII||8");
        row("5{Alt++}{Alt+*}3{Add}{Subt}1=", "14|XIV||14");
        // Mending an entry that does not read: deleting presses no key, and
        // what the readouts show is never a number the box does not hold.
        row("7+1,5+1", "7|VII|1,5+1|7");
        row("7+1,5+1{Home}{Delete}{Delete}", "7|VII|5+1|7");
        row("7+1,5+1{Home}{Delete}{Delete}{End}=", "13|XIII||13");
    }
    void calculations()
    {
        QFETCH(QString, input);
        QFETCH(QString, tape);
        Window w;
        w.enter(input);
        QTEST(w.shown(), "shown");
        if (!tape.isNull())
            QCOMPARE(w.tape().value(w.tape().size() - 1), tape);
        // After Escape everything goes as in a window just opened.
        if (const qsizetype escape = input.lastIndexOf('\x1b'); escape >= 0) {
            Window fresh;
            fresh.enter(input.mid(escape + 1));
            QCOMPARE(w.shown() + w.state(), fresh.shown() + fresh.state());
        }
    }

    // A calculation pasted in one go, and the same entered piece by piece:
    // each entry pasted alone, each key typed.
    void pastedCalculations_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("typed");
        const auto row = [](const char *pasted, const char *typed) {
            QTest::newRow(pasted) << QString(pasted) << QString(typed);
        };
        row("2+3*4=", "2+3*4=");
        row("2+(3*4)=", "2+(3*4)=");
        row("MCMXCIX + IV =", "MCMXCIX+IV=");
        row("-5+1=", "[-5]+1=");
        row("3*-5=", "3*[-5]=");
        row("(-2)", "([-2])");
        row("5--3=", "5-[-3]=");
        row("1E-3+2=", "[1E-3]+2=");
        row("0X1E+2=", "0X1E+2=");
        row("-(2)=", "-(2)=");
        row("2(3)\t=\n", "2(3)=");
        row("12\n34\n", "[12\n34\n]");
        row("100+-50=", "100+-50=");
        row("2.5e-2*100=", "2.5e-2*100=");
        row("9r-5=", "9r-5=");
        row("2 × 3 − 1 =", "2*3-1=");
        row("10/(4-4)=", "10/(4-4)=");
        row("1+VV+3=", "1+[VV]+3=");
        row("1e308*10=+1=", "1e308*10=");
    }
    void pastedCalculations()
    {
        QFETCH(QString, pasted);
        QFETCH(QString, typed);
        recordErrors();
        Window p;
        p.enter('[' + pasted + ']');
        const std::vector<int> pasteErrors = std::exchange(reported, {});
        Window t;
        t.enter(typed);
        QCOMPARE(p.shown() + p.state(), t.shown() + t.state());
        QCOMPARE(p.tape(), t.tape());
        QCOMPARE(pasteErrors, reported);
        // The status line says the same, but where a paste stopped.
        QCOMPARE(p.status().section("; the paste", 0, 0), t.status().section(';', 0, 0));
    }

    // The strip under the Roman readout: a mark for each open parenthesis,
    // and what each waits to finish, innermost first.
    void stackStripShowsOpenParentheses()
    {
        Window w;
        const auto strip = [&] {
            return w.calvaran.stack()->findChild<QLabel *>("marks")->text() + '|'
                + w.calvaran.stack()->toolTip();
        };
        w.enter("2*(3+(");
        QCOMPARE(
            strip(), "((|2 parentheses open, innermost first, each waiting to finish: 3 +, 2 ×");
        w.enter("4)");
        QCOMPARE(strip(), "(|1 parenthesis open, waiting to finish: 2 ×");
        w.enter("=");
        QCOMPARE(strip(), "|");
    }

    void arithmeticErrorIsShownOnceAndTheCalculatorGoesOn()
    {
        Window w;
        recordErrors();
        setErrorReporter([&](const RuntimeError &error) {
            reported.push_back(error.number());
            w.calvaran.showError(error);
        });
        const QString shown = "\u26a0 Arithmetic error: the result is too large, or not a number."
                              "  \u00b7  Press r or Escape to start again";
        w.enter("1E308{Mult}10{Equals}"); // clicked and typed
        QCOMPARE(w.shown(), "|||inf");    // no number shows as if it were the result
        QCOMPARE(w.status(), shown);
        QCOMPARE(spoken(w.child("StatusLine")), shown);
        w.enter("+{Mult}"); // each key fails again, and the line stays as it is
        QCOMPARE(w.status(), shown);
        QCOMPARE(w.shown(), "|||inf");
        w.enter("5+1="); // the next number starts a new calculation
        QCOMPARE(w.shown(), "6|VI||6");
        QCOMPARE(w.status(), "");
        QCOMPARE(reported, std::vector<int>({11, 11, 11}));
        // The tape has the failure once, in the error's own words, then the sum.
        QCOMPARE(w.tape(),
            QStringList({QString("1E+308 × 10 = %1 | ∅ × X = %1").arg(shown.mid(2, 59)),
                "5 + 1 = 6 | V + I = VI"}));
    }

    // Pastes far larger than a number are entered a slice at a time: the
    // window answers in between, Escape stops the paste keeping what was
    // entered, and neither the box nor the memory grows with the text.
    void largePastes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("escape");
        QTest::addColumn<QString>("status");
        QTest::newRow("10 MB of digits")
            << QString(10'000'000, '7') << false << "too long to be a number";
        QTest::newRow("20,000 lines, stopped")
            << QString("1+1\n").repeated(20000) << true << "The paste was stopped at";
    }
    void largePastes()
    {
        QFETCH(QString, text);
        QFETCH(bool, escape);
        QFETCH(QString, status);
        Window w;
        QGuiApplication::clipboard()->setText(text);
        // The peak from here on.
        QFile peak("/proc/self/clear_refs");
        QVERIFY(peak.open(QIODevice::WriteOnly) && peak.write("5") == 1);
        peak.close();
        const auto memory = [](const char *field) {
            QFile status("/proc/self/status");
            status.open(QIODevice::ReadOnly);
            for (const QByteArray &line : status.readAll().split('\n'))
                if (line.startsWith(field))
                    return line.mid(6).trimmed().split(' ').front().toLongLong() << 10;
            return -1LL;
        };
        const qint64 before = memory("VmRSS");
        QTest::keyClick(w.text1(), Qt::Key_V, Qt::ControlModifier);
        if (escape) {
            QVERIFY(w.calvaran.pasting());
            while (w.calvaran.tapePanel()->entries().size() < 10)
                QCoreApplication::processEvents();
            QTest::keyClick(w.text1(), Qt::Key_Escape);
        }
        while (w.calvaran.pasting())
            QCoreApplication::processEvents();
        QVERIFY2(w.status().contains(status), qPrintable(w.status()));
        QVERIFY(w.text1()->text().size() < 1 << 17);
#ifndef __SANITIZE_ADDRESS__ // whose shadow memory is no paste's
        QVERIFY(memory("VmHWM") - before < 100 << 20);
#else
        Q_UNUSED(before);
#endif
        if (escape)
            QCOMPARE(w.shown(), "2|II||2");
    }

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

    // The vinculum is one unbroken bar over a run of barred letters, with
    // clear space between it and their tops, in a sans-serif font as the
    // tape's and a serif one as the readouts', small and large.
    void vinculumIsOneBarClearOfItsLetters_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("pixels");
        for (const char *family : {"DejaVu Sans", "Liberation Serif"})
            for (const int pixels : {11, 14, 40})
                QTest::addRow("%s, %d px", family, pixels) << QString(family) << pixels;
    }
    void vinculumIsOneBarClearOfItsLetters()
    {
        QFETCH(QString, family);
        QFETCH(int, pixels);
        QImage image(20 * pixels, 3 * pixels, QImage::Format_RGB32);
        image.fill(Qt::white);
        QFont font(family);
        font.setPixelSize(pixels);
        QPainter painter(&image);
        painter.setFont(font);
        drawBarredLine(painter, image.rect(), "CL\u0305X\u0305I\u0305V");
        painter.end();
        const auto inked = [&](int y, int x) { return qGray(image.pixel(x, y)) < 160; };
        const auto blank = [&](int y) {
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 250)
                    return false;
            return true;
        };
        int y = 0;
        while (y < image.height() && blank(y))
            ++y;
        // One run of ink across the barred letters, and nowhere else.
        QList<int> ends;
        for (int x = 0; x < image.width(); ++x)
            if (inked(y, x) != (x > 0 && inked(y, x - 1)))
                ends << x;
        const QFontMetrics metrics(font);
        QCOMPARE(ends.size(), 2);
        QVERIFY(qAbs(ends[0] - metrics.horizontalAdvance("C")) <= 1);
        QVERIFY(qAbs(ends[1] - ends[0] - metrics.horizontalAdvance("LXI")) <= 1);
        // Clear of the letters: the bar's few rows, then a blank one.
        const int bar = y;
        while (y < image.height() && !blank(y))
            ++y;
        QVERIFY2(y - bar <= 1 + pixels / 10, qPrintable(QString::number(y - bar)));
    }

    // A readout draws a barred numeral's letters where a line edit draws them
    // without bars: the bar above them is all it adds.
    void readoutAddsOnlyTheBar()
    {
        QLineEdit plain;
        BarredLineEdit barred;
        for (QLineEdit *box : {&plain, static_cast<QLineEdit *>(&barred)}) {
            box->setReadOnly(true);
            box->setAlignment(Qt::AlignCenter);
            box->setFont(QFont("Liberation Serif", 14));
            box->resize(200, 34);
        }
        plain.setText("CLXIV");
        barred.setText("CL\u0305X\u0305I\u0305V");
        const QImage drawn = plain.grab().toImage(), withBar = barred.grab().toImage();
        const auto differs = [&](int y) {
            for (int x = 0; x < drawn.width(); ++x)
                if (drawn.pixel(x, y) != withBar.pixel(x, y))
                    return true;
            return false;
        };
        const auto inked = [&](int y) {
            for (int x = 6; x < drawn.width() - 6; ++x)
                if (qGray(drawn.pixel(x, y)) < 128)
                    return true;
            return false;
        };
        int top = 3; // below the frame: the letters' top
        while (top < drawn.height() && !inked(top))
            ++top;
        QVERIFY(top < drawn.height());
        for (int y = top; y < drawn.height(); ++y)
            QVERIFY2(!differs(y), qPrintable(QString::number(y)));
        int bar = 0;
        while (bar < top && !differs(bar))
            ++bar;
        QVERIFY(bar < top);
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
        const auto decimals = [](const Window &w) {
            QStringList lines;
            for (const QString &entry : w.tape())
                lines << entry.section(" | ", 0, 0);
            return lines.join(", ");
        };
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
        QTEST(decimals(first), "kept");
        // What could not be read is kept as it was, under another name.
        const QStringList aside = QDir(home.path()).entryList({"tape-unreadable*"});
        QCOMPARE(aside.size(), told.contains("read") ? 1 : 0);
        for (const QString &name : aside) {
            QFile kept(home.filePath(name));
            QVERIFY(kept.open(QIODevice::ReadOnly));
            QCOMPARE(kept.readAll(), saved);
        }
        QFETCH(QString, reopened);
        QCOMPARE(decimals(Window(folder)), reopened);
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
        const auto decimals = [](const std::deque<TapeEntry> &entries) {
            QStringList lines;
            for (const TapeEntry &entry : entries)
                lines << entry.decimal;
            return lines.join(", ");
        };
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
        QStringList fields;
        for (const QString &row : csvRows(QString::fromUtf8(csv.readAll())))
            fields << row;
        QCOMPARE(fields,
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
        row("VV\r", "*\"VV\" is not a number or a Roman numeral; \"=\" was not used");
        row("MMMMMMMMMMMMMMMMA", "*\"MMMMMMMMMMMMMMM\u2026\" is not a number or a Roman numeral");
        row("VV\b", "");
        row("MMXXA+\x1b", "");
        row("IC", "IC reads as 101 (standard form CI)");
        row("iiii", "IIII reads as 4 (standard form IV)");
        row("xiv", "");
        row("(", "1 parenthesis open");
        row("((20+", "20 +  \u00b7  2 parentheses open");
        row("(((((((((((", "10 parentheses open  \u00b7  the outermost one was dropped");
        row("{Command1}", ""); // nothing to copy: the clipboard keeps what it had
        row("xiv{Command1}", "Copied \"xiv\"");
        row("MCM+99={Command1}", "Copied \"MCMXCIX\""); // an empty box copies the result
        row("9000+1={Command1}", "Copied \"9001\"");
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
        row("9/4={Command1}", "Copied \"2.25\"");        // II would read back as 2
        row("3-10={Command1}", "Copied \"-7\"");         // (VII) would read back as 7
        row("2+-", "2 +");                               // a sign on its way is no mistake
        row("[\u216B]", "\u216B reads as 12 (standard form XII)"); // Ⅻ
        row("IIS", "IIS reads as 2.5");
        row("[ci\u2184]", "CI\u2183 reads as 1000 (standard form M)");
        row("[\u012A]", "\u012A reads as 1000 (standard form M)"); // Ī
        row("nulla", "NULLA reads as 0");
        row("10/(4-4)=", "Dividing by zero keeps the dividend: 10");
        row("(2+3)", "(\u2026) = 5, waiting for the next operation");
        row("9r", "Cleared; an operation key now starts from 9, a number typed first replaces it");
        row("9\x1b", "");
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
            << "12345+0={Command1}"
            << "X\u0305I\u0305I\u0305CCCXLV|Copied \"X\u0305I\u0305I\u0305CCCXLV\"";
        QTest::newRow("twelfths") << "Fractions"
                                  << "5/2={Command1}"
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
        if (input.endsWith("{Command1}")) {
            QCOMPARE(
                readEntry(QGuiApplication::clipboard()->text()), w.calvaran.calculation().shown());
            QVERIFY(w.tape().constLast().endsWith(" = " + shown)); // the tape writes it too
        }
    }

    // The window at a scale, in the design's faces and in others; the readouts
    // show their widest texts.
    void scaledInAnyFace_data()
    {
        QTest::addColumn<QString>("face");
        QTest::addColumn<qreal>("factor");
        for (const char *face : {"Liberation", "DejaVu", "DejaVu Sans Mono"})
            for (const qreal factor : {1.0, 1.5, 2.0})
                QTest::addRow("%s at %g", face, factor) << QString(face) << factor;
    }
    void scaledInAnyFace()
    {
        QFETCH(QString, face);
        QFETCH(qreal, factor);
        const auto substitute = [](const QString &face) {
            for (const char *design : {"MS Sans Serif", "MS Serif"}) {
                QFont::removeSubstitutions(design);
                QFont::insertSubstitution(design,
                    face.contains(' ') ? face : face + (design[3] == 'S' ? " Serif" : " Sans"));
            }
        };
        substitute(face);
        const auto restore = qScopeGuard([&] { substitute("Liberation"); });
        Window w;
        const auto geometries = [&] {
            QMap<const QWidget *, QRect> all;
            for (const QWidget *widget : w.calvaran.findChildren<QWidget *>())
                all.insert(widget, twipsGeometry(widget));
            return all;
        };
        const QMap<const QWidget *, QRect> design = geometries();
        w.calvaran.resize(w.calvaran.size() * factor);
        QCOMPARE(w.calvaran.scale(), factor);
        const auto children = w.calvaran.findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        for (const QWidget *child : children) {
            if (factor == 2)
                QCOMPARE(twipsGeometry(child).size(), design[child].size() * 2);
            // No widget reaches into a sibling it keeps clear of in the design.
            for (const QWidget *other : children)
                QVERIFY(design[child].intersects(design[other])
                    || !child->geometry().intersects(other->geometry()));
        }
        // F9 puts the tape away, the window gives back its column and the
        // design stays where it was; a new window remembers.
        if (factor == 2) {
            const QSize withTape = w.calvaran.size();
            w.enter("{F9}");
            QCOMPARE(w.calvaran.size(), withTape - QSize(2 * 2880 / 15, 0));
            QVERIFY(!Calvaran().tapeShown());
            for (const QWidget *child : children)
                if (child != w.child("Tape"))
                    QCOMPARE(twipsGeometry(child),
                        QRect(design[child].topLeft() * 2, design[child].size() * 2));
            w.enter("{F9}");
            QCOMPARE(w.calvaran.size(), withTape);
        }
        // In the faces the design was drawn for, no text needs to shrink.
        if (face == "Liberation") {
            QCOMPARE(w.child("Label1")->font().pointSizeF(), 8.25 * factor);
            QCOMPARE(w.child("RomanValue")->font().pointSizeF(), 9.75 * factor);
        }
        for (const char *entry : {"8888", "-1.79769313486232E+308"}) {
            w.text1()->setText(entry);
            QCOMPARE(cutText(w.calvaran), QString());
        }
        w.calvaran.resize(w.calvaran.minimumSize());
        QCOMPARE(geometries(), design);
    }

    // The handle between the design and the tape follows the pointer both
    // ways, drag after drag (pixels to the right), the tape's right edge
    // staying where it can; where the design or the narrowest tape leaves no
    // room the window grows at its right edge. How far the handle moved,
    // and the window's width.
    void tapeHandleFollowsThePointer_data()
    {
        QTest::addColumn<QList<int>>("drags");
        QTest::addColumn<int>("moved");
        QTest::addColumn<int>("grown");
        QTest::newRow("right") << QList<int> {40} << 40 << 0;
        QTest::newRow("right past the narrowest tape") << QList<int> {150} << 150 << 46;
        QTest::newRow("left, against the design") << QList<int> {-40} << 0 << 40;
        QTest::newRow("right, then back") << QList<int> {60, -30} << 30 << 0;
        QTest::newRow("right, then further back") << QList<int> {60, -100} << 0 << 40;
    }
    void tapeHandleFollowsThePointer()
    {
        QFETCH(QList<int>, drags);
        // Each row from the tape's first width.
        const QTemporaryDir settings;
        const auto restore = useSettingsIn(settings.path(), home.filePath("config"));
        Window w;
        QWidget *handle = w.child("TapeSplitter");
        const int left = handle->x(), width = w.calvaran.width();
        for (const int pixels : drags) {
            const QPoint grip = handle->rect().center(), at = handle->mapToGlobal(grip);
            QTest::mousePress(handle, Qt::LeftButton, {}, grip);
            QTest::mouseMove(handle, handle->mapFromGlobal(at + QPoint(pixels, 0)));
            QTest::mouseRelease(
                handle, Qt::LeftButton, {}, handle->mapFromGlobal(at + QPoint(pixels, 0)));
        }
        QTEST(handle->x() - left, "moved");
        QTEST(w.calvaran.width() - width, "grown");
        QCOMPARE(w.child("Tape")->geometry().right(),
            w.calvaran.width() - 1 - int(std::lround(75 / 15.0 * w.calvaran.scale())));
    }

    // Any shape, up to far beyond what the layouts' 16-bit twips can hold:
    // the design stops growing at eight times its size, centred beside the
    // tape, which keeps to the right edge, and no error is raised.
    void anyWindowSize_data()
    {
        QTest::addColumn<QSizeF>("times"); // the design's width and height
        QTest::addColumn<qreal>("scale");
        QTest::newRow("20 by 20") << QSizeF(20, 20) << 8.0;
        QTest::newRow("wide") << QSizeF(20, 1.5) << 1.5;
        QTest::newRow("tall") << QSizeF(3, 20) << 3.0;
        QTest::newRow("narrower than opened") << QSizeF(0.5, 2) << 1.0;
    }
    void anyWindowSize()
    {
        QFETCH(QSizeF, times);
        Window w;
        recordErrors();
        const QSize design = w.calvaran.size();
        w.calvaran.resize(
            int(design.width() * times.width()), int(design.height() * times.height()));
        QTEST(w.calvaran.scale(), "scale");
        QCOMPARE(reported, std::vector<int>());
        const QRect window = w.calvaran.rect();
        const QRect handle = w.child("TapeSplitter")->geometry(),
                    tape = w.child("Tape")->geometry();
        QRect used;
        for (const QWidget *child : w.calvaran.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            used |= child == w.child("Tape") || child == w.child("TapeSplitter")
                ? QRect()
                : child->geometry();
        QVERIFY(window.contains(used | tape));
        const int margin = 1 + int(w.calvaran.scale() * 8);
        QVERIFY(qAbs(used.left() - (handle.left() - used.right())) <= margin);
        QVERIFY(window.right() - tape.right() <= margin);
        for (const char *name : {"RomanValue", "ArabVal", "Text1"})
            QVERIFY(!w.child(name)->geometry().isEmpty());
    }

    // Right to left (-reverse, or a right-to-left language): the parentheses
    // and numerals look as they do left to right.
    void readsLeftToRightInAnyDirection()
    {
        const auto looks = [](Qt::LayoutDirection direction) {
            QGuiApplication::setLayoutDirection(direction);
            Window w;
            w.enter("3-10=");
            QList<QImage> looks;
            for (const char *name : {"LParen", "RParen", "RomanValue", "Label1"})
                looks << w.child(name)->grab().toImage();
            return looks;
        };
        QCOMPARE(looks(Qt::RightToLeft), looks(Qt::LeftToRight));
    }

    void opensAtTheDesktopFontSize()
    {
        QApplication::setFont(designFont("MS Sans Serif", 16));
        Calvaran window;
        // It never gets smaller than it opened.
        QVERIFY(window.minimumSize() == window.size() && window.width() >= 302 * 16 / 8.25);
        QCOMPARE(window.findChild<QLabel *>("Label1")->font().pointSizeF(), 16.0);
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
        for (const QKeySequence &key : std::as_const(taken)) {
            const QString name = key.toString(QKeySequence::NativeText);
            QVERIFY2(key.isEmpty() || help->text().contains(name), qPrintable(name));
        }
    }

    // The size a window closed at, after the settings file was left alone,
    // cut short or overwritten, and the tape's width as its handle was
    // dragged towards the design.
    void remembersItsSize_data()
    {
        QTest::addColumn<QSize>("closedAt");
        QTest::addColumn<QByteArray>("damage"); // written over the file; "torn": cut in half
        QTest::addColumn<QSize>("opensAt");     // none: the screen's; 0x0: a new window's
        QTest::addColumn<int>("dragged");
        const QSize design(0, 0);
        QTest::newRow("enlarged") << QSize(604, 392) << QByteArray() << QSize(604, 392) << 0;
        QTest::newRow("beyond the screen") << QSize(3000, 2000) << QByteArray() << QSize() << 0;
        QTest::newRow("torn") << QSize(604, 392) << QByteArray("torn") << design << 0;
        QTest::newRow("binary") << QSize(604, 392) << QByteArray("[\x89PNG\0\xff\n=", 9) << design
                                << 0;
        QTest::newRow("tape widened") << QSize(604, 392) << QByteArray() << QSize(604, 392) << 60;
        QTest::newRow("tape narrowed") << QSize(604, 392) << QByteArray() << QSize(604, 392) << -60;
    }
    void remembersItsSize()
    {
        QFETCH(QSize, closedAt);
        QFETCH(QByteArray, damage);
        QFETCH(QSize, opensAt);
        const QTemporaryDir settings;
        const auto restore = useSettingsIn(settings.path(), home.filePath("config"));
        QFETCH(int, dragged);
        if (opensAt == QSize(0, 0))
            opensAt = Calvaran().size();
        int tapeWidth = 0;
        {
            Calvaran window;
            rememberWindowSize(&window);
            window.show();
            QWidget *handle = window.findChild<QWidget *>("TapeSplitter");
            const QPoint grip = handle->rect().center();
            QTest::mousePress(handle, Qt::LeftButton, {}, grip);
            QTest::mouseMove(handle, grip - QPoint(dragged, 0));
            QTest::mouseRelease(handle, Qt::LeftButton, {}, grip - QPoint(dragged, 0));
            window.resize(closedAt);
            tapeWidth = window.tapePanel()->width();
            window.close();
        }
        for (QDirIterator it(settings.path(), QDir::Files, QDirIterator::Subdirectories);
             it.hasNext();) {
            QFile file(it.next());
            QVERIFY(file.open(QIODevice::ReadWrite));
            if (damage == "torn")
                QVERIFY(file.resize(file.size() / 2));
            else if (!damage.isEmpty())
                QVERIFY(file.resize(0) && file.write(damage) == damage.size());
        }
        // As the next run.
        forgetSettings();
        Window w;
        rememberWindowSize(&w.calvaran);
        QCOMPARE(w.calvaran.size(),
            opensAt.isEmpty() ? w.calvaran.screen()->availableGeometry().size() : opensAt);
        if (opensAt == closedAt)
            QCOMPARE(w.calvaran.tapePanel()->width(), tapeWidth);
    }

    // A caption and a message in each language, access keys that stay
    // distinct, and numbers and numerals shown and read back as in English.
    void inEachLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("unread");
        QTest::addColumn<QString>("clearKey");
        QTest::addColumn<QString>("help");
        QTest::addColumn<QString>("choices"); // the numeral choices in the menu
        const auto row = [](const char *language, const char *caption, const char *unread,
                             const char *clearKey, const char *help, const char *choices) {
            QTest::newRow(language)
                << language << caption << unread << clearKey << help << QString(choices);
        };
        row("de", "Normale (arabische) Zahlen", "ist weder eine Zahl", "L", "Gut zu wissen",
            "Gro\u00dfe Zahlen mit Strichen|Br\u00fcche in Zw\u00f6lfteln|Strenge Zahlschrift");
        row("fr", "Chiffres normaux (arabes)", "n\u2019est ni un nombre", "E", "Bon \u00e0 savoir",
            "Grands nombres avec barres|Fractions en douzi\u00e8mes|Chiffres stricts");
        row("it", "Numeri normali (arabi)", "non \u00e8 n\u00e9 un numero", "A", "Buono a sapersi",
            "Numeri grandi con barre|Frazioni in dodicesimi|Numeri rigorosi");
        row("es", "N\u00fameros normales (ar\u00e1bigos)", "no es ni un n\u00famero", "B",
            "Conviene saber",
            "N\u00fameros grandes con barras|Fracciones en doceavos|N\u00fameros estrictos");
        row("la", "Numeri usitati (Arabici)", "neque numerus", "D", "Scitu utilia",
            "Numeri magni cum virgulis|Partes in unciis|Numeri severi");
    }
    void inEachLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, clearKey);
        installTranslations(QLocale(language));
        Window w;
        QTEST(w.calvaran.findChild<QLabel *>("Label1")->text(), "caption");
        w.enter("VV");
        QFETCH(QString, unread);
        QVERIFY2(w.status().contains(unread), qPrintable(w.status()));
        // Copy has none, every other button one of its own, and so has the tape.
        QSet<QKeySequence> keys {
            QKeySequence::mnemonic(w.calvaran.findChild<QAction *>("ShowTape")->text())};
        const QList<QPushButton *> buttons = w.calvaran.findChildren<QPushButton *>();
        for (const QPushButton *button : buttons)
            keys << QKeySequence::mnemonic(button->text());
        QCOMPARE(keys.size(), buttons.size() + 1);
        QVERIFY(keys.contains(QKeySequence("Alt+" + clearKey)));
        // The help speaks the language; the application menu names the program as its title does.
        QFETCH(QString, help);
        QVERIFY(HelpWindow(&w.calvaran).text().contains(help));
        // The numeral choices in the language, each tip a sentence that finishes.
        QStringList choices;
        for (const char *name : {"LargeNumbers", "Fractions", "StrictNumerals"}) {
            const QAction *choice = w.calvaran.findChild<QAction *>(name);
            choices << choice->text();
            QVERIFY2(!choice->toolTip().isEmpty() && !choice->toolTip().trimmed().endsWith(':')
                    && HelpWindow(&w.calvaran).text().contains(choice->text()),
                qPrintable(choice->toolTip()));
        }
        QTEST(choices.join('|'), "choices");
        // One word for the tape: in its name, its menus and the help.
        QStringList naming {HelpWindow(&w.calvaran).text()};
        for (const char *name : {"ShowTape", "CopyWholeTape", "ClearTape"})
            naming << w.calvaran.findChild<QAction *>(name)->text().remove('&');
        for (const QString &text : std::as_const(naming))
            QVERIFY2(text.contains(w.calvaran.tapePanel()->accessibleName(), Qt::CaseInsensitive),
                qPrintable(text));
        QFile entry(ROMAN_DESKTOP_ENTRY);
        QVERIFY(entry.open(QIODevice::ReadOnly));
        QVERIFY(QString(entry.readAll())
                    .contains(QString("\nName[%1]=%2\n").arg(language, w.calvaran.windowTitle())));
        // What the readouts show is the same in every language, and reads back.
        for (const auto &[entry, shown] : {std::pair {"1234.5=", "1234.5|MCCXXXIV||1234.5"},
                 {"mmmdcccxlviii=", "3848|MMMDCCCXLVIII||3848"}, {"0X1F/8=", "3.875|IV||3.875"}}) {
            w.enter(QString("\x1b") + entry);
            QCOMPARE(w.shown(), shown);
            for (const int readout : {0, 1}) {
                const QString text = QString(shown).section('|', readout, readout);
                w.enter("\x1b");
                w.text1()->setText(text);
                QCOMPARE(w.shown().section('|', readout, readout), text);
            }
        }
    }

    // Typed with key presses into an empty pad ("\b" is Backspace), or pasted
    // in one edit into a pad showing 7.
    void typeInEdits_data()
    {
        QTest::addColumn<bool>("typed");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("state"); // "<text> [<key>] <value>: <changes> !<errors>"
        const auto row
            = [](const char *name, bool typed, const QString &input, const QString &state) {
                  QTest::newRow(name) << typed << input << state;
              };
        row("typed XIV", true, "XIV", "XIV [] 14: 10 11 14");
        row("typed 12+3", true, "12+3", "123 [] 123: 1 12 12[+] 123");
        row("minus first is a sign", true, "-5", "-5 [] -5: -5");
        row("deleted to empty", true, "XI\b\b", " [] 0: 10 11 10 0");
        row("pasted -5", false, "-5", "-5 [] -5: -5");
        row("Return", true, "XI\r", "XI [=] 11: 10 11 11[=]");
        row("Return, no numeral", true, "VV\r", "VV [=] 5: 5");
        row("Escape is the host's", true, "XI\x1b", "XI [] 11: 10 11");
        row("no numeral, key", false, "VV+", "VV+ [+] 7: ");
        row("pasted calculation", false, "1+2", " [] 7: "); // the host feeds it
        row("R is no key", false, "XIR", "XIR [] 7: ");
        const QString huge = "0X1" + QString(256, '0');
        row("hexadecimal overflow", false, huge + "+", huge + "+ [+] 7: !6");
        const QString many = QString(40000, 'M'); // beyond QLineEdit's default length
        row("long paste", false, many + "=", many + " [=] 4e+07: 4e+07[=]");
    }
    void typeInEdits()
    {
        QFETCH(bool, typed);
        QFETCH(QString, input);
        recordErrors();
        TypeInPad pad;
        auto *box = pad.findChild<QLineEdit *>();
        QStringList log; // each change as the host sees it: the value, the key in brackets
        pad.change.connect([&] {
            QVERIFY(!pad.selfEdit());
            const QString key = pad.conKey();
            log << QString::number(pad.value()) + (key.isEmpty() ? "" : "[" + key + "]");
        });
        pad.show();
        pad.setValue(typed ? 0 : 7);
        if (typed)
            QTest::keyClicks(box, input);
        else
            box->setText(input);
        for (const int number : reported)
            log << "!" + QString::number(number);
        const QString state
            = QString("%1 [%2] %3: ").arg(box->text(), pad.conKey()).arg(pad.value());
        QTEST(state + log.join(' '), "state");
        QCOMPARE(box->cursorPosition(), box->text().size());
    }

    // Numbers go to Value, "_" is the empty text, "!k" makes the next change
    // handler type k, and any other word is typed into TypeIn. The log holds
    // each event with the Pend its handler sees ("C" change, "(" push, ")"
    // pop) and each error thrown ("E" and its number).
    void keySequences_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("state"); // "Acc Value p<Pend>: log"
        const auto row = [](const char *steps, const char *state) {
            QTest::newRow(steps) << QString(steps) << QString(state);
        };
        row("2 + 3 * 4 =", "20 20 p0: C1 C3 C0");
        row("6 / nan =", "6 6 p0: C2 C0");
        row("2 + (", "2 2 p1: C1 (1");
        row("2 + 3 )", "5 3 p1: C1 )1");
        row("2 + R _ ++", "2 2 p1: C1");
        // "+" typed while "=" runs adds at once; the outer TypeIn then finds "+" too.
        row("2 !+ =", "4 2 p1: C0 C1 C1");
        // A failed action leaves its result in Acc, keeps Pend and raises nothing.
        row("1E308 * 10 = =", "inf 10 p3: C3 E11 E11");
    }
    void keySequences()
    {
        QFETCH(QString, steps);
        ParenBase pad;
        QString log, rewrite;
        const auto note = [&](char event) { log += event + QString::number(pad.pend()) + ' '; };
        pad.change.connect([&] {
            note('C');
            if (!rewrite.isEmpty())
                pad.setTypeIn(std::exchange(rewrite, {}));
        });
        pad.push.connect([&] { note('('); });
        pad.pop.connect([&] { note(')'); });
        for (const QString &step : steps.split(' ')) {
            bool isNumber = false;
            const double number = step.toDouble(&isNumber);
            try {
                if (isNumber)
                    pad.setValue(number);
                else if (step.startsWith('!'))
                    rewrite = step.mid(1);
                else
                    pad.setTypeIn(step == "_" ? QString() : step);
            } catch (const RuntimeError &error) {
                log += "E" + QString::number(error.number()) + ' ';
            }
        }
        const QString state
            = QString("%1 %2 p%3: ").arg(pad.acc()).arg(pad.value()).arg(pad.pend());
        QTEST(state + log.trimmed(), "state");
    }

    void stackBottomRepeatsAndClearKeepsCodes()
    {
        Stack stack;
        stack.setBos(9);
        stack.setIbos(2);
        QString reads;
        for (int i = 0; i < 11; ++i)
            reads += QString(" %1:%2").arg(stack.itos()).arg(stack.tos());
        QCOMPARE(reads, " 0:0 0:0 0:0 0:0 0:0 0:0 0:0 0:0 0:0 2:9 2:9");
        stack.setClr(1); // values only
        QCOMPARE(QString("%1:%2:%3").arg(stack.ibos()).arg(stack.bos()).arg(stack.clr()), "2:0:0");
    }

    void romanReadout()
    {
        RomanDisplay roman;
        auto *box = roman.findChild<QLineEdit *>();
        // Described once a screen reader listens, and from then on at every change.
        QCOMPARE(box->accessibleDescription(), QString());
        QAccessible::setActive(true);
        const auto deaf = qScopeGuard([] { QAccessible::setActive(false); });
        QCOMPARE(box->accessibleDescription(), "zero");
        QStringList shown; // when each change is raised
        roman.change.connect([&] { shown << box->text() + '|' + box->accessibleDescription(); });
        roman.setValue(-2.5);
        roman.setDisplay("any text"); // shown as it is, without an event
        QCOMPARE(box->text() + '|' + roman.display() + '|' + QString::number(roman.value()),
            "any text|any text|-2.5");
        roman.setValue(1999);
        QCOMPARE(shown,
            QStringList({"(II)|(II): -2.5, rounded",
                "MCMXCIX|MCMXCIX: 1999; MCMXCIX = M + CM + XC + IX = 1000 + 900 + 90 + 9"}));
        QCOMPARE(roman.display(), "MCMXCIX");
        // The tooltip says how the numeral is built, and how a lenient entry
        // was read; a listening screen reader hears it in the description.
        roman.explain("MDCCCCLXXXXVIIII = M + D + C + C + C + C + L + X + X + X + X + V + I + I + "
                      "I + I = 1999");
        QHelpEvent help(QEvent::ToolTip, QPoint(1, 1), box->mapToGlobal(QPoint(1, 1)));
        QApplication::sendEvent(box, &help);
        QVERIFY(QToolTip::text().endsWith("; MCMXCIX = M + CM + XC + IX = 1000 + 900 + 90 + 9"));
        QCOMPARE(box->accessibleDescription(), "MCMXCIX: 1999; " + QToolTip::text());
    }

    void readoutLayout_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("textBox"); // none: the layout overflows, the box stays
        QTest::newRow("as on the window") << QSize(2535, 735) << QRect(125, 210, 2250, 420);
        QTest::newRow("widest") << QSize(36450, 735) << QRect(1820, 210, 32760, 420);
        QTest::newRow("too wide") << QSize(36451, 735) << QRect();
        QTest::newRow("too tall") << QSize(2535, 57400) << QRect();
    }
    void readoutLayout()
    {
        QFETCH(QSize, size);
        QFETCH(QRect, textBox);
        RomanDisplay roman;
        ArabDisplay arab;
        for (UserControl *readout : std::initializer_list<UserControl *> {&roman, &arab}) {
            auto *box = readout->findChild<QLineEdit *>();
            const QRect before = twipsGeometry(box);
            QCOMPARE(overflows(*readout, size), textBox.isNull());
            QCOMPARE(place(*readout, "Border"), QRect({0, 0}, size));
            QCOMPARE(twipsGeometry(box), textBox.isNull() ? before : textBox);
        }
    }

    void typeInLayout()
    {
        recordErrors();
        TypeInPad pad;
        auto *box = pad.findChild<QLineEdit *>();
        pad.show();
        pad.setValue(7);
        pad.setTwipsGeometry(30, 45, 4500, 645); // moved, not resized: the entry goes on
        QCOMPARE(pad.value(), 7.0);
        QVERIFY(!overflows(pad, {2535, 495}));
        QCOMPARE(place(pad, "Frame1"), QRect(0, 0, 2535, 495));
        QCOMPARE(twipsGeometry(box), QRect(125, 142, 1500, 284));
        QCOMPARE(box->geometry(), QRect(8, 9, 100, 19));
        QCOMPARE(place(pad, "Command1"), QRect(1750, 142, 625, 284));
        QCOMPARE(box->text() + '|' + QString::number(pad.value()), "7|0"); // a new entry
        pad.setValue(7);
        // Resized by Qt to 48000 twips, where 70 units of 480 leave 16 bits:
        // reported, not thrown through Qt, and the next size lays out again.
        pad.resize(3200, 43);
        QCOMPARE(reported, std::vector<int> {6});
        pad.resize(200, 43);
        QCOMPARE(twipsGeometry(box), QRect(150, 184, 1800, 368));
        QCOMPARE(pad.value(), 0.0);
    }

    // Where Div and Clear, the second and the last button placed, stand shows
    // the fill direction and the extent of the grid. The orientation is
    // loaded first, so every row also shows a resize keeping it.
    void keypadArrangement_data()
    {
        QTest::addColumn<QVariant>("wide"); // as saved
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("div");
        QTest::addColumn<QPoint>("clear");
        const auto row = [](QVariant wide, QSize size, QRect div, QPoint clear) {
            QTest::addRow("%s, %dx%d", qPrintable(wide.toString()), size.width(), size.height())
                << wide << size << div << clear;
        };
        // The sizes make one unit exactly halfway between integers.
        for (const int wide : {0, 4, -1}) // two columns, row unit 112.5 down to even
            row(wide, {2340, 2475}, {1278, 224, 852, 448}, {1278, 1904});
        row(1, {585, 4200}, {98, 700, 392, 400}, {98, 3700});   // one column, 97.5 up to even
        row(3, {4100, 700}, {600, 200, 400, 400}, {3600, 200}); // one row
        // Four columns of two, loaded without a resize: 2340 / 21 and 2970 / 12 units.
        row(" 2 ", {2340, 2970}, {111, 1736, 444, 992}, {1776, 1736});
    }
    void keypadArrangement()
    {
        QFETCH(QVariant, wide);
        QFETCH(QSize, size);
        QFETCH(QRect, div);
        ParenBase pad;
        PropertyBag bag;
        bag.writeProperty("Orient", wide, 0);
        pad.readProperties(bag);
        pad.setTwipsGeometry(0, 0, size.width(), size.height());
        // A setting that is no 16-bit whole number is refused and changes nothing.
        for (const QVariant &refused : {QVariant("abc"), QVariant(40000), QVariant(2.5)}) {
            bag.writeProperty("Orient", refused, 0);
            QVERIFY_THROWS_EXCEPTION(ConversionError, pad.readProperties(bag));
        }
        QCOMPARE(place(pad, "Border"), QRect({0, 0}, size));
        QCOMPARE(place(pad, "Div"), div);
        QTEST(place(pad, "Clear").topLeft(), "clear");
    }

private:
    // The settings and data folders of the tests.
    const QTemporaryDir home;
};

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
