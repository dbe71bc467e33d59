#include "calc/parenbase.h"
#include "support.h"
#include "widgets/propertybag.h"
#include "widgets/twips.h"

#include <QApplication>
#include <QPushButton>

#include <limits>
#include <utility>
#include <vector>

namespace {

const QStringList PlacingOrder
    = {"Add", "Div", "Mult", "Subt", "LParen", "RParen", "Equals", "Clear"};
const QHash<QString, QString> ButtonOfKey = {{"+", "Add"}, {"-", "Subt"}, {"*", "Mult"},
    {"/", "Div"}, {"(", "LParen"}, {")", "RParen"}, {"=", "Equals"}, {"r", "Clear"}};
constexpr double Infinity = std::numeric_limits<double>::infinity();

// Drives a keypad the way the calculator's window does. Steps are words: a
// number goes to Value, "p<n>" to Pend, "" is the empty text, anything else
// is a key, typed into TypeIn or clicked on its button. "(" and ")" set the
// outer calculation aside and bring it back. Every event is logged with the
// Pend its handler sees: "C" for change, "(" for push and ")" for pop.
struct Driver
{
    ParenBase pad;
    QString log;
    std::vector<std::pair<std::int16_t, double>> saved;

    Driver()
    {
        pad.change.connect([this] { note("C"); });
        pad.push.connect([this] {
            note("(");
            saved.emplace_back(pad.pend(), pad.acc());
            pad.setPend(0);
            pad.setAcc(0);
        });
        pad.pop.connect([this] {
            note(")");
            pad.setValue(pad.acc());
            if (saved.empty())
                return;
            pad.setPend(saved.back().first);
            pad.setAcc(saved.back().second);
            saved.pop_back();
        });
    }
    void note(const char *event) { log += event + QString::number(pad.pend()) + ' '; }
    QString events() const { return log.trimmed(); }

    bool showActive()
    {
        pad.show();
        QApplication::setActiveWindow(&pad);
        return QTest::qWaitForWindowActive(&pad);
    }
    QPushButton *button(const QString &name) const { return pad.findChild<QPushButton *>(name); }
    QRect place(const QString &name) const { return twipsGeometry(button(name)); }
    QList<QRect> places() const
    {
        QList<QRect> rects;
        for (const QString &name : PlacingOrder)
            rects << place(name);
        return rects;
    }

