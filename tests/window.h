#pragma once

// The whole window on real widgets, driven as a person drives it: keystrokes
// into the type-in box, clicks on the keypad, pastes, read back from the
// readouts, the status line and the tape. Shared by the test programs of the
// window's areas (calculations, window, tape, layout, components).

#include "support.h"

#include "app/languages.h"
#include "app/tape/tapepanel.h"
#include "app/window/calvaran.h"
#include "calc/parenbase.h"
#include "calc/stack.h"
#include "widgets/fonts.h"
#include "widgets/twips.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStyle>
#include <QTemporaryDir>

#include <utility>

inline QString spoken(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

struct Window
{
    explicit Window(const QString &tapeFolder = {})
        : calvaran(tapeFolder)
    {
        calvaran.show();
        // As a person waits for the window before typing; access keys reach
        // only the active window.
        calvaran.activateWindow();
        if (!QTest::qWaitForWindowActive(&calvaran))
            qWarning("the window did not become active");
    }
    QWidget *child(const char *name) const { return calvaran.findChild<QWidget *>(name); }
    QLineEdit *text1() const { return calvaran.findChild<QLineEdit *>("Text1"); }
    // What the readouts and the type-in box show, then the keypad's Acc.
    QString shown() const
    {
        QStringList shown;
        for (const char *name : {"ArabVal", "RomanValue", "Text1"})
            shown << calvaran.findChild<QLineEdit *>(name)->text();
        return (shown << QString::number(calvaran.parenBase()->acc())).join('|');
    }
    QString status() const { return calvaran.findChild<QLabel *>("StatusLine")->text(); }
    bool marked() const
    {
        const QList<QAction *> marks = text1()->actions(); // none until an entry is unreadable
        return !marks.isEmpty() && marks.constFirst()->isVisible();
    }
    // The tape's entries, each as "decimal | Roman", newest last.
    QStringList tape() const
    {
        QStringList entries;
        for (const TapeEntry &entry : calvaran.tapePanel()->entries())
            entries << entry.decimal + " | " + entry.roman;
        return entries;
    }
    // One keystroke at a time, without waiting: "{Name}" clicks that widget
    // or triggers that action ("{Copy}" the Copy button), "{End}", "{Alt++}"
    // or "{Ctrl+C}" presses those keys, "[text]" pastes the text.
    void enter(const QString &input)
    {
        static const QRegularExpression token("\\{(\\w+)\\}|\\{(\\w+\\+.)\\}|\\[([^\\]]*)\\]|(.)");
        static const QHash<QString, QString> widgetNames {{"Copy", "Command1"}};
        for (const auto &match : token.globalMatch(input)) {
            const QString name = widgetNames.value(match.captured(1), match.captured(1));
            if (auto *action = calvaran.findChild<QAction *>(name); action && !name.isEmpty()) {
                action->trigger();
            } else if (match.hasCaptured(1) && child(qPrintable(name))) {
                QTest::mouseClick(child(qPrintable(name)), Qt::LeftButton);
            } else if (match.hasCaptured(1) || match.hasCaptured(2)) {
                const QKeyCombination keys = QKeySequence(name + match.captured(2))[0];
                QTest::keyClick(QApplication::focusWidget(), keys.key(), keys.keyboardModifiers());
            } else if (match.hasCaptured(3)) {
                QGuiApplication::clipboard()->setText(match.captured(3));
                text1()->paste();
            } else { // wherever this window's keyboard is at that key
                QTest::keyClicks(calvaran.focusWidget(), match.captured(4));
            }
        }
    }
    // Acc, Pend and Value, the open parentheses and the stack's top level.
    QString state() const
    {
        const ParenBase &pad = *calvaran.parenBase();
        return QString("%1 p%2 %3 (%4 %5")
            .arg(pad.acc())
            .arg(pad.pend())
            .arg(pad.value())
            .arg(calvaran.calculation().openParentheses())
            .arg(calvaran.stack()->itos());
    }
    Calvaran calvaran;
};

// Each program's set-up: settings and data folders of its own, a pinned
// locale, the design's desktop font and English.
class WindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The person's settings and tape stay out of the tests.
        QVERIFY(home.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath("config")));
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath("data")));
    }
    void init()
    {
        pinLocaleAndFailOnErrors();
        // The desktop font of the design, so that the window opens at its design size.
        QApplication::setFont(designFont("MS Sans Serif", 8.25));
        installTranslations(QLocale(QLocale::English));
    }

protected:
    // The settings and data folders of the tests.
    const QTemporaryDir home;
};
