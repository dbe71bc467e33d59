#include "calc/parenbase.h"
#include "support.h"
#include "widgets/propertybag.h"
#include "widgets/twips.h"

#include <QApplication>
#include <QPushButton>

#include <utility>

namespace {

const QStringList PlacingOrder
    = {"Add", "Div", "Mult", "Subt", "LParen", "RParen", "Equals", "Clear"};
const QString Keys = "+/*-()=r"; // of the buttons above

// Drives the keypad as a host would, but sets no sub-expression aside: the
// window tests cover that part. Steps are words: a number goes to Value,
// "p<n>" to Pend, "" is the empty text, anything else is a key, typed into
// TypeIn or clicked on its button. The log holds every event with the Pend its
// handler sees ("C" change, "(" push, ")" pop) and every error, "E<number>"
// when thrown to the TypeIn setter and "R<number>" when a click reported it.
struct Driver
{
    ParenBase pad;
    QString log;
    RecordingReporter reporter;

    Driver()
    {
        pad.change.connect([this] { note("C"); });
        pad.push.connect([this] { note("("); });
        pad.pop.connect([this] { note(")"); });
    }
    void note(const char *event) { log += event + QString::number(pad.pend()) + ' '; }
    // "Acc Value p<Pend>: log".
    QString state() const
    {
        return QString::number(pad.acc()) + ' ' + QString::number(pad.value()) + " p"
            + QString::number(pad.pend()) + ": " + log.trimmed();
    }

    bool showActive()
    {
        pad.show();
        QApplication::setActiveWindow(&pad);
        return QTest::qWaitForWindowActive(&pad);
    }
    QRect place(const QString &name) const { return twipsGeometry(pad.findChild<QWidget *>(name)); }

    void run(const QString &steps, bool click)
    {
        for (const QString &step : steps.split(' ')) {
            bool isNumber = false;
            const double number = step.toDouble(&isNumber);
            if (isNumber) {
                pad.setValue(number);
            } else if (step.size() > 1 && step.startsWith('p')) {
                pad.setPend(std::int16_t(step.mid(1).toShort()));
            } else if (click) {
                QTest::mouseClick(
                    pad.findChild<QPushButton *>(PlacingOrder.value(Keys.indexOf(step))),
                    Qt::LeftButton);
                for (const int error : std::exchange(reporter.numbers, {}))
                    log += "R" + QString::number(error) + ' ';
            } else {
                try {
                    pad.setTypeIn(step == "\"\"" ? QString() : step);
                } catch (const RuntimeError &error) {
                    log += "E" + QString::number(error.number()) + ' ';
                }
            }
        }
    }
};

void sequence(const char *name, bool click, const char *steps, const char *state)
{
    QTest::newRow(name) << click << QString(steps) << QString(state);
}

} // namespace

class TestParenBase : public QObject
{
    Q_OBJECT

private slots:
    void keySequences_data()
    {
        QTest::addColumn<bool>("click");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("state");
        sequence("left to right", false, "2 + 3 * 4 =", "20 4 p0: C1 C3 C0");
        sequence("subtract", false, "9 - 4 =", "5 4 p0: C4 C0");
        sequence("divide", false, "9 / 4 =", "2.25 4 p0: C2 C0");
        sequence("divide by zero", false, "5 / 0 =", "5 1 p0: C2 C0");
        sequence("divide by NaN", false, "6 / nan =", "6 1 p0: C2 C0");
        // The 1 that replaced the zero is the operand "*" starts from.
        sequence("zero operand becomes one", false, "5 + -0 = *", "1 1 p3: C1 C0 C3");
        // The same key twice acts twice.
        sequence("equals twice", false, "2 + 3 = =", "3 3 p0: C1 C0 C0");
        sequence("clear keeps the operand", true, "7 + r +", "7 7 p1: C1 C0 C1");
        sequence("unknown code", false, "p7 5 =", "0 5 p0: C0");
        sequence("open only pushes", false, "2 + (", "2 2 p1: C1 (1");
        sequence("close applies and keeps the code", false, "2 + 3 )", "5 3 p1: C1 )1");
        sequence("no keys: R, the empty text, two keys", false, "2 + R \"\" ++", "2 2 p1: C1");
        // A failed action leaves its non-finite result in Acc, keeps Pend and
        // raises nothing; a second action on that Acc fails again.
        sequence("multiply overflows", false, "1E308 * 10 = =", "inf 10 p3: C3 E11 E11");
        sequence("add overflows, clicked", true, "1E308 + + +", "inf 1e+308 p1: C1 R11 R11");
        sequence("subtract overflows", false, "-1E308 - 1E308 = r", "0 1e+308 p0: C4 E11 C0");
        sequence("divide overflows, clicked", true, "1E308 / 1E-10 =", "inf 1e-10 p2: C2 R11");
    }
    void keySequences()
    {
        QFETCH(bool, click);
        QFETCH(QString, steps);
        Driver driver;
        if (click)
            QVERIFY(driver.showActive());
        driver.run(steps, click);
        QTEST(driver.state(), "state");
    }