    void perform(const QString &step, bool click)
    {
        bool isNumber = false;
        const double number = step.toDouble(&isNumber);
        if (isNumber)
            pad.setValue(number);
        else if (step.size() > 1 && step.startsWith('p'))
            pad.setPend(std::int16_t(step.mid(1).toShort()));
        else if (click)
            QTest::mouseClick(button(ButtonOfKey.value(step)), Qt::LeftButton);
        else
            pad.setTypeIn(step == "\"\"" ? QString() : step);
    }
    void run(const QString &steps, bool click)
    {
        for (const QString &step : steps.split(' '))
            perform(step, click);
    }
};

// Each key sequence runs once typed into TypeIn and once clicked.
void addBothWays(const char *name, auto &&...columns)
{
    ((QTest::addRow("%s, typed", name) << false) << ... << columns);
    ((QTest::addRow("%s, clicked", name) << true) << ... << columns);
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
        QTest::addColumn<double>("acc");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("pend");
        QTest::addColumn<QString>("events");

        addBothWays("left to right", "2 + 3 * 4 =", 20.0, 4.0, 0, "C1 C3 C0");
        addBothWays("subtract", "9 - 4 =", 5.0, 4.0, 0, "C4 C0");
        addBothWays("divide", "9 / 4 =", 2.25, 4.0, 0, "C2 C0");
        addBothWays("divide by zero", "5 / 0 =", 5.0, 1.0, 0, "C2 C0");
        addBothWays("divide by NaN", "6 / nan =", 6.0, 1.0, 0, "C2 C0");
        addBothWays("zero operand kept as one", "5 + 0 = *", 1.0, 1.0, 3, "C1 C0 C3");
        addBothWays("negative zero", "5 - -0 =", 5.0, 1.0, 0, "C4 C0");
        addBothWays("equals starts from the operand", "2 + 3 = * 4 =", 12.0, 4.0, 0, "C1 C0 C3 C0");
        addBothWays("equals twice", "2 + 3 = =", 3.0, 3.0, 0, "C1 C0 C0");
        addBothWays("clear keeps the operand", "7 + r +", 7.0, 7.0, 1, "C1 C0 C1");
        addBothWays("add twice", "2 + +", 4.0, 2.0, 1, "C1 C1");
        addBothWays("unknown code", "p7 5 =", 0.0, 5.0, 0, "C0");
        addBothWays("close keeps the code", "2 + 3 )", 5.0, 5.0, 1, "C1 )1");
        addBothWays("parenthesis", "2 * ( 3 + 4 ) =", 14.0, 7.0, 0, "C3 (3 C1 )1 C0");
        addBothWays("nested", "2 * ( 3 + ( 4 - 1 ) ) =", 12.0, 6.0, 0, "C3 (3 C1 (1 C4 )4 )1 C0");
        addBothWays("empty parenthesis", "5 + ( ) =", 10.0, 5.0, 0, "C1 (1 )0 C0");
        QTest::addRow("R is no key") << false << "2 + R" << 2.0 << 2.0 << 1 << "C1";
        QTest::addRow("empty text") << false << "2 + \"\"" << 2.0 << 2.0 << 1 << "C1";
        QTest::addRow("two keys") << false << "2 + ++" << 2.0 << 2.0 << 1 << "C1";
    }
    void keySequences()
    {
        QFETCH(bool, click);
        QFETCH(QString, steps);
        Driver driver;
        if (click)
            QVERIFY(driver.showActive());
        driver.run(steps, click);
        QTEST(driver.pad.acc(), "acc");
        QTEST(driver.pad.value(), "value");
        QTEST(int(driver.pad.pend()), "pend");
        QTEST(driver.events(), "events");
    }

    void handlerRewritesTypeIn()
    {
        // "=" raises change, whose handler types "+": that adds at once, and
        // the outer setter, still comparing, then finds "+" and adds again.
        Driver driver;
        driver.pad.change.connect([&driver] {
            if (driver.events() == "C0")
                driver.pad.setTypeIn("+");
        });
        driver.run("2 =", false);
        QCOMPARE(driver.events(), "C0 C1 C1");
        QCOMPARE(driver.pad.acc(), 4.0);
        QCOMPARE(driver.pad.typeIn(), "+");
    }

    void arithmeticError_data()
    {
        QTest::addColumn<bool>("click");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<double>("acc");
        QTest::addColumn<int>("pend");
        addBothWays("multiply", "1E308 * 10", Infinity, 3);
        addBothWays("add", "1E308 +", Infinity, 1);
        addBothWays("subtract", "-1E308 - 1E308", -Infinity, 4);
        addBothWays("divide", "1E308 / 1E-10", Infinity, 2);
    }
    void arithmeticError()
    {
        QFETCH(bool, click);
        QFETCH(QString, steps);
        Driver driver;
        if (click)
            QVERIFY(driver.showActive());
        driver.run(steps, click);
        driver.log.clear();

        // The second "=" works on the infinite accumulator and must fail too.
        for (int attempt = 0; attempt < 2; ++attempt) {
            if (click) {
                RecordingReporter reporter;
                driver.perform("=", true);
                QCOMPARE(reporter.numbers, std::vector<int> {ArithmeticNumber});
            } else {
                QVERIFY_THROWS_EXCEPTION(ArithmeticError, driver.pad.setTypeIn("="));
            }
            QTEST(driver.pad.acc(), "acc");
            QTEST(int(driver.pad.pend()), "pend");
            QCOMPARE(driver.events(), "");
        }
        driver.perform("r", click);
        QCOMPARE(driver.pad.acc(), 0.0);
        QCOMPARE(driver.events(), "C0");
    }

