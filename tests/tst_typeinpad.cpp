#include "core/numeralparse.h"
#include "numerals/typeinpad.h"
#include "support.h"
#include "widgets/twips.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QtNumeric>

#include <utility>

namespace {

// The numeral for n by the usual subtractive rule, thousands as repeated M.
QString standardRoman(int n)
{
    static const std::pair<int, const char *> parts[]
        = {{1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"}, {90, "XC"}, {50, "L"},
            {40, "XL"}, {10, "X"}, {9, "IX"}, {5, "V"}, {4, "IV"}, {1, "I"}};
    QString numeral;
    for (const auto &[value, letters] : parts)
        for (; n >= value; n -= value)
            numeral += QLatin1String(letters);
    return numeral;
}

// Logs each Change as the host sees it: the value, then the key in brackets.
struct Harness
{
    Harness()
    {
        pad.change.connect([this] {
            QVERIFY(!pad.selfEdit());
            const QString key = pad.conKey();
            events << QString::number(pad.value()) + (key.isEmpty() ? "" : "[" + key + "]");
        });
        pad.show();
    }
    // "<text in the box> [<key>] <value>: <events>".
    QString state() const
    {
        return box->text() + " [" + pad.conKey() + "] " + QString::number(pad.value()) + ": "
            + events.join(' ');
    }
    TypeInPad pad;
    QLineEdit *box = pad.findChild<QLineEdit *>("Text1");
    QStringList events;
};

} // namespace

class TypeInPadTest : public QObject
{
    Q_OBJECT

private slots:
    void numeral_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected"); // NaN: no numeral; infinity: overflow
        // Lenient: any order and repetition, and a pair subtracts only when adjacent.
        const char *accepted[][2] = {{"XIV", "14"}, {"xiv", "14"}, {"MCMXCIX", "1999"},
            {"CDXLIV", "444"}, {"IIII", "4"}, {"VX", "15"}, {"IIX", "10"}, {"IXI", "10"},
            {"IM", "1001"}, {"", "0"}, {"0x1F", "31"}, {"0X1fz", "31"}, {"0XG", "0"}};
        for (const auto &[text, value] : accepted)
            QTest::newRow(text) << QString(text) << QString(value).toDouble();
        for (const char *text : {"DD", "LL", "VV", "DM", "LD", "VL", "12X", "XIV ", "R", "-0X1"})
            QTest::newRow(text) << QString(text) << qQNaN();
        QTest::newRow("max") << "0XFFFFFFFFFFFFF8" + QString(242, '0') << 0x1.fffffffffffffp1023;
        QTest::newRow("2^1024") << "0X1" + QString(256, '0') << qInf();
        QTest::newRow("leading zeros") << "0X" + QString(1000, '0') + "1F" << 31.0;
    }
    void numeral()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        if (expected == qInf())
            QVERIFY_THROWS_EXCEPTION(OverflowError, parseNumeral(text));
        else // QCOMPARE takes two NaNs as equal
            QCOMPARE(parseNumeral(text).value_or(qQNaN()), expected);
    }

    void standardNumeralsReadBack()
    {
        for (int n = 1; n <= 8999; ++n)
            QCOMPARE(parseRoman(standardRoman(n)), std::optional<double>(n));
    }

    // Typed with real key presses into an empty pad ("\b" is Backspace), or
    // pasted in one edit into a pad showing 7.
    void edits_data()
    {
        QTest::addColumn<bool>("typed");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("state");
        const auto row
            = [](const char *name, bool typed, const QString &input, const QString &state) {
                  QTest::newRow(name) << typed << input << state;
              };
        row("typed XIV", true, "XIV", "XIV [] 14: 10 11 14");
        row("typed 12+3", true, "12+3", "123 [] 123: 1 12 12[+] 123");
        row("typed key into empty", true, "+", " [+] 0: 0[+]");
        row("typed -5", true, "-5", "5 [] 5: 0[-] 5");
        row("deleted to empty", true, "XI\b\b", " [] 0: 10 11 10 0");
        row("pasted -5", false, "-5", "-5 [] -5: -5");
        row("pasted VV+", false, "VV+", "VV [+] 7: ");
        for (const char *text : {"1+2", "XIR", "1E999", "inf", "nan"})
            row(text, false, text, QString(text) + " [] 7: ");
        for (const QChar key : QStringView(u"=+-)(*/r"))
            row(qPrintable(QStringLiteral("key ") + key), false, QStringLiteral("XI") + key,
                QStringLiteral("XI [%1] 11: 11[%1]").arg(key));
    }
    void edits()
    {
        QFETCH(bool, typed);
        QFETCH(QString, input);
        Harness h;
        h.pad.setValue(typed ? 0 : 7);
        if (typed)
            QTest::keyClicks(h.box, input);
        else
            h.box->setText(input);
        QTEST(h.state(), "state");
        QCOMPARE(h.box->cursorPosition(), h.box->text().size());
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

    void hexadecimalOverflow()
    {
        RecordingReporter reporter;
        Harness h;
        h.pad.setValue(7);
        h.box->setText("0X1" + QString(256, '0') + "+");
        QCOMPARE(reporter.numbers, std::vector<int> {OverflowNumber});
        QCOMPARE(h.state(), "0X1" + QString(256, '0') + " [+] 7: ");
        // The pad still reads what comes next.
        QTest::keyClicks(h.box, "\b");
        QCOMPARE(h.events, QStringList {QString::number(0x1p1020)});
    }

    void largePaste()
    {
        Harness h;
        const int megabyte = 1 << 20;
        h.box->setText(QString(megabyte, 'M') + "=");
        QCOMPARE(h.pad.value(), 1000.0 * megabyte);
        QCOMPARE(h.pad.conKey(), "=");
        QCOMPARE(h.box->text().size(), megabyte);
    }

    void writeValue()
    {
        Harness h;
        h.box->setText("12+");
        // The key comes only from typing.
        h.pad.setConKey("-");
        for (const double value : {14.0, 0.0, 14.0, -0.0}) {
            h.pad.setValue(value);
            QCOMPARE(h.state(), QString("%1 [+] %2: 12[+]").arg(value == 0 ? "" : "14").arg(value));
        }
    }

    void copy()
    {
        Harness h;
        // An empty box copies the result the host offers, and without one
        // leaves the clipboard alone.
        for (const auto &[text, result, copied] : {std::tuple {"XIV", "", "XIV"},
                 std::tuple {"", "MCM", "MCM"}, std::tuple {"", "", "old"}}) {
            QGuiApplication::clipboard()->setText("old");
            h.box->setText(text);
            h.pad.setResultText(result);
            QTest::mouseClick(h.pad.findChild<QWidget *>("Command1"), Qt::LeftButton);
            QCOMPARE(QGuiApplication::clipboard()->text(), copied);
            QCOMPARE(h.box->text(), text);
        }
    }

    void layout()
    {
        Harness h;
        auto *command = h.pad.findChild<QWidget *>("Command1");
        h.pad.setValue(7);
        h.pad.setTwipsGeometry(0, 0, 2535, 495); // as on the main window
        QCOMPARE(twipsGeometry(h.pad.findChild<QWidget *>("Frame1")), QRect(0, 0, 2535, 495));
        QCOMPARE(twipsGeometry(h.box), QRect(125, 142, 1500, 284));
        QCOMPARE(twipsGeometry(command), QRect(1750, 142, 625, 284));
        // A new size starts a new entry, but the text stays to go on with.
        QCOMPARE(h.state(), "7 [] 0: ");

        // 70 * 469 is beyond 16 bits, 5 * 469 and 60 * 469 are not: the copy
        // button stays where it was, and so does the value.
        h.pad.setValue(7);
        QVERIFY_THROWS_EXCEPTION(OverflowError, h.pad.setTwipsGeometry(0, 0, 46900, 645));
        QCOMPARE(twipsGeometry(h.box), QRect(2345, 184, 28140, 368));
        QCOMPARE(twipsGeometry(command), QRect(1750, 142, 625, 284));
        QCOMPARE(h.state(), "7 [] 7: ");
    }
};

ROMAN_TEST_MAIN(TypeInPadTest)
#include "tst_typeinpad.moc"