    void handlerRewritesTypeIn()
    {
        // "=" raises change, whose handler types "+": that adds at once, and
        // the outer setter, still comparing, then finds "+" and adds again.
        Driver driver;
        driver.pad.change.connect([&driver] {
            if (driver.log == "C0 ")
                driver.pad.setTypeIn("+");
        });
        driver.run("2 =", false);
        QCOMPARE(driver.state(), "4 2 p1: C0 C1 C1");
        QCOMPARE(driver.pad.typeIn(), "+");
    }

    // The corners of Div and Clear, the second and the last button placed,
    // show the fill direction and the extent of the grid. The orientation is
    // set first, so every row also shows a resize keeping it.
    void arrangement_data()
    {
        QTest::addColumn<int>("wide");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QSize>("units"); // column unit by row unit
        QTest::addColumn<QPoint>("div");
        QTest::addColumn<QPoint>("clear");
        QTest::addColumn<bool>("overflows");
        // Sizes picked so that one unit is exactly halfway between integers.
        for (int wide : {0, 4, -1})
            QTest::addRow("Wide %d, two columns, row unit 112.5 down to even", wide)
                << wide << QSize(2340, 2475) << QSize(213, 112) << QPoint(1278, 224)
                << QPoint(1278, 1904) << false;
        QTest::addRow("Wide 1, one column, column unit 97.5 up to even")
            << 1 << QSize(585, 4200) << QSize(98, 100) << QPoint(98, 700) << QPoint(98, 3700)
            << false;
        QTest::addRow("Wide 2, four columns") << 2 << QSize(2100, 1200) << QSize(100, 100)
                                              << QPoint(100, 700) << QPoint(1600, 700) << false;
        QTest::addRow("Wide 3, one row") << 3 << QSize(4100, 700) << QSize(100, 100)
                                         << QPoint(600, 200) << QPoint(3600, 200) << false;
        // Clear's top, 37 * 886, is beyond 16 bits: the buttons before it
        // move, and it stays where the design size put it.
        QTest::addRow("overflow at Clear") << 1 << QSize(1800, 37200) << QSize(300, 886)
                                           << QPoint(300, 6202) << QPoint(390, 2627) << true;
    }
    void arrangement()
    {
        QFETCH(int, wide);
        QFETCH(QSize, size);
        QFETCH(QSize, units);
        QFETCH(QPoint, div);
        QFETCH(QPoint, clear);
        QFETCH(bool, overflows);
        Driver driver;
        driver.pad.setWide(std::int16_t(wide));
        if (overflows)
            QVERIFY_THROWS_EXCEPTION(
                OverflowError, driver.pad.setTwipsGeometry(0, 0, size.width(), size.height()));
        else
            driver.pad.setTwipsGeometry(0, 0, size.width(), size.height());
        QCOMPARE(twipsGeometry(driver.pad.findChild<QWidget *>("Border")), QRect({0, 0}, size));
        QCOMPARE(QSize(driver.pad.colUnit(), driver.pad.rowUnit()), units);
        QCOMPARE(driver.place("Div"), QRect(div, units * 4));
        QCOMPARE(driver.place("Clear").topLeft(), clear);
    }

    void orientSetting()
    {
        Driver driver;
        driver.pad.setWide(3);
        driver.pad.readProperties(PropertyBag());
        QCOMPARE(int(driver.pad.wide()), 0);
        PropertyBag bag;
        driver.pad.writeProperties(bag);
        QVERIFY(!bag.contains("Orient")); // the default is not saved

        bag.writeProperty("Orient", 2, 0);
        driver.pad.readProperties(bag);
        QCOMPARE(int(driver.pad.wide()), 2);
        // Loading re-arranges at once: 2340 / 21 and 2970 / 12 units at the design size.
        QCOMPARE(driver.place("Clear"), QRect(1776, 1736, 444, 992));
        for (const QVariant &refused : {QVariant("abc"), QVariant(40000), QVariant(2.5)}) {
            bag.writeProperty("Orient", refused, 0);
            QVERIFY_THROWS_EXCEPTION(ConversionError, driver.pad.readProperties(bag));
            QCOMPARE(int(driver.pad.wide()), 2);
        }
        driver.pad.writeProperties(bag);
        QCOMPARE(bag.readProperty("Orient", 0), QVariant(2));
    }

    void accessKeys()
    {
        Driver driver;
        QVERIFY(driver.showActive());
        driver.run("5 + 2", false);
        // "-" is the caption's trickiest access key, "r" the one letter.
        QTest::keyClick(&driver.pad, '-', Qt::AltModifier);
        QTRY_COMPARE(driver.state(), "7 2 p4: C1 C4");
        QTest::keyClick(&driver.pad, 'r', Qt::AltModifier);
        QTRY_COMPARE(driver.state(), "0 2 p0: C1 C4 C0");
    }
};

ROMAN_TEST_MAIN(TestParenBase)
#include "tst_parenbase.moc"