    void arrangement_data()
    {
        QTest::addColumn<int>("wide");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("rowUnit");
        QTest::addColumn<int>("colUnit");
        QTest::addColumn<QList<int>>("lefts"); // empty: only the units matter
        QTest::addColumn<QList<int>>("tops");

        using L = QList<int>;
        for (int wide : {0, 4, -1, 1000, -32768})
            QTest::addRow("Wide %d, two columns", wide)
                << wide << QSize(1815, 2415) << 110 << 165
                << L {165, 990, 165, 990, 165, 990, 165, 990}
                << L {220, 220, 770, 770, 1320, 1320, 1870, 1870};
        QTest::addRow("Wide 1, one column")
            << 1 << QSize(1800, 4200) << 100 << 300 << L {300, 300, 300, 300, 300, 300, 300, 300}
            << L {200, 700, 1200, 1700, 2200, 2700, 3200, 3700};
        QTest::addRow("Wide 2, four columns") << 2 << QSize(2100, 1200) << 100 << 100
                                              << L {100, 100, 600, 600, 1100, 1100, 1600, 1600}
                                              << L {200, 700, 200, 700, 200, 700, 200, 700};
        QTest::addRow("Wide 3, one row") << 3 << QSize(4100, 700) << 100 << 100
                                         << L {100, 600, 1100, 1600, 2100, 2600, 3100, 3600}
                                         << L {200, 200, 200, 200, 200, 200, 200, 200};
        QTest::addRow("row unit 112.5 to even")
            << 0 << QSize(2340, 2475) << 112 << 213 << L {} << L {};
        QTest::addRow("row unit 97.5 to even")
            << 0 << QSize(2340, 2145) << 98 << 213 << L {} << L {};
        QTest::addRow("column unit 112.5 to even")
            << 1 << QSize(675, 4200) << 100 << 112 << L {} << L {};
        QTest::addRow("column unit 97.5 to even")
            << 1 << QSize(585, 4200) << 100 << 98 << L {} << L {};
        QTest::addRow("too narrow") << 0 << QSize(5, 2970) << 135 << 0 << L(8, 0)
                                    << L {270, 270, 945, 945, 1620, 1620, 2295, 2295};
    }
    void arrangement()
    {
        QFETCH(int, wide);
        QFETCH(QSize, size);
        QFETCH(int, rowUnit);
        QFETCH(int, colUnit);
        QFETCH(QList<int>, lefts);
        QFETCH(QList<int>, tops);

        Driver driver;
        driver.pad.setTwipsGeometry(0, 0, size.width(), size.height());
        driver.pad.setWide(std::int16_t(wide));
        QCOMPARE(twipsGeometry(driver.pad.findChild<QWidget *>("Border")), QRect({0, 0}, size));
        QCOMPARE(int(driver.pad.rowUnit()), rowUnit);
        QCOMPARE(int(driver.pad.colUnit()), colUnit);
        for (int i = 0; i < lefts.size(); ++i)
            QCOMPARE(
                driver.place(PlacingOrder[i]), QRect(lefts[i], tops[i], 4 * colUnit, 4 * rowUnit));

        if (lefts.isEmpty() || colUnit == 0)
            return;
        // A later resize keeps the orientation: twice the size, twice every place.
        const QList<QRect> before = driver.places();
        driver.pad.setTwipsGeometry(0, 0, size.width() * 2, size.height() * 2);
        for (int i = 0; i < before.size(); ++i)
            QCOMPARE(driver.place(PlacingOrder[i]),
                QRect(before[i].topLeft() * 2, before[i].size() * 2));
    }

