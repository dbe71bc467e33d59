// The platform layer: number text, numeric test, checked 16-bit arithmetic,
// twips geometry, design settings and the error guard.

#include "support.h"

#include "core/checked.h"
#include "core/errors.h"
#include "core/event.h"
#include "core/textservices.h"
#include "widgets/grid.h"
#include "widgets/propertybag.h"
#include "widgets/twips.h"
#include "widgets/usercontrol.h"

#include <QApplication>
#include <QLabel>

#include <cmath>
#include <limits>

namespace {

// A component whose layout overflows once it is wider than 32767 twips.
class Probe : public UserControl
{
public:
    Probe()
    {
        child = new QLabel(this);
        initTwipsSize(1500, 300);
    }
    QList<QWidget *> tabOrder() const override { return {}; }
    int layouts = 0;
    QLabel *child;

protected:
    void layoutChildren() override
    {
        ++layouts;
        moveOnGrid(child, gridUnits(twipsWidth(), twipsHeight(), 1, 1), 0, 0, 1, 1);
    }
};

} // namespace

class TestWidgets : public QObject
{
    Q_OBJECT

private slots:
    void numberTextForms_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative zero") << -0.0 << "0";
        QTest::newRow("integer") << 14.0 << "14";
        QTest::newRow("half") << 0.5 << "0.5";
        QTest::newRow("third") << 1.0 / 3 << "0.333333333333333";
        QTest::newRow("smallest plain") << 0.0001 << "0.0001";
        QTest::newRow("below plain") << 0.00001 << "1E-05";
        QTest::newRow("largest plain") << 123456789012345.0 << "123456789012345";
        QTest::newRow("1E15") << 1e15 << "1E+15";
        QTest::newRow("rounded to 15 digits") << 1234567890123456.0 << "1.23456789012346E+15";
        QTest::newRow("rounds up to 1E15") << 999999999999999.9 << "1E+15";
        QTest::newRow("three-digit exponent") << 1.5e300 << "1.5E+300";
        QTest::newRow("largest double")
            << std::numeric_limits<double>::max() << "1.79769313486232E+308";
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << "Infinity";
        QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << "NaN";
    }
    void numberTextForms()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(numberText(value), text);
    }

    void numberTextFollowsLocale()
    {
        LocaleScope german(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(numberText(2.5), QStringLiteral("2,5"));
        QCOMPARE(numberText(-1.25e-7), QStringLiteral("-1,25E-07"));
        QCOMPARE(numberText(1234567.0), QStringLiteral("1234567")); // no grouping
    }

    void numericTest_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<double>("value");
        QTest::newRow("integer") << "12" << true << 12.0;
        QTest::newRow("blanks") << "  -5 " << true << -5.0;
        QTest::newRow("decimal") << "2.5" << true << 2.5;
        QTest::newRow("leading point") << ".5" << true << 0.5;
        QTest::newRow("exponent") << "1E3" << true << 1000.0;
        QTest::newRow("largest double")
            << "1.7976931348623157E308" << true << std::numeric_limits<double>::max();
        QTest::newRow("largest as shown")
            << "1.79769313486232E+308" << true << std::numeric_limits<double>::max();
        QTest::newRow("largest as shown, negative")
            << "-1.79769313486232E+308" << true << -std::numeric_limits<double>::max();
        QTest::newRow("just beyond largest shown") << "1.797693134862321E+308" << false << 0.0;
        QTest::newRow("underflow is zero") << "1E-999" << true << 0.0;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("sign alone") << "-" << false << 0.0;
        QTest::newRow("point alone") << "." << false << 0.0;
        QTest::newRow("exponent without digits") << "1E" << false << 0.0;
        QTest::newRow("beyond double") << "1E999" << false << 0.0;
        QTest::newRow("huge exponent") << "1e99999999999999999999" << false << 0.0;
        QTest::newRow("inf") << "inf" << false << 0.0;
        QTest::newRow("nan") << "nan" << false << 0.0;
        QTest::newRow("hexadecimal") << "0x1F" << false << 0.0;
        QTest::newRow("thousands separator") << "1,000" << false << 0.0;
        QTest::newRow("arabic-indic digits") << QString::fromUtf8("\u0661\u0662") << false << 0.0;
    }
    void numericTest()
    {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QFETCH(double, value);
        const auto number = parseNumber(text);
        QCOMPARE(number.has_value(), accepted);
        if (accepted)
            QCOMPARE(*number, value);
    }

    void numericTestFollowsLocale()
    {
        LocaleScope german(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(parseNumber(QStringLiteral("2,5")), std::optional<double>(2.5));
        QVERIFY(!parseNumber(QStringLiteral("2.5")));
        QVERIFY(!parseNumber(QStringLiteral("1.000")));
    }

    void rounding_data()
    {
        // A rounded value of std::nullopt means the overflow error.
        QTest::addColumn<double>("value");
        QTest::addColumn<std::optional<int>>("rounded");
        QTest::newRow("0.5 to even 0") << 0.5 << std::optional(0);
        QTest::newRow("2.5 to even 2") << 2.5 << std::optional(2);
        QTest::newRow("-2.5 to even -2") << -2.5 << std::optional(-2);
        QTest::newRow("upper limit") << 32767.4 << std::optional(32767);
        QTest::newRow("lower limit") << -32768.5 << std::optional(-32768);
        QTest::newRow("just over") << 32767.5 << std::optional<int>();
        QTest::newRow("nan") << std::nan("") << std::optional<int>();
    }
    void rounding()
    {
        QFETCH(double, value);
        QFETCH(std::optional<int>, rounded);
        if (rounded)
            QCOMPARE(roundToInt16(value), *rounded);
        else
            QVERIFY_THROWS_EXCEPTION(OverflowError, roundToInt16(value));
    }

    void checkedArithmetic()
    {
        QCOMPARE(multiply16(90, 364), 32760);
        QCOMPARE(multiply16(-4, 8192), -32768);
        QVERIFY_THROWS_EXCEPTION(OverflowError, multiply16(90, 365));
        QVERIFY_THROWS_EXCEPTION(OverflowError, multiply16(-1, -32768));
        QCOMPARE(subtract16(-32767, 1), -32768);
        QVERIFY_THROWS_EXCEPTION(OverflowError, subtract16(-32768, 1));
        QVERIFY_THROWS_EXCEPTION(OverflowError, subtract16(32767, -1));
    }

    void moveKeepsTwips()
    {
        QWidget parent;
        auto *child = new QLabel(&parent);
        moveTwips(child, 125, 210, 2250, 421);
        QCOMPARE(twipsGeometry(child), QRect(125, 210, 2250, 421));
        QCOMPARE(child->geometry(), QRect(8, 14, 150, 28));
    }

    void controlLaysOutOnlyOnRealResize()
    {
        Probe probe;
        QCOMPARE(probe.layouts, 1); // its own first sizing
        probe.setTwipsGeometry(30, 45, 1500, 300);
        QCOMPARE(probe.layouts, 1); // moved, not resized
        probe.setTwipsGeometry(0, 0, 1502, 300);
        QCOMPARE(probe.layouts, 2);
        probe.show();
        QVERIFY(QTest::qWaitForWindowExposed(&probe));
        QCOMPARE(probe.layouts, 2); // showing is no resize
        probe.resize(200, 40);      // Qt resizes it: the twips follow the pixels
        QCOMPARE(probe.layouts, 3);
        QCOMPARE(probe.twipsGeometry().size(), QSize(3000, 600));
    }

    void errorInQtEntryPointIsReported()
    {
        RecordingReporter reporter;
        Probe probe;
        probe.show();
        QVERIFY(QTest::qWaitForWindowExposed(&probe));
        probe.resize(2200, 40); // 33000 twips: the layout overflows inside resizeEvent
        QCOMPARE(reporter.numbers, std::vector<int> {OverflowNumber});
        probe.resize(100, 40); // and the next resize works again
        QCOMPARE(reporter.numbers.size(), std::size_t(1));
        QCOMPARE(twipsGeometry(probe.child), QRect(0, 0, 1500, 600));
    }

    void handlerMayConnectWhileRaised()
    {
        Event event;
        int calls = 0;
        event.connect([&] {
            for (int i = 0; i < 8; ++i) // enough to make the list grow
                event.connect([&] { ++calls; });
            ++calls;
        });
        event.raise();
        QCOMPARE(calls, 9);
    }

    void propertyBagStoresOnlyNonDefaults()
    {
        PropertyBag bag;
        QCOMPARE(bag.readProperty("Orient", 0).toInt(), 0);
        bag.writeProperty("Orient", 2, 0);
        QCOMPARE(bag.readProperty("Orient", 0).toInt(), 2);
        bag.writeProperty("Orient", 0, 0);
        QVERIFY(!bag.contains("Orient"));
    }

    void int16Conversion_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("converted");
        QTest::newRow("int") << QVariant(3) << 3;
        QTest::newRow("text") << QVariant(QStringLiteral(" -2 ")) << -2;
        QTest::newRow("fraction") << QVariant(2.5) << 99999;
        QTest::newRow("too large") << QVariant(40000) << 99999;
        QTest::newRow("not a number") << QVariant(QStringLiteral("abc")) << 99999;
    }
    void int16Conversion()
    {
        QFETCH(QVariant, stored);
        QFETCH(int, converted);
        if (converted == 99999)
            QVERIFY_THROWS_EXCEPTION(ConversionError, toInt16(stored, "Orient"));
        else
            QCOMPARE(toInt16(stored, "Orient"), converted);
    }
};

ROMAN_TEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
