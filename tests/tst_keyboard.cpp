// What a person expects of a desktop calculator beyond the mouse: Enter and
// Escape, the focus ready for typing, readouts a screen reader can speak,
// and copying a result.

#include "support.h"
#include "windowdriver.h"

#include "calc/stack.h"
#include "numerals/romandisplay.h"
#include "numerals/typeinpad.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFrame>

namespace {

QString stateOf(const WindowDriver &w)
{
    const ParenBase *pad = w.pad();
    return QStringLiteral("arab=%1 roman=%2 text=%3 value=%4 acc=%5 pend=%6 key=%7")
        .arg(w.arab(), w.roman(), w.text1()->text())
        .arg(pad->value())
        .arg(pad->acc())
        .arg(pad->pend())
        .arg(w.calvaran.typeInPad()->conKey());
}

QString spoken(QWidget *widget, QAccessible::Text what = QAccessible::Name)
{
    return QAccessible::queryAccessibleInterface(widget)->text(what);
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void enterAndEscapeActLikeTheirKeys_data()
    {
        QTest::addColumn<QString>("withKeys");
        QTest::addColumn<QString>("typed");
        QTest::newRow("result") << "2+3[Return]"
                                << "2+3=";
        QTest::newRow("keypad enter") << "2+3[Enter]"
                                      << "2+3=";
        QTest::newRow("after paren") << "2+(3*4)[Return]"
                                     << "2+(3*4)=";
        QTest::newRow("unreadable text") << "4+VV[Return]"
                                         << "4+VV=";
        QTest::newRow("overflow") << "1E308*10[Return]r2[Return]"
                                  << "1E308*10=r2=";
    }
    void enterAndEscapeActLikeTheirKeys()
    {
        QFETCH(QString, withKeys);
        QFETCH(QString, typed);
        RecordingReporter reporter;
        WindowDriver byKeys, byCharacters;
        byKeys.enter(withKeys);
        const auto keysErrors = reporter.numbers;
        byCharacters.enter(typed);
        QCOMPARE(stateOf(byKeys), stateOf(byCharacters));
        QCOMPARE(reporter.numbers.size(), 2 * keysErrors.size());
    }

    void enterOnUnreadableTextDeliversNothing()
    {
        WindowDriver w;
        w.enter("VV");
        int changes = 0;
        w.calvaran.typeInPad()->change.connect([&] { ++changes; });
        w.enter("[Return]");
        QCOMPARE(changes, 0);
        QCOMPARE(w.text1()->text(), QStringLiteral("VV"));
        QCOMPARE(w.pad()->pend(), 0);
    }

    void focusStartsInTypeInBox()
    {
        WindowDriver w;
        w.calvaran.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.calvaran));
        QCOMPARE(QApplication::focusWidget(), w.text1());
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("XIV"));
        QCOMPARE(w.roman(), QStringLiteral("XIV"));
    }

    void everyWidgetHasASpokenName()
    {
        WindowDriver w;
        const auto frames = w.calvaran.findChildren<QFrame *>(); // labels and text boxes too
        w.enter("VV"); // shows the mark on the type-in box
        for (QWidget *widget : w.calvaran.findChildren<QWidget *>()) {
            if (widget->isVisibleTo(&w.calvaran)
                && (qobject_cast<QFrame *>(widget) || qobject_cast<QAbstractButton *>(widget)
                    || qobject_cast<QLineEdit *>(widget)))
                QVERIFY2(!spoken(widget).isEmpty(), qPrintable(widget->objectName()));
        }
        QVERIFY(frames.size() >= 7);
    }

    void spokenNames_data()
    {
        QTest::addColumn<QString>("component");
        QTest::addColumn<QString>("widget");
        QTest::addColumn<QString>("name");
        QTest::newRow("add") << "ParenBase1"
                             << "Add"
                             << "Add";
        QTest::newRow("clear") << "ParenBase1"
                               << "Clear"
                               << "Clear";
        QTest::newRow("keypad frame") << "ParenBase1"
                                      << "Border"
                                      << "Basic Calculations";
        QTest::newRow("roman box") << "RomanDisplay1"
                                   << "RomanValue"
                                   << "Roman numeral readout";
        QTest::newRow("type-in box") << "TypeInPad1"
                                     << "Text1"
                                     << "Enter Numbers here";
        QTest::newRow("copy") << "TypeInPad1"
                              << "Command1"
                              << "Copy";
        QTest::newRow("stack") << "Stack1"
                               << "outline"
                               << "Parenthesis stack";
    }
    void spokenNames()
    {
        QFETCH(QString, component);
        QFETCH(QString, widget);
        QFETCH(QString, name);
        WindowDriver w;
        QCOMPARE(spoken(w.child<QWidget>(component)->findChild<QWidget *>(widget)), name);
    }

    void romanReadoutDescribesItsValue()
    {
        WindowDriver w;
        auto *box = w.child<QLineEdit>(QStringLiteral("RomanValue"));
        const auto description = [&] { return spoken(box, QAccessible::Description); };
        QCOMPARE(description(), QStringLiteral("zero"));
        w.enter("xiv");
        QCOMPARE(description(), QStringLiteral("XIV: 14"));
        w.enter("<paste:-1999>");
        QCOMPARE(description(), QStringLiteral("(MCMXCIX): -1999"));
        w.enter("<paste:9000>");
        QCOMPARE(
            description(), QStringLiteral("Roman overflow: 9000 is too large for Roman numerals"));
        w.enter("<paste:-12345>");
        QCOMPARE(description(),
            QStringLiteral("Roman underflow: -12345 is too small for Roman numerals"));
        w.enter("<paste:0.25>");
        QCOMPARE(description(), QStringLiteral("0.25 rounds to no Roman numeral"));
        w.enter("<paste:>");
        QCOMPARE(description(), QStringLiteral("zero"));
    }

    void readoutsCopyWithKeyboard_data()
    {
        QTest::addColumn<QString>("readout");
        QTest::addColumn<QString>("copied");
        QTest::newRow("arabic") << "ArabVal"
                                << "1999";
        QTest::newRow("roman") << "RomanValue"
                               << "MCMXCIX";
    }
    void readoutsCopyWithKeyboard()
    {
        QFETCH(QString, readout);
        QFETCH(QString, copied);
        WindowDriver w;
        w.enter("MCM+99=");
        auto *box = w.child<QLineEdit>(readout);
        QGuiApplication::clipboard()->clear();
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), copied);
        QCOMPARE(box->text(), copied); // still read-only
        QTest::keyClicks(box, QStringLiteral("5"));
        QCOMPARE(box->text(), copied);
    }
};

ROMAN_TEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
