// What makes the window usable beyond the calculation: the status line and
// the mark on an unreadable entry, Escape, focus, Copy, and a design that
// scales with the window and keeps every text whole in any face.

#include "support.h"
#include "windowdriver.h"

#include "numerals/typeinpad.h"
#include "widgets/textfit.h"
#include "widgets/twips.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QScopeGuard>

namespace {

QString statusOf(const WindowDriver &w)
{
    return w.child<QLabel>(QStringLiteral("StatusLine"))->text();
}

// Every text a person reads, with the room its widget gives it in pixels.
struct Shown
{
    QWidget *widget;
    QString text;
    int room;
};

QList<Shown> shownTexts(const QWidget &window)
{
    QList<Shown> shown;
    for (auto *label : window.findChildren<QLabel *>()) {
        if (!label->wordWrap())
            shown.append({label, label->text(), label->contentsRect().width()});
    }
    for (auto *button : window.findChildren<QAbstractButton *>())
        shown.append({button, button->text(), button->width() - 4});
    for (auto *box : window.findChildren<QLineEdit *>()) {
        if (box->isReadOnly())
            shown.append(
                {box, box->text(), box->contentsRect().width() - (box->hasFrame() ? 7 : 5)});
    }
    return shown;
}

void verifyNothingCut(const QWidget &window)
{
    for (const Shown &s : shownTexts(window)) {
        if (s.text.isEmpty() || s.widget->objectName().isEmpty()) // Qt's own, icon only
            continue;
        const QFontMetrics metrics(s.widget->font());
        QVERIFY2(metrics.size(Qt::TextShowMnemonic, s.text).width() <= s.room,
            qPrintable(s.widget->objectName() + ": " + s.text));
        QVERIFY2(metrics.height() <= s.widget->height(), qPrintable(s.widget->objectName()));
    }
}

QMap<QString, QRect> geometries(const QWidget &window)
{
    QMap<QString, QRect> all;
    for (const QWidget *widget : window.findChildren<QWidget *>())
        all.insert(widget->parentWidget()->objectName() + '/' + widget->objectName(),
            twipsGeometry(widget));
    return all;
}

} // namespace

