// The decimal readout: what it shows for the numbers it is given, in both
// decimal-separator conventions, and its layout.

#include "support.h"

#include "numerals/arabdisplay.h"
#include "widgets/twips.h"

#include <QApplication>
#include <QFrame>
#include <QLineEdit>

#include <limits>

namespace {

QLineEdit *box(ArabDisplay &display)
{
    return display.findChild<QLineEdit *>(QStringLiteral("ArabVal"));
}

} // namespace

class TestArabDisplay : public QObject
{
    Q_OBJECT

private slots:
    void startsAtZero()
    {
        ArabDisplay display;
        QCOMPARE(box(display)->text(), QStringLiteral("0"));
        QCOMPARE(display.value(), 0.0);
        QVERIFY(box(display)->isReadOnly());
        QVERIFY(box(display)->hasFrame());
        QCOMPARE(box(display)->alignment(), Qt::AlignCenter);
        QCOMPARE(box(display)->parentWidget()->objectName(), QStringLiteral("Border"));
    }

    void showsNumberText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("point");
        QTest::addColumn<QString>("comma");
        QTest::newRow("integer") << 14.0 << "14"
                                 << "14";
        QTest::newRow("fraction") << 2.5 << "2.5"
                                  << "2,5";
        QTest::newRow("large") << 1234567890123456.0 << "1.23456789012346E+15"
                               << "1,23456789012346E+15";
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << "Infinity"
                                  << "Infinity";
    }
    void showsNumberText()
    {
        QFETCH(double, value);
        QFETCH(QString, point);
        QFETCH(QString, comma);
        ArabDisplay display;
        display.setValue(value);
        QCOMPARE(box(display)->text(), point);
        QCOMPARE(display.value(), value);
        LocaleScope german(QLocale(QLocale::German, QLocale::Germany));
        display.setValue(value);
        QCOMPARE(box(display)->text(), comma);
    }

    void layout_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("textBox");
        QTest::newRow("main window") << QSize(2535, 735) << QRect(125, 210, 2250, 420);
        QTest::newRow("design size") << QSize(4275, 705) << QRect(215, 202, 3870, 404);
        QTest::newRow("widest") << QSize(36450, 705) << QRect(1820, 202, 32760, 404);
    }
    void layout()
    {
        QFETCH(QSize, size);
        QFETCH(QRect, textBox);
        ArabDisplay display;
        display.setTwipsGeometry(120, 0, size.width(), size.height());
        QCOMPARE(twipsGeometry(box(display)), textBox);
        QCOMPARE(twipsGeometry(display.findChild<QFrame *>(QStringLiteral("Border"))),
            QRect(QPoint(0, 0), size));
    }

    void layoutBeyondBoundsKeepsTextBox()
    {
        ArabDisplay display;
        display.setTwipsGeometry(0, 0, 2535, 735);
        QVERIFY_THROWS_EXCEPTION(OverflowError, display.setTwipsGeometry(0, 0, 36451, 735));
        QCOMPARE(twipsGeometry(display.findChild<QFrame *>(QStringLiteral("Border"))),
            QRect(0, 0, 36451, 735));
        QCOMPARE(twipsGeometry(box(display)), QRect(125, 210, 2250, 420));
    }
};

ROMAN_TEST_MAIN(TestArabDisplay)
#include "tst_arabdisplay.moc"
