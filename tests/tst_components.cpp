// Each component alone, for what the window does not reach: the type-in
// pad's edits, the keypad's events and saved orientation, the stack's bottom
// level, the readouts and the vinculum they draw, and the layouts at any size.

#include "window.h"

#include "numerals/arabdisplay.h"
#include "numerals/romandisplay.h"
#include "numerals/typeinpad.h"
#include "widgets/barredlineedit.h"
#include "widgets/propertybag.h"
#include "widgets/vinculum.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace {

QRect place(const QWidget &component, const char *name)
{
    return twipsGeometry(component.findChild<QWidget *>(name));
}

// Whether a new size overflows the layout; the moves made before stay made.
bool overflows(UserControl &component, QSize size)
{
    try {
        component.setTwipsGeometry(0, 0, size.width(), size.height());
        return false;
    } catch (const OverflowError &) {
        return true;
    }
}

} // namespace

class TestComponents : public WindowTest
{
    Q_OBJECT

private slots:
    // The vinculum is one unbroken bar over a run of barred letters, with
    // clear space between it and their tops, in a sans-serif font as the
    // tape's and a serif one as the readouts', small and large.
    void vinculumIsOneBarClearOfItsLetters_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("pixels");
        for (const char *family : {"DejaVu Sans", "Liberation Serif"})
            for (const int pixels : {11, 14, 40})
                QTest::addRow("%s, %d px", family, pixels) << QString(family) << pixels;
    }
    void vinculumIsOneBarClearOfItsLetters()
    {
        QFETCH(QString, family);
        QFETCH(int, pixels);
        QImage image(20 * pixels, 3 * pixels, QImage::Format_RGB32);
        image.fill(Qt::white);
        QFont font(family);
        font.setPixelSize(pixels);
        QPainter painter(&image);
        painter.setFont(font);
        drawBarredLine(painter, image.rect(), "CL\u0305X\u0305I\u0305V");
        painter.end();
        const auto inked = [&](int y, int x) { return qGray(image.pixel(x, y)) < 160; };
        const auto blank = [&](int y) {
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 250)
                    return false;
            return true;
        };
        int y = 0;
        while (y < image.height() && blank(y))
            ++y;
        // One run of ink across the barred letters, and nowhere else.
        QList<int> ends;
        for (int x = 0; x < image.width(); ++x)
            if (inked(y, x) != (x > 0 && inked(y, x - 1)))
                ends << x;
        const QFontMetrics metrics(font);
        QCOMPARE(ends.size(), 2);
        QVERIFY(qAbs(ends[0] - metrics.horizontalAdvance("C")) <= 1);
        QVERIFY(qAbs(ends[1] - ends[0] - metrics.horizontalAdvance("LXI")) <= 1);
        // Clear of the letters: the bar's few rows, then a blank one.
        const int bar = y;
        while (y < image.height() && !blank(y))
            ++y;
        QVERIFY2(y - bar <= 1 + pixels / 10, qPrintable(QString::number(y - bar)));
    }

    // A readout draws a barred numeral's letters where a line edit draws them
    // without bars: the bar above them is all it adds.
    void readoutAddsOnlyTheBar()
    {
        QLineEdit plain;
        BarredLineEdit barred;
        for (QLineEdit *box : {&plain, static_cast<QLineEdit *>(&barred)}) {
            box->setReadOnly(true);
            box->setAlignment(Qt::AlignCenter);
            box->setFont(QFont("Liberation Serif", 14));
            box->resize(200, 34);
        }
        plain.setText("CLXIV");
        barred.setText("CL\u0305X\u0305I\u0305V");
        const QImage drawn = plain.grab().toImage(), withBar = barred.grab().toImage();
        const auto differs = [&](int y) {
            for (int x = 0; x < drawn.width(); ++x)
                if (drawn.pixel(x, y) != withBar.pixel(x, y))
                    return true;
            return false;
        };
        const auto inked = [&](int y) {
            for (int x = 6; x < drawn.width() - 6; ++x)
                if (qGray(drawn.pixel(x, y)) < 128)
                    return true;
            return false;
        };
        int top = 3; // below the frame: the letters' top
        while (top < drawn.height() && !inked(top))
            ++top;
        QVERIFY(top < drawn.height());
        for (int y = top; y < drawn.height(); ++y)
            QVERIFY2(!differs(y), qPrintable(QString::number(y)));
        int bar = 0;
        while (bar < top && !differs(bar))
            ++bar;
        QVERIFY(bar < top);
    }

    // Typed with key presses into an empty pad ("\b" is Backspace), or pasted
    // in one edit into a pad showing 7.
    void typeInEdits_data()
    {
        QTest::addColumn<bool>("typed");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("state"); // "<text> [<key>] <value>: <changes> !<errors>"
        const auto row
            = [](const char *name, bool typed, const QString &input, const QString &state) {
                  QTest::newRow(name) << typed << input << state;
              };
        row("typed XIV", true, "XIV", "XIV [] 14: 10 11 14");
        row("typed 12+3", true, "12+3", "123 [] 123: 1 12 12[+] 123");
        row("minus first is a sign", true, "-5", "-5 [] -5: -5");
        row("deleted to empty", true, "XI\b\b", " [] 0: 10 11 10 0");
        row("pasted -5", false, "-5", "-5 [] -5: -5");
        row("Return", true, "XI\r", "XI [=] 11: 10 11 11[=]");
        row("Return, no numeral", true, "VV\r", "VV [=] 5: 5");
        row("Escape is the host's", true, "XI\x1b", "XI [] 11: 10 11");
        row("no numeral, key", false, "VV+", "VV+ [+] 7: ");
        row("pasted calculation", false, "1+2", " [] 7: "); // the host feeds it
        row("R is no key", false, "XIR", "XIR [] 7: ");
        const QString huge = "0X1" + QString(256, '0');
        row("hexadecimal overflow", false, huge + "+", huge + "+ [+] 7: !6");
        const QString many = QString(40000, 'M'); // beyond QLineEdit's default length
        row("long paste", false, many + "=", many + " [=] 4e+07: 4e+07[=]");
    }
    void typeInEdits()
    {
        QFETCH(bool, typed);
        QFETCH(QString, input);
        recordErrors();
        TypeInPad pad;
        auto *box = pad.findChild<QLineEdit *>();
        QStringList log; // each change as the host sees it: the value, the key in brackets
        pad.change.connect([&] {
            QVERIFY(!pad.selfEdit());
            const QString key = pad.conKey();
            log << QString::number(pad.value()) + (key.isEmpty() ? "" : "[" + key + "]");
        });
        pad.show();
        pad.setValue(typed ? 0 : 7);
        if (typed)
            QTest::keyClicks(box, input);
        else
            box->setText(input);
        for (const int number : reported)
            log << "!" + QString::number(number);
        const QString state
            = QString("%1 [%2] %3: ").arg(box->text(), pad.conKey()).arg(pad.value());
        QTEST(state + log.join(' '), "state");
        QCOMPARE(box->cursorPosition(), box->text().size());
    }

    // Numbers go to Value, "_" is the empty text, "!k" makes the next change
    // handler type k, and any other word is typed into TypeIn. The log holds
    // each event with the Pend its handler sees ("C" change, "(" push, ")"
    // pop) and each error thrown ("E" and its number).
    void keySequences_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("state"); // "Acc Value p<Pend>: log"
        const auto row = [](const char *steps, const char *state) {
            QTest::newRow(steps) << QString(steps) << QString(state);
        };
        row("2 + 3 * 4 =", "20 20 p0: C1 C3 C0");
        row("6 / nan =", "6 6 p0: C2 C0");
        row("2 + (", "2 2 p1: C1 (1");
        row("2 + 3 )", "5 3 p1: C1 )1");
        row("2 + R _ ++", "2 2 p1: C1");
        // "+" typed while "=" runs adds at once; the outer TypeIn then finds "+" too.
        row("2 !+ =", "4 2 p1: C0 C1 C1");
        // A failed action leaves its result in Acc, keeps Pend and raises nothing.
        row("1E308 * 10 = =", "inf 10 p3: C3 E11 E11");
    }
    void keySequences()
    {
        QFETCH(QString, steps);
        ParenBase pad;
        QString log, rewrite;
        const auto note = [&](char event) { log += event + QString::number(pad.pend()) + ' '; };
        pad.change.connect([&] {
            note('C');
            if (!rewrite.isEmpty())
                pad.setTypeIn(std::exchange(rewrite, {}));
        });
        pad.push.connect([&] { note('('); });
        pad.pop.connect([&] { note(')'); });
        for (const QString &step : steps.split(' ')) {
            bool isNumber = false;
            const double number = step.toDouble(&isNumber);
            try {
                if (isNumber)
                    pad.setValue(number);
                else if (step.startsWith('!'))
                    rewrite = step.mid(1);
                else
                    pad.setTypeIn(step == "_" ? QString() : step);
            } catch (const RuntimeError &error) {
                log += "E" + QString::number(error.number()) + ' ';
            }
        }
        const QString state
            = QString("%1 %2 p%3: ").arg(pad.acc()).arg(pad.value()).arg(pad.pend());
        QTEST(state + log.trimmed(), "state");
    }

    void stackBottomRepeatsAndClearKeepsCodes()
    {
        Stack stack;
        stack.setBos(9);
        stack.setIbos(2);
        QString reads;
        for (int i = 0; i < 11; ++i)
            reads += QString(" %1:%2").arg(stack.itos()).arg(stack.tos());
        QCOMPARE(reads, " 0:0 0:0 0:0 0:0 0:0 0:0 0:0 0:0 0:0 2:9 2:9");
        stack.setClr(1); // values only
        QCOMPARE(QString("%1:%2:%3").arg(stack.ibos()).arg(stack.bos()).arg(stack.clr()), "2:0:0");
    }

    void romanReadout()
    {
        RomanDisplay roman;
        auto *box = roman.findChild<QLineEdit *>();
        // Described once a screen reader listens, and from then on at every change.
        QCOMPARE(box->accessibleDescription(), QString());
        QAccessible::setActive(true);
        const auto deaf = qScopeGuard([] { QAccessible::setActive(false); });
        QCOMPARE(box->accessibleDescription(), "zero");
        QStringList shown; // when each change is raised
        roman.change.connect([&] { shown << box->text() + '|' + box->accessibleDescription(); });
        roman.setValue(-2.5);
        roman.setDisplay("any text"); // shown as it is, without an event
        QCOMPARE(box->text() + '|' + roman.display() + '|' + QString::number(roman.value()),
            "any text|any text|-2.5");
        roman.setValue(1999);
        QCOMPARE(shown,
            QStringList({"(II)|(II): -2.5, rounded",
                "MCMXCIX|MCMXCIX: 1999; MCMXCIX = M + CM + XC + IX = 1000 + 900 + 90 + 9"}));
        QCOMPARE(roman.display(), "MCMXCIX");
        // The tooltip says how the numeral is built, and how a lenient entry
        // was read; a listening screen reader hears it in the description.
        roman.explain("MDCCCCLXXXXVIIII = M + D + C + C + C + C + L + X + X + X + X + V + I + I + "
                      "I + I = 1999");
        QHelpEvent help(QEvent::ToolTip, QPoint(1, 1), box->mapToGlobal(QPoint(1, 1)));
        QApplication::sendEvent(box, &help);
        QVERIFY(QToolTip::text().endsWith("; MCMXCIX = M + CM + XC + IX = 1000 + 900 + 90 + 9"));
        QCOMPARE(box->accessibleDescription(), "MCMXCIX: 1999; " + QToolTip::text());
    }

    void readoutLayout_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("textBox"); // none: the layout overflows, the box stays
        QTest::newRow("as on the window") << QSize(2535, 735) << QRect(125, 210, 2250, 420);
        QTest::newRow("widest") << QSize(36450, 735) << QRect(1820, 210, 32760, 420);
        QTest::newRow("too wide") << QSize(36451, 735) << QRect();
        QTest::newRow("too tall") << QSize(2535, 57400) << QRect();
    }
    void readoutLayout()
    {
        QFETCH(QSize, size);
        QFETCH(QRect, textBox);
        RomanDisplay roman;
        ArabDisplay arab;
        for (UserControl *readout : std::initializer_list<UserControl *> {&roman, &arab}) {
            auto *box = readout->findChild<QLineEdit *>();
            const QRect before = twipsGeometry(box);
            QCOMPARE(overflows(*readout, size), textBox.isNull());
            QCOMPARE(place(*readout, "Border"), QRect({0, 0}, size));
            QCOMPARE(twipsGeometry(box), textBox.isNull() ? before : textBox);
        }
    }

    void typeInLayout()
    {
        recordErrors();
        TypeInPad pad;
        auto *box = pad.findChild<QLineEdit *>();
        pad.show();
        pad.setValue(7);
        pad.setTwipsGeometry(30, 45, 4500, 645); // moved, not resized: the entry goes on
        QCOMPARE(pad.value(), 7.0);
        QVERIFY(!overflows(pad, {2535, 495}));
        QCOMPARE(place(pad, "Frame1"), QRect(0, 0, 2535, 495));
        QCOMPARE(twipsGeometry(box), QRect(125, 142, 1500, 284));
        QCOMPARE(box->geometry(), QRect(8, 9, 100, 19));
        QCOMPARE(place(pad, "Command1"), QRect(1750, 142, 625, 284));
        QCOMPARE(box->text() + '|' + QString::number(pad.value()), "7|0"); // a new entry
        pad.setValue(7);
        // Resized by Qt to 48000 twips, where 70 units of 480 leave 16 bits:
        // reported, not thrown through Qt, and the next size lays out again.
        pad.resize(3200, 43);
        QCOMPARE(reported, std::vector<int> {6});
        pad.resize(200, 43);
        QCOMPARE(twipsGeometry(box), QRect(150, 184, 1800, 368));
        QCOMPARE(pad.value(), 0.0);
    }

    // Where Div and Clear, the second and the last button placed, stand shows
    // the fill direction and the extent of the grid. The orientation is
    // loaded first, so every row also shows a resize keeping it.
    void keypadArrangement_data()
    {
        QTest::addColumn<QVariant>("wide"); // as saved
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("div");
        QTest::addColumn<QPoint>("clear");
        const auto row = [](QVariant wide, QSize size, QRect div, QPoint clear) {
            QTest::addRow("%s, %dx%d", qPrintable(wide.toString()), size.width(), size.height())
                << wide << size << div << clear;
        };
        // The sizes make one unit exactly halfway between integers.
        for (const int wide : {0, 4, -1}) // two columns, row unit 112.5 down to even
            row(wide, {2340, 2475}, {1278, 224, 852, 448}, {1278, 1904});
        row(1, {585, 4200}, {98, 700, 392, 400}, {98, 3700});   // one column, 97.5 up to even
        row(3, {4100, 700}, {600, 200, 400, 400}, {3600, 200}); // one row
        // Four columns of two, loaded without a resize: 2340 / 21 and 2970 / 12 units.
        row(" 2 ", {2340, 2970}, {111, 1736, 444, 992}, {1776, 1736});
    }
    void keypadArrangement()
    {
        QFETCH(QVariant, wide);
        QFETCH(QSize, size);
        QFETCH(QRect, div);
        ParenBase pad;
        PropertyBag bag;
        bag.writeProperty("Orient", wide, 0);
        pad.readProperties(bag);
        pad.setTwipsGeometry(0, 0, size.width(), size.height());
        // A setting that is no 16-bit whole number is refused and changes nothing.
        for (const QVariant &refused : {QVariant("abc"), QVariant(40000), QVariant(2.5)}) {
            bag.writeProperty("Orient", refused, 0);
            QVERIFY_THROWS_EXCEPTION(ConversionError, pad.readProperties(bag));
        }
        QCOMPARE(place(pad, "Border"), QRect({0, 0}, size));
        QCOMPARE(place(pad, "Div"), div);
        QTEST(place(pad, "Clear").topLeft(), "clear");
    }
};

QTEST_MAIN(TestComponents)
#include "tst_components.moc"
