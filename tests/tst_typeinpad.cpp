#include "numerals/numeralparse.h"
#include "numerals/typeinpad.h"
#include "support.h"
#include "widgets/twips.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>
#include <limits>
#include <utility>

namespace {

// Each Change as the host sees it: the value, then the key in brackets.
QString delivery(const TypeInPad &pad)
{
    const QString key = pad.conKey();
    return QString::number(pad.value()) + (key.isEmpty() ? QString() : "[" + key + "]");
}

// The numeral for n by the usual subtractive rule, thousands as repeated M.
QString standardRoman(int n)
{
    static const std::pair<int, const char *> parts[]
        = {{1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"}, {90, "XC"}, {50, "L"},
            {40, "XL"}, {10, "X"}, {9, "IX"}, {5, "V"}, {4, "IV"}, {1, "I"}};
    QString numeral;
    for (const auto &[value, letters] : parts) {
        for (; n >= value; n -= value)
            numeral += QLatin1String(letters);
    }
    return numeral;
}

struct Harness
{
    Harness()
    {
        pad.change.connect([this] {
            QVERIFY(!pad.selfEdit());
            events << delivery(pad);
        });
        pad.show();
    }
    TypeInPad pad;
    QLineEdit *box = pad.findChild<QLineEdit *>("Text1");
    QStringList events;
};

constexpr double NoValue = std::numeric_limits<double>::quiet_NaN();

} // namespace

class TypeInPadTest : public QObject
{
    Q_OBJECT

private slots:
    void numeral_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected"); // NaN: no numeral; infinity: overflow
        const char *accepted[][2] = {{"XIV", "14"}, {"xiv", "14"}, {"MCMXCIX", "1999"},
            {"CDXLIV", "444"}, {"XLIX", "49"}, {"IIII", "4"}, {"MMMM", "4000"}, {"VX", "15"},
            {"IIX", "10"}, {"VIV", "9"}, {"IXI", "10"}, {"CMC", "1000"}, {"IM", "1001"},
            {"IC", "101"}, {"LC", "150"}, {"", "0"}, {"0x1F", "31"}, {"0X1fz", "31"},
            {"0X10", "16"}, {"0X", "0"}, {"0XG", "0"}, {"0xff7", "4087"}};
        for (const auto &[text, value] : accepted)
            QTest::newRow(text) << QString(text) << QString(value).toDouble();
        for (const char *text : {"DD", "LL", "VV", "DM", "LD", "VL", "MDCLXVV", "12X", "XIV ",
                 " XIV", "R", "XIZ", "1+2", "-0X1", "X0X1"})
            QTest::newRow(text) << QString(text) << NoValue;
        const double overflow = std::numeric_limits<double>::infinity();
        QTest::newRow("2^1023") << "0X8" + QString(255, '0') << std::ldexp(1.0, 1023);
        QTest::newRow("largest double")
            << "0XFFFFFFFFFFFFF8" + QString(242, '0') << std::numeric_limits<double>::max();
        QTest::newRow("2^1024") << "0X1" + QString(256, '0') << overflow;
        QTest::newRow("256 F") << "0X" + QString(256, 'F') << overflow;
        QTest::newRow("1000 digits") << "0X" + QString(1000, 'A') << overflow;
        QTest::newRow("leading zeros") << "0X" + QString(1000, '0') + "1F" << 31.0;
    }
    void numeral()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        if (std::isinf(expected)) {
            QVERIFY_THROWS_EXCEPTION(OverflowError, parseNumeral(text));
            return;
        }
        const auto value = parseNumeral(text);
        QCOMPARE(value.has_value(), !std::isnan(expected));
        if (value)
            QCOMPARE(*value, expected);
    }

    void standardNumeralsReadBack()
    {
        for (int n = 1; n <= 8999; ++n)
            QCOMPARE(parseRoman(standardRoman(n)), std::optional<double>(n));
    }

    // Typed with real key presses into an empty pad ("\b" is Backspace), or
    // pasted over all of a pad showing 7. Events list value[key] per Change.
    void edits_data()
    {
        QTest::addColumn<bool>("typed");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("events");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("key");
        const auto row = [](const char *name, bool typed, const QString &input, const char *events,
                             const QString &box, const QString &key) {
            QTest::newRow(name) << typed << input << QString(events) << box << key;
        };
        row("typed XIV", true, "XIV", "10 11 14", "XIV", "");
        row("typed xiv", true, "xiv", "10 11 14", "xiv", "");
        row("typed 12+", true, "12+", "1 12 12[+]", "12", "+");
        row("typing on after a key", true, "12+3", "1 12 12[+] 123", "123", "");
        row("typed key into empty", true, "+", "0[+]", "", "+");
        row("typed -5", true, "-5", "0[-] 5", "5", "");
        row("typed VV+", true, "VV+", "5", "VV", "+");
        row("typed 0x1F*", true, "0x1F*", "0 0 1 31 31[*]", "0x1F", "*");
        row("deleted to empty", true, "XI\b\b", "10 11 10 0", "", "");
        row("pasted -5", false, "-5", "-5", "-5", "");
        row("pasted 2.5E1", false, " 2.5E1 ", "25", " 2.5E1 ", "");
        row("pasted XIVr", false, "XIVr", "14[r]", "XIV", "r");
        row("pasted 0X1fz", false, "0X1fz", "31", "0X1fz", "");
        row("pasted empty", false, "", "0", "", "");
        for (const char *text : {"1+2", "R", "XIR", "XIV ", "1E999", "inf", "nan"})
            row(text, false, text, "", text, "");
        row("pasted VV+", false, "VV+", "", "VV", "+");
        for (const QChar key : QStringView(u"=+-)(*/r"))
            row(qPrintable(QStringLiteral("key ") + key), false, QStringLiteral("XI") + key,
                qPrintable(QStringLiteral("11[%1]").arg(key)), "XI", key);
    }
    void edits()
    {
        QFETCH(bool, typed);
        QFETCH(QString, input);
        QFETCH(QString, events);
        QFETCH(QString, box);
        QFETCH(QString, key);
        Harness h;
        const double before = typed ? 0 : 7;
        h.pad.setValue(before);
        if (typed) {
            QTest::keyClicks(h.box, input);
        } else {
            QGuiApplication::clipboard()->setText(input);
            h.box->selectAll();
            h.box->paste();
        }
        QCOMPARE(h.events.join(' '), events);
        QCOMPARE(h.box->text(), box);
        QCOMPARE(h.box->cursorPosition(), box.size());
        QCOMPARE(h.pad.conKey(), key);
        const QString last = h.events.isEmpty() ? QString::number(before) : h.events.last();
        QCOMPARE(h.pad.value(), last.section('[', 0, 0).toDouble());
        QVERIFY(!h.pad.selfEdit());
    }

    void decimalComma()
    {
        LocaleScope german(QLocale(QLocale::German, QLocale::Germany));
        Harness h;
        h.box->setText("2,5");
        h.box->setText("2.5");
        QCOMPARE(h.events, QStringList {"2.5"});
        h.pad.setValue(-1.25);
        QCOMPARE(h.box->text(), "-1,25");
    }

    // As on the main window: a key makes the host clear the pad from within Change.
    void hostClearsInsideChange()
    {
        Harness h;
        h.pad.change.connect([&] {
            if (!h.pad.conKey().isEmpty())
                h.pad.setValue(0);
        });
        QTest::keyClicks(h.box, "12+3");
        QCOMPARE(h.events.join(' '), "1 12 12[+] 3");
        QCOMPARE(h.box->text(), "3");
        QCOMPARE(h.box->cursorPosition(), 1);
    }

    void errorInHostHandler()
    {
        RecordingReporter reporter;
        Harness h;
        h.pad.change.connect([&] {
            if (h.pad.conKey() == "/")
                throw ArithmeticError();
        });
        QTest::keyClicks(h.box, "8/2");
        QCOMPARE(reporter.numbers, std::vector<int> {ArithmeticNumber});
        QCOMPARE(h.events.join(' '), "8 8[/] 82");
        QVERIFY(!h.pad.selfEdit());
    }

    void hexadecimalOverflow()
    {
        RecordingReporter reporter;
        Harness h;
        h.pad.setValue(7);
        h.box->setText("0X1" + QString(256, '0') + "+");
        QCOMPARE(reporter.numbers, std::vector<int> {OverflowNumber});
        QCOMPARE(h.events, QStringList());
        QCOMPARE(h.pad.value(), 7.0);
        QVERIFY(!h.pad.selfEdit());
        QTest::keyClicks(h.box, "\b");
        QCOMPARE(h.events.size(), 1);
        QCOMPARE(h.pad.value(), std::ldexp(1.0, 1020));
    }

    void largePaste_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<double>("expected");
        const int megabyte = 1 << 20;
        QTest::newRow("digits") << QString(megabyte, '0') + "7" << 7.0;
        QTest::newRow("Roman") << QString(megabyte, 'M') << 1000.0 * megabyte;
        QTest::newRow("hexadecimal") << "0X" + QString(megabyte, '0') + "1F" << 31.0;
    }
    void largePaste()
    {
        QFETCH(QString, input);
        QFETCH(double, expected);
        Harness h;
        h.box->setText(input + "=");
        QCOMPARE(h.pad.value(), expected);
        QCOMPARE(h.pad.conKey(), "=");
        QCOMPARE(h.box->text().size(), input.size());
    }

    void writeValue_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("zero") << 0.0 << "";
        QTest::newRow("negative zero") << -0.0 << "";
        QTest::newRow("14") << 14.0 << "14";
        QTest::newRow("large") << 1.5e20 << "1.5E+20";
    }
    void writeValue()
    {
        QFETCH(double, value);
        QFETCH(QString, shown);
        Harness h;
        h.box->setText("12+");
        h.events.clear();
        h.pad.setValue(value);
        h.pad.setConKey("-");
        QCOMPARE(h.box->text(), shown);
        QCOMPARE(h.pad.value(), value);
        QCOMPARE(h.pad.conKey(), "+");
        QCOMPARE(h.events, QStringList());
        QVERIFY(!h.pad.selfEdit());
    }

    void copy()
    {
        Harness h;
        auto *button = h.pad.findChild<QPushButton *>("Command1");
        for (const QString text : {"XIV", ""}) {
            QGuiApplication::clipboard()->setText("old");
            h.box->setText(text);
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(QGuiApplication::clipboard()->text(), text);
            QCOMPARE(h.box->text(), text);
        }
    }

    // From the design layout; a failed layout leaves the widgets it had not
    // reached there, and the value as it was.
    void layout_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("text1");
        QTest::addColumn<QRect>("command1");
        QTest::addColumn<bool>("overflows");
        const QRect designText(225, 184, 2700, 368), designCommand(3150, 184, 1125, 368);
        const auto row = [](const char *name, QSize size, QRect text1, QRect command1,
                             bool overflows = false) {
            QTest::newRow(name) << size << text1 << command1 << overflows;
        };
        row("main window", {2535, 495}, {125, 142, 1500, 284}, {1750, 142, 625, 284});
        row("half down to even", {2450, 495}, {120, 142, 1440, 284}, {1680, 142, 600, 284});
        row("half up to even", {2550, 495}, {130, 142, 1560, 284}, {1820, 142, 650, 284});
        row("largest", {46850, 57340}, {2340, 16382, 28080, 32764}, {32760, 16382, 11700, 32764});
        row("GridV 8192", {4500, 57344}, designText, designCommand, true);
        row("GridH 547", {54700, 645}, designText, designCommand, true);
        row("GridH 469", {46900, 645}, {2345, 184, 28140, 368}, designCommand, true);
    }
    void layout()
    {
        QFETCH(QSize, size);
        QFETCH(QRect, text1);
        QFETCH(QRect, command1);
        QFETCH(bool, overflows);
        Harness h;
        QCOMPARE(twipsGeometry(h.box), QRect(225, 184, 2700, 368));
        h.pad.setValue(7);
        if (overflows)
            QVERIFY_THROWS_EXCEPTION(
                OverflowError, h.pad.setTwipsGeometry(0, 0, size.width(), size.height()));
        else
            h.pad.setTwipsGeometry(0, 0, size.width(), size.height());
        QCOMPARE(twipsGeometry(h.pad.findChild<QWidget *>("Frame1")), QRect(QPoint(), size));
        QCOMPARE(twipsGeometry(h.box), text1);
        QCOMPARE(twipsGeometry(h.pad.findChild<QWidget *>("Command1")), command1);
        QCOMPARE(h.pad.value(), overflows ? 7.0 : 0.0);
        QCOMPARE(h.box->text(), "7");
        QCOMPARE(h.events, QStringList());
    }

    void widgets()
    {
        TypeInPad pad;
        auto *box = pad.findChild<QLineEdit *>("Text1");
        auto *button = pad.findChild<QPushButton *>("Command1");
        QCOMPARE(pad.children().size(), 1);
        QCOMPARE(box->parent()->objectName(), "Frame1");
        QCOMPARE(box->toolTip(), "Enter Numbers here");
        QCOMPARE(button->text(), "Copy");
        QCOMPARE(pad.tabOrder(), (QList<QWidget *> {box, button}));
        QCOMPARE(box->nextInFocusChain(), button);
        QCOMPARE(pad.focusProxy(), box);
    }
};

ROMAN_TEST_MAIN(TypeInPadTest)
#include "tst_typeinpad.moc"
