// The whole calculator, driven end to end on a real window: keystrokes into
// the type-in box and clicks on the keypad, read back from the readouts.

#include "support.h"
#include "windowdriver.h"

#include "app/calvaran.h"
#include "calc/parenbase.h"
#include "calc/stack.h"
#include "numerals/typeinpad.h"
#include "widgets/twips.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class TestCalvaran : public QObject
{
    Q_OBJECT

private slots:
    void windowLayout()
    {
        WindowDriver w;
        QCOMPARE(w.calvaran.windowTitle(), QStringLiteral("Roman Numeral Calculator"));
        QCOMPARE(twipsGeometry(&w.calvaran).size(), QSize(4530, 2940));
        QCOMPARE(w.calvaran.windowIcon().availableSizes(),
            QList<QSize>({{16, 16}, {22, 22}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128},
                {256, 256}}));
        const QList<std::pair<QString, QRect>> places = {
            {"Stack1", {2040, 1800, 495, 135}},
            {"TypeInPad1", {120, 1920, 2535, 495}},
            {"RomanDisplay1", {120, 960, 2535, 735}},
            {"ArabDisplay1", {120, 0, 2535, 735}},
            {"ParenBase1", {2640, 0, 1815, 2415}},
            {"Label2", {480, 1680, 1935, 255}},
            {"Label1", {360, 720, 1935, 255}},
        };
        for (const auto &[name, rect] : places)
            QCOMPARE(twipsGeometry(w.child<QWidget>(name)), rect);
        // Where they overlap, the stack strip lies in front of the pad and the caption.
        const QWidget *front = w.calvaran.childAt(twipsToPixels(2400), twipsToPixels(1920));
        QVERIFY(front == w.calvaran.stack() || w.calvaran.stack()->isAncestorOf(front));
        QCOMPARE(w.child<QLabel>("Label1")->text(), QStringLiteral("Normal (Arabic) numerals"));
        QCOMPARE(w.child<QLabel>("Label2")->text(), QStringLiteral("Roman Numerals"));
        QCOMPARE(w.pad()->wide(), 0);
    }

    void tabOrderFollowsTabIndexes()
    {
        WindowDriver w;
        QStringList order;
        QWidget *widget = w.child<QWidget>("Clear");
        for (int i = 0; i < 12; ++i, widget = widget->nextInFocusChain()) {
            while (!(widget->focusPolicy() & Qt::TabFocus))
                widget = widget->nextInFocusChain();
            order << widget->objectName();
        }
        QCOMPARE(order,
            QStringList({"Clear", "Equals", "RParen", "LParen", "Mult", "Subt", "Div", "Add",
                "ArabVal", "RomanValue", "Text1", "Command1"}));
    }

    // The example calculation 2 + ( 3 * 4 ) =, one keystroke at a time.
    void workedTrace_data()
    {
        QTest::addColumn<QString>("prefix"); // "" types, "{}" clicks the operation keys
        QTest::newRow("typed") << "";
        QTest::newRow("clicked") << "{}";
    }
    void workedTrace()
    {
        QFETCH(QString, prefix);
        const bool click = !prefix.isEmpty();
        struct Step
        {
            QString key, button, arab, roman, text;
            double value, acc;
            int pend;
        };
        const Step steps[] = {
            {"2", "", "2", "II", "2", 2, 0, 0},
            {"+", "Add", "2", "II", "", 2, 2, 1},
            {"(", "LParen", "2", "II", "", 2, 0, 0},
            {"3", "", "3", "III", "3", 3, 0, 0},
            {"*", "Mult", "3", "III", "", 3, 3, 3},
            {"4", "", "4", "IV", "4", 4, 3, 3},
            {")", "RParen", "4", "IV", "", 12, 2, 1},
            {"=", "Equals", "14", "XIV", "", 12, 14, 0},
        };
        WindowDriver w;
        for (const Step &step : steps) {
            w.enter(click && !step.button.isEmpty() ? "{" + step.button + "}" : step.key);
            QCOMPARE(w.arab(), step.arab);
            QCOMPARE(w.roman(), step.roman);
            QCOMPARE(w.text1()->text(), step.text);
            QCOMPARE(w.pad()->value(), step.value);
            QCOMPARE(w.pad()->acc(), step.acc);
            QCOMPARE(w.pad()->pend(), step.pend);
        }
    }

    void calculations_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("arab");
        QTest::addColumn<QString>("roman");
        QTest::addColumn<QString>("text");
        QTest::newRow("left to right") << "2+3*4="
                                       << "20"
                                       << "XX"
                                       << "";
        QTest::newRow("roman and hex mixed") << "xiv+0X10="
                                             << "30"
                                             << "XXX"
                                             << "";
        QTest::newRow("unmatched close") << "2+3)="
                                         << "5"
                                         << "V"
                                         << "";
        QTest::newRow("empty parentheses") << "5+()="
                                           << "10"
                                           << "X"
                                           << "";
        QTest::newRow("clear shows zero") << "2+(3r"
                                          << "0"
                                          << " - - - - - -"
                                          << "";
        QTest::newRow("clear keeps the stack") << "7+(r5)="
                                               << "12"
                                               << "XII"
                                               << "";
        QTest::newRow("key into empty pad") << "6=*="
                                            << "36"
                                            << "XXXVI"
                                            << "";
        QTest::newRow("pasted number and key") << "5+<paste:12+>"
                                               << "10"
                                               << "X"
                                               << "";
        QTest::newRow("deleting to empty") << "5+3<paste:>="
                                           << "5"
                                           << "V"
                                           << "";
        QTest::newRow("minus first is a key") << "-5"
                                              << "5"
                                              << "V"
                                              << "5";
        QTest::newRow("unreadable then key") << "4+VV+"
                                             << "5"
                                             << "V"
                                             << "VV";
        QTest::newRow("division by zero keeps dividend") << "5/0="
                                                         << "5"
                                                         << "V"
                                                         << "";
        QTest::newRow("negative result") << "3-10="
                                         << "-7"
                                         << "(VII)"
                                         << "";
        QTest::newRow("clicked keys") << "8{Div}2{Equals}"
                                      << "4"
                                      << "IV"
                                      << "";
    }
    void calculations()
    {
        QFETCH(QString, input);
        QFETCH(QString, arab);
        QFETCH(QString, roman);
        QFETCH(QString, text);
        WindowDriver w;
        w.enter(input);
        QCOMPARE(w.arab(), arab);
        QCOMPARE(w.roman(), roman);
        QCOMPARE(w.text1()->text(), text);
    }

    void overflowIsReportedAndCalculatorGoesOn()
    {
        WindowDriver w;
        RecordingReporter reporter;
        w.enter("1E308*10=");
        QCOMPARE(reporter.numbers, std::vector<int> {ArithmeticNumber});
        QCOMPARE(w.arab(), QStringLiteral("10")); // the failed action announced nothing
        QVERIFY(!w.calvaran.typeInPad()->selfEdit());
        w.enter("+");
        QCOMPARE(reporter.numbers.size(), std::size_t(2)); // still no result from infinity
        QVERIFY(!w.arab().contains(QStringLiteral("Infinity")));
        w.enter("r2+3=");
        QCOMPARE(w.arab(), QStringLiteral("5"));
        QCOMPARE(w.roman(), QStringLiteral("V"));
        QCOMPARE(reporter.numbers.size(), std::size_t(2));
    }

    void handlersNestWithoutReentry()
    {
        // Our loggers run after the window's own handlers: a keypad result
        // logged before the pad's event shows the keypad ran inside it, and
        // one pad event per keystroke shows emptying the pad raised none.
        WindowDriver w;
        QString log;
        w.calvaran.typeInPad()->change.connect([&] { log += QLatin1Char('P'); });
        w.calvaran.parenBase()->change.connect([&] { log += QLatin1Char('K'); });
        w.enter("12+3=");
        QCOMPARE(log, QStringLiteral("PPKPPKP"));
    }
};

ROMAN_TEST_MAIN(TestCalvaran)
#include "tst_calvaran.moc"
