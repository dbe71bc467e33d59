// Calculations in the whole window, typed, clicked and pasted: what the
// readouts and the tape show, Escape's fresh start, the parentheses' strip,
// arithmetic errors, and pastes far larger than a number.

#include "window.h"

#include <QFile>

class TestCalculations : public WindowTest
{
    Q_OBJECT

private slots:
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
        row("10+-7{Backspace}8=", "2|II||2", "10 + -8 = 2 | X + (VIII) = II");
        row("7+r+=", "14|XIV||14", "7 + 7 = 14 | VII + VII = XIV"); // Clear keeps the operand
        row("2+(3r", "0| - - - - - -||0");
        row("7+(r5)=", "12|XII||12", "7 + 5 = 12 | VII + V = XII"); // Clear keeps the stack
        row("1+(2{Escape}5)=", "5|V||5", "5 = 5 | V = V");          // Escape forgets it
        row("4+VV{Escape}3=",
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
        row("1e3{Escape}-5=", "-5|(V)||-5");
        row("9{Escape}*3=", "0| - - - - - -||0");
        row("2+(3*(4{Escape})+6=", "6|VI||6");
        row("((((((((((({Escape})=", "0| - - - - - -||0");
        row("7+r{Escape}+2=", "2|II||2");
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
        if (input.contains("{Escape}")) {
            Window fresh;
            fresh.enter(input.section("{Escape}", -1));
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
};

QTEST_MAIN(TestCalculations)
#include "tst_calculations.moc"