class TestUsability : public QObject
{
    Q_OBJECT

private slots:
    void statusLineAndMark_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("marked");
        QTest::newRow("unreadable, key not used")
            << "MMXXA+"
            << "\"MMXXA\" is not a number or a Roman numeral; \"+\" was not used" << true;
        QTest::newRow("still unreadable")
            << "MMXXA+1"
            << "\"MMXXA1\" is not a number or a Roman numeral" << true;
        QTest::newRow("enter on unreadable")
            << "VV[Return]"
            << "\"VV\" is not a number or a Roman numeral; \"=\" was not used" << true;
        QTest::newRow("long entry named short") << "<paste:MMMMMMMMMMMMMMMMMMMMMMMMMMMA>"
                                                << "\"MMMMMMMMMMMMMMM\u2026\" is not a number or a "
                                                   "Roman numeral"
                                                << true;
        QTest::newRow("reads again") << "VV\b"
                                     << "" << false;
        QTest::newRow("lenient numeral") << "IC"
                                         << "IC reads as 101 (standard form CI)" << false;
        QTest::newRow("lower case") << "iiii"
                                    << "IIII reads as 4 (standard form IV)" << false;
        QTest::newRow("standard numeral") << "xiv"
                                          << "" << false;
        QTest::newRow("pending with parentheses") << "((20+"
                                                  << "20 +  \u00b7  2 parentheses open" << false;
        QTest::newRow("eleventh parenthesis")
            << QString(11, '(') << "10 parentheses open  \u00b7  the outermost one was dropped"
            << false;
        QTest::newRow("result ends it") << "2+3="
                                        << "" << false;
        QTest::newRow("escape clears all") << "MMXXA+[Escape]"
                                           << "" << false;
    }
    void statusLineAndMark()
    {
        QFETCH(QString, input);
        QFETCH(QString, status);
        QFETCH(bool, marked);
        WindowDriver w;
        w.enter(input);
        QCOMPARE(statusOf(w), status);
        QCOMPARE(w.text1()->actions().constFirst()->isVisible(), marked);
        QCOMPARE(w.text1()->accessibleDescription(), marked ? status : QString());
        const auto *line = w.child<QLabel>(QStringLiteral("StatusLine"));
        QCOMPARE(QAccessible::queryAccessibleInterface(const_cast<QLabel *>(line))
                     ->text(QAccessible::Name),
            status.isEmpty() ? QStringLiteral("Status line") : status);
    }

    void escapeIsAllClear_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("arab");
        QTest::newRow("open parentheses forgotten") << "1+(2[Escape]5)="
                                                    << "5";
        QTest::newRow("r keeps them") << "1+(2r5)="
                                      << "6";
        QTest::newRow("unreadable text emptied") << "4+VV[Escape]3="
                                                 << "3";
    }
    void escapeIsAllClear()
    {
        QFETCH(QString, input);
        WindowDriver w;
        w.enter(input);
        QTEST(w.arab(), "arab");
        QCOMPARE(w.text1()->text(), QString());
    }

    void typingGoesOnAfterAClick()
    {
        WindowDriver w;
        w.calvaran.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.calvaran));
        for (const char *step : {"12", "{Add}", "30", "{Equals}"}) {
            if (*step == '{')
                w.enter(step);
            else
                QTest::keyClicks(QApplication::focusWidget(), step);
        }
        QCOMPARE(w.arab(), QStringLiteral("42"));
        QCOMPARE(QApplication::focusWidget(), w.text1());
    }

    void copyTakesTheResultWhenTheBoxIsEmpty_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("copied");
        QTest::newRow("nothing yet keeps the clipboard") << ""
                                                         << "old";
        QTest::newRow("typed text") << "xiv"
                                    << "xiv";
        QTest::newRow("roman result") << "MCM+99="
                                      << "MCMXCIX";
        QTest::newRow("no roman numeral") << "9000+1="
                                          << "9001";
        QTest::newRow("zero") << "5-5="
                              << "0";
    }
    void copyTakesTheResultWhenTheBoxIsEmpty()
    {
        QFETCH(QString, input);
        QFETCH(QString, copied);
        WindowDriver w;
        QGuiApplication::clipboard()->setText(QStringLiteral("old"));
        w.enter(input + "{Command1}");
        QCOMPARE(QGuiApplication::clipboard()->text(), copied);
        QCOMPARE(statusOf(w), copied == "old" ? QString() : "Copied \"" + copied + '"');
    }

    // The window at a scale, in a face; the readouts show their widest texts.
    void scaledInEveryFace_data()
    {
        QTest::addColumn<QString>("sans");
        QTest::addColumn<QString>("serif");
        QTest::addColumn<qreal>("factor");
        for (const auto &[sans, serif] : {std::pair {"Liberation Sans", "Liberation Serif"},
                 std::pair {"DejaVu Sans", "DejaVu Serif"},
                 std::pair {"DejaVu Sans Mono", "DejaVu Sans Mono"}})
            for (const qreal factor : {1.0, 1.5, 2.0})
                QTest::addRow("%s at %g", sans, factor) << sans << serif << factor;
    }
    void scaledInEveryFace()
    {
        QFETCH(QString, sans);
        QFETCH(QString, serif);
        QFETCH(qreal, factor);
        const auto substitute = [](const QString &sans, const QString &serif) {
            QFont::removeSubstitutions(QStringLiteral("MS Sans Serif"));
            QFont::removeSubstitutions(QStringLiteral("MS Serif"));
            QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), sans);
            QFont::insertSubstitution(QStringLiteral("MS Serif"), serif);
        };
        substitute(sans, serif);
        const auto restore
            = qScopeGuard([&] { substitute("Liberation Sans", "Liberation Serif"); });
        WindowDriver w;
        const QMap<QString, QRect> design = geometries(w.calvaran);
        QMap<QString, qreal> designPoints;
        for (const QWidget *widget : w.calvaran.findChildren<QWidget *>()) {
            if (TextFit::of(widget))
                designPoints.insert(widget->objectName(), widget->font().pointSizeF());
        }
        w.calvaran.resize(w.calvaran.size() * factor);
        QCOMPARE(w.calvaran.scale(), factor);
        const auto children = w.calvaran.findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        if (factor == 2.0) {
            for (const QWidget *component : children)
                QCOMPARE(twipsGeometry(component).size(),
                    design["Calvaran/" + component->objectName()].size() * 2);
            // In the faces the design was drawn for, nothing needs to shrink.
            for (const auto &[name, points] : designPoints.asKeyValueRange())
                QVERIFY2(!sans.startsWith("Liberation")
                        || qFuzzyCompare(w.child<QWidget>(name)->font().pointSizeF(), 2 * points),
                    qPrintable(name));
        }
        for (const char *entry : {"<paste:8888>", "<paste:-1.79769313486232E+308>"}) {
            w.enter(entry);
            verifyNothingCut(w.calvaran);
        }
        // No widget reaches into a sibling it keeps clear of in the design.
        for (const QWidget *a : children) {
            for (const QWidget *b : children) {
                const auto place
                    = [&](const QWidget *c) { return design["Calvaran/" + c->objectName()]; };
                if (a != b && !place(a).intersects(place(b)))
                    QVERIFY2(!a->geometry().intersects(b->geometry()),
                        qPrintable(a->objectName() + " over " + b->objectName()));
            }
        }
        w.calvaran.resize(w.calvaran.minimumSize());
        QCOMPARE(geometries(w.calvaran), design);
    }

    void opensAtTheDesktopFontSize()
    {
        const QFont designed = QApplication::font();
        QFont large = designed;
        large.setPointSizeF(16);
        QApplication::setFont(large);
        Calvaran window;
        QApplication::setFont(designed);
        QVERIFY(window.width() >= twipsToPixels(4530) * 16 / 8.25);
        QCOMPARE(window.minimumSize(), window.size());
        QVERIFY(window.findChild<QLabel *>("Label1")->font().pointSizeF() >= 15.5);
    }
};

ROMAN_TEST_MAIN(TestUsability)
#include "tst_usability.moc"
