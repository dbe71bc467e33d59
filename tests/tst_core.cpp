// What the calculator computes and reads, without a widget: the number text
// and the numeric test in both separator conventions, Roman numerals both
// ways, hexadecimal entries, and events.

#include "support.h"

#include "core/event.h"
#include "core/numeralparse.h"
#include "core/romannumeral.h"
#include "core/textservices.h"

#include <QtNumeric>

#include <limits>

const double Largest = std::numeric_limits<double>::max();

class TestCore : public QObject
{
    Q_OBJECT

private slots:
    void init() { pinLocaleAndFailOnErrors(); }

    void numberText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text"); // with a point; the German locale has a comma
        for (const auto &[value, text] :
            {std::pair {-0.0, "0"}, {-1234567.5, "-1234567.5"}, {1.0 / 3, "0.333333333333333"},
                {0.0001, "0.0001"}, {-1.25e-5, "-1.25E-05"}, {123456789012345.0, "123456789012345"},
                {1e15, "1E+15"}, {1234567890123456.0, "1.23456789012346E+15"},
                {Largest, "1.79769313486232E+308"}, {qInf(), "Infinity"}, {qQNaN(), "NaN"}})
            QTest::newRow(text) << value << QString(text);
    }
    void numberText()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(::numberText(value), text);
        QLocale::setDefault(QLocale::German);
        QCOMPARE(::numberText(value), text.replace('.', ','));
    }

    void parseNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value"); // NaN: no number
        for (const auto &[text, value] :
            {std::pair {"  -5 ", -5.0}, {"+.5", 0.5}, {"2.5E+3", 2500.0},
                {"1.7976931348623157E308", Largest}, {"1.79769313486232E+308", Largest},
                {"-1.79769313486232E+308", -Largest}, {"1E-999", 0.0}})
            QTest::newRow(text) << QString(text) << value;
        for (const char *text : {"", "-", ".", "1E", "1E999", "1.797693134862321E+308",
                 "1e99999999999999999999", "inf", "nan", "0x1F", "1,000.5", "1 2", "\u0661"})
            QTest::newRow(text) << QString(text) << qQNaN();
    }
    void parseNumber()
    {
        QFETCH(QString, text);
        QTEST(::parseNumber(text).value_or(qQNaN()), "value"); // NaN equals NaN here
        QLocale::setDefault(QLocale::German);
        if (text.contains('.'))
            QVERIFY(!::parseNumber(text));
        QTEST(::parseNumber(text.replace('.', ',')).value_or(qQNaN()), "value");
    }

    void romanNumeral_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("spoken");
        const auto row = [](double value, const char *text, const char *spoken) {
            QTest::addRow("%g", value) << value << QString(text) << QString(spoken);
        };
        row(0.0, " - - - - - -", "zero");
        row(-0.0, " - - - - - -", "zero");
        row(1999, "MCMXCIX", "MCMXCIX: 1999");
        row(444, "CDXLIV", "CDXLIV: 444");
        row(2.5, "II", "II: 2.5"); // halves to even
        row(-2.5, "(II)", "(II): -2.5");
        row(0.4, "", "0.4 rounds to no Roman numeral");
        row(-0.4, "()", "-0.4 rounds to no Roman numeral");
        row(8999.5, "MMMMMMMMM", "MMMMMMMMM: 8999.5");
        row(-8999.5, "(MMMMMMMMM)", "(MMMMMMMMM): -8999.5");
        row(9000, "Roman overflow", "Roman overflow: 9000 is too large for Roman numerals");
        row(qInf(), "Roman overflow", "Roman overflow: Infinity is too large for Roman numerals");
        row(-9000, "Roman underflow", "Roman underflow: -9000 is too small for Roman numerals");
        row(qQNaN(), "Roman underflow", "Roman underflow: not a number");
    }
    void romanNumeral()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(::romanNumeral(value), text);
        QTEST(romanDescription(value, text), "spoken");
    }

    void parseNumeral_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value"); // NaN: no numeral; infinity: overflow
        // Lenient: any order and repetition, and a pair subtracts only when adjacent.
        for (const auto &[text, value] : {std::pair {"xiv", 14.0}, {"IIII", 4.0}, {"VX", 15.0},
                 {"IIX", 10.0}, {"IXI", 10.0}, {"IM", 1001.0}, {"", 0.0},
                 {"0xaBcDeF", double(0xABCDEF)}, {"0X1fz", 31.0}, {"0XG", 0.0}})
            QTest::newRow(text) << QString(text) << value;
        for (const char *text : {"DD", "LL", "VV", "DM", "LD", "VL", "12X", "XIV ", "R", "-0X1"})
            QTest::newRow(text) << QString(text) << qQNaN();
        QTest::newRow("largest") << "0XFFFFFFFFFFFFF8" + QString(242, '0') << Largest;
        QTest::newRow("2^1024") << "0X1" + QString(256, '0') << qInf();
    }
    void parseNumeral()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        if (qIsInf(value))
            QVERIFY_THROWS_EXCEPTION(OverflowError, ::parseNumeral(text));
        else
            QCOMPARE(::parseNumeral(text).value_or(qQNaN()), value);
    }

    void handlerMayConnectWhileRaised()
    {
        Event event;
        int calls = 0;
        event.connect([&] {
            for (int i = 0; i < 8; ++i) // enough for the list to move
                event.connect([&] { ++calls; });
        });
        event.raise();
        QCOMPARE(calls, 8);
    }
};

QTEST_GUILESS_MAIN(TestCore)
#include "tst_core.moc"