    void overflowPartWay_data()
    {
        QTest::addColumn<bool>("byResize");
        QTest::addRow("resize") << true;
        QTest::addRow("Wide write") << false;
    }
    void overflowPartWay()
    {
        // One column 37200 high: the row unit is 886, and Clear's top,
        // 37 * 886, is beyond 16 bits.
        QFETCH(bool, byResize);
        Driver driver;
        if (byResize)
            driver.pad.setWide(1);
        else
            driver.pad.setTwipsGeometry(0, 0, 1800, 37200);
        const QRect clearBefore = driver.place("Clear");

        if (byResize)
            QVERIFY_THROWS_EXCEPTION(OverflowError, driver.pad.setTwipsGeometry(0, 0, 1800, 37200));
        else
            QVERIFY_THROWS_EXCEPTION(OverflowError, driver.pad.setWide(1));
        QCOMPARE(int(driver.pad.wide()), 1);
        QCOMPARE(int(driver.pad.rowUnit()), 886);
        QCOMPARE(int(driver.pad.colUnit()), 300);
        for (int i = 0; i < 7; ++i)
            QCOMPARE(driver.place(PlacingOrder[i]), QRect(300, (2 + 5 * i) * 886, 1200, 3544));
        QCOMPARE(driver.place("Clear"), clearBefore);
    }

    void orientSetting_data()
    {
        QTest::addColumn<QVariant>("saved");
        QTest::addColumn<int>("wide"); // 3, as before loading, when the value is refused
        QTest::addRow("no entry") << QVariant() << 0;
        QTest::addRow("2") << QVariant(2) << 2;
        QTest::addRow("-1") << QVariant(-1) << -1;
        QTest::addRow("text 1") << QVariant("1") << 1;
        QTest::addRow("text abc") << QVariant("abc") << 3;
        QTest::addRow("40000") << QVariant(40000) << 3;
        QTest::addRow("2.5") << QVariant(2.5) << 3;
    }
    void orientSetting()
    {
        QFETCH(QVariant, saved);
        QFETCH(int, wide);
        PropertyBag bag;
        if (saved.isValid())
            bag.writeProperty("Orient", saved, 0);
        Driver driver, expected;
        driver.pad.setWide(3);
        expected.pad.setWide(std::int16_t(wide));

        if (wide == 3)
            QVERIFY_THROWS_EXCEPTION(ConversionError, driver.pad.readProperties(bag));
        else
            driver.pad.readProperties(bag);
        QCOMPARE(int(driver.pad.wide()), wide);
        QCOMPARE(driver.places(), expected.places());

        PropertyBag written;
        driver.pad.writeProperties(written);
        QCOMPARE(written.contains("Orient"), wide != 0);
        QCOMPARE(written.readProperty("Orient", 0).toInt(), wide);
    }

    void accessKeys_data()
    {
        QTest::addColumn<char>("key");
        QTest::addColumn<double>("acc");
        QTest::addColumn<QString>("events");
        QTest::addRow("Alt++ adds") << '+' << 7.0 << "C1";
        QTest::addRow("Alt+- subtracts") << '-' << 7.0 << "C4";
        QTest::addRow("Alt+R clears") << 'r' << 0.0 << "C0";
        QTest::addRow("Alt+( opens") << '(' << 0.0 << "(1";
    }
    void accessKeys()
    {
        QFETCH(char, key);
        QFETCH(QString, events);
        Driver driver;
        driver.run("5 + 2", false);
        driver.log.clear();
        QVERIFY(driver.showActive());
        QTest::keyClick(&driver.pad, key, Qt::AltModifier);
        QTRY_COMPARE(driver.events(), events);
        QTEST(driver.pad.acc(), "acc");
    }

    void tabOrder()
    {
        Driver driver;
        QVERIFY(driver.showActive());
        driver.button("Clear")->setFocus();
        QStringList visited {QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 8; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited.join(' '), "Clear Equals RParen LParen Mult Subt Div Add Clear");
    }
};

ROMAN_TEST_MAIN(TestParenBase)
#include "tst_parenbase.moc"
