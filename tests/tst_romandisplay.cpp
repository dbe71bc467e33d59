// The Roman numeral readout: the conversion over its whole range, the fixed
// texts, the Display pass-through, the change event and the layout.

#include "support.h"

#include "numerals/romandisplay.h"
#include "widgets/twips.h"

#include <QApplication>
#include <QFrame>
#include <QLineEdit>

#include <cmath>
#include <limits>

namespace {

// An independent rule: the numeral of each decimal digit, thousands as Ms.
QString oracle(int n)
{
    static const char *hundreds[] = {"", "C", "CC", "CCC", "CD", "D", "DC", "DCC", "DCCC", "CM"};
    static const char *tens[] = {"", "X", "XX", "XXX", "XL", "L", "LX", "LXX", "LXXX", "XC"};
    static const char *ones[] = {"", "I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX"};
    const int magnitude = std::abs(n);
    QString text = QString(magnitude / 1000, QLatin1Char('M')) + hundreds[magnitude / 100 % 10]
        + tens[magnitude / 10 % 10] + ones[magnitude % 10];
    return n < 0 ? QLatin1Char('(') + text + QLatin1Char(')') : text;
}

QLineEdit *box(RomanDisplay &display)
{
    return display.findChild<QLineEdit *>(QStringLiteral("RomanValue"));
}

} // namespace

class TestRomanDisplay : public QObject
{
    Q_OBJECT

private slots:
    void startsWithZeroTextAndEmptyDisplay()
    {
        RomanDisplay display;
        QCOMPARE(box(display)->text(), QStringLiteral(" - - - - - -"));
        QCOMPARE(display.display(), QString());
        QCOMPARE(display.value(), 0.0);
        QVERIFY(box(display)->isReadOnly());
        QCOMPARE(box(display)->toolTip(), QStringLiteral("Roman numeral readout"));
        QCOMPARE(box(display)->alignment(), Qt::AlignCenter);
        QVERIFY(!box(display)->hasFrame());
        QCOMPARE(box(display)->font().family(), QStringLiteral("MS Serif"));
        QCOMPARE(box(display)->font().pointSizeF(), 9.75);
    }

    void everyIntegerInRange()
    {
        RomanDisplay display;
        int changes = 0;
        display.change.connect([&] { ++changes; });
        for (int n = -8999; n <= 8999; ++n) {
            if (n == 0)
                continue;
            display.setValue(n);
            if (box(display)->text() != oracle(n) || display.display() != oracle(n))
                QFAIL(qPrintable(QStringLiteral("%1 shows %2").arg(n).arg(box(display)->text())));
        }
        QCOMPARE(changes, 2 * 8999);
    }

    void specialValues_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("zero") << 0.0 << " - - - - - -";
        QTest::newRow("negative zero") << -0.0 << " - - - - - -";
        QTest::newRow("8999.4") << 8999.4 << "MMMMMMMMCMXCIX";
        QTest::newRow("8999.5 rounds to nine Ms") << 8999.5 << "MMMMMMMMM";
        QTest::newRow("-8999.5") << -8999.5 << "(MMMMMMMMM)";
        QTest::newRow("9000") << 9000.0 << "Roman overflow";
        QTest::newRow("infinity") << inf << "Roman overflow";
        QTest::newRow("-9000") << -9000.0 << "Roman underflow";
        QTest::newRow("nan") << std::nan("") << "Roman underflow";
        QTest::newRow("2.5 to even") << 2.5 << "II";
        QTest::newRow("3.5 to even") << 3.5 << "IV";
        QTest::newRow("-2.5") << -2.5 << "(II)";
        QTest::newRow("0.4 is no numeral") << 0.4 << "";
        QTest::newRow("-0.4 keeps its sign") << -0.4 << "()";
    }
    void specialValues()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        RomanDisplay display;
        int changes = 0;
        display.change.connect([&] {
            ++changes;
            QCOMPARE(box(display)->text(), text); // the text shows before the event
        });
        display.setValue(value);
        QCOMPARE(box(display)->text(), text);
        QCOMPARE(display.display(), text);
        QCOMPARE(changes, 1);
        QVERIFY(std::isnan(value) ? std::isnan(display.value()) : display.value() == value);
    }

    void displayShowsAnyTextWithoutEvent()
    {
        RomanDisplay display;
        int changes = 0;
        display.change.connect([&] { ++changes; });
        display.setValue(14);
        display.setDisplay(QStringLiteral("anything at all"));
        QCOMPARE(box(display)->text(), QStringLiteral("anything at all"));
        QCOMPARE(display.display(), QStringLiteral("anything at all"));
        QCOMPARE(display.value(), 14.0);
        display.setValue(14);
        QCOMPARE(box(display)->text(), QStringLiteral("XIV"));
        QCOMPARE(changes, 2);
    }

    void layout_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("textBox");
        QTest::newRow("main window") << QSize(2535, 735) << QRect(125, 210, 2250, 420);
        QTest::newRow("design size") << QSize(3435, 825) << QRect(170, 236, 3060, 472);
        QTest::newRow("widest") << QSize(36450, 735) << QRect(1820, 210, 32760, 420);
        QTest::newRow("tallest") << QSize(2535, 57340) << QRect(125, 16382, 2250, 32764);
    }
    void layout()
    {
        QFETCH(QSize, size);
        QFETCH(QRect, textBox);
        RomanDisplay display;
        display.setTwipsGeometry(120, 960, size.width(), size.height());
        QCOMPARE(twipsGeometry(box(display)), textBox);
        QCOMPARE(twipsGeometry(display.findChild<QFrame *>(QStringLiteral("Border"))),
            QRect(QPoint(0, 0), size));
    }

    void layoutBeyondBoundsKeepsTextBox_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("too wide") << QSize(36451, 735);
        QTest::newRow("too tall") << QSize(2535, 57400);
    }
    void layoutBeyondBoundsKeepsTextBox()
    {
        QFETCH(QSize, size);
        RomanDisplay display;
        display.setTwipsGeometry(0, 0, 2535, 735);
        QVERIFY_THROWS_EXCEPTION(
            OverflowError, display.setTwipsGeometry(0, 0, size.width(), size.height()));
        QCOMPARE(twipsGeometry(display.findChild<QFrame *>(QStringLiteral("Border"))),
            QRect(QPoint(0, 0), size));
        QCOMPARE(twipsGeometry(box(display)), QRect(125, 210, 2250, 420));
        display.setTwipsGeometry(0, 0, 3435, 825); // and it lays out again afterwards
        QCOMPARE(twipsGeometry(box(display)), QRect(170, 236, 3060, 472));
    }
};

ROMAN_TEST_MAIN(TestRomanDisplay)
#include "tst_romandisplay.moc"
