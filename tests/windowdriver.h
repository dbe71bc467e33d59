#pragma once

// Drives a real calculator window the way a person does: keystrokes into the
// type-in box, clicks on the keypad, and reading what the readouts show.

#include "app/calvaran.h"
#include "calc/parenbase.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

struct WindowDriver
{
    WindowDriver()
    {
        calvaran.show();
        if (!QTest::qWaitForWindowExposed(&calvaran))
            qFatal("window not exposed");
    }

    template<typename T> T *child(const QString &name) const
    {
        return calvaran.findChild<T *>(name);
    }
    QLineEdit *text1() const { return child<QLineEdit>(QStringLiteral("Text1")); }
    QString arab() const { return child<QLineEdit>(QStringLiteral("ArabVal"))->text(); }
    QString roman() const { return child<QLineEdit>(QStringLiteral("RomanValue"))->text(); }
    ParenBase *pad() const { return calvaran.parenBase(); }

    // Types the characters one keystroke at a time. "{Name}" clicks the keypad
    // button of that name, "[Return]", "[Enter]" (the keypad's) and "[Escape]"
    // press those keys, and "<paste:...>" replaces the whole text in one edit.
    void enter(const QString &input)
    {
        static const QRegularExpression token(
            QStringLiteral("\\{(\\w+)\\}|\\[(\\w+)\\]|<paste:([^>]*)>|(.)"));
        for (const auto &match : token.globalMatch(input)) {
            if (match.hasCaptured(1))
                QTest::mouseClick(child<QPushButton>(match.captured(1)), Qt::LeftButton);
            else if (match.hasCaptured(2))
                pressKey(match.captured(2));
            else if (match.hasCaptured(3))
                text1()->setText(match.captured(3));
            else
                QTest::keyClicks(text1(), match.captured(4));
        }
    }

    void pressKey(const QString &name)
    {
        if (name == QLatin1String("Return"))
            QTest::keyClick(text1(), Qt::Key_Return);
        else if (name == QLatin1String("Enter"))
            QTest::keyClick(text1(), Qt::Key_Enter, Qt::KeypadModifier);
        else if (name == QLatin1String("Escape"))
            QTest::keyClick(text1(), Qt::Key_Escape);
        else
            qFatal("no such key: %s", qPrintable(name));
    }

    Calvaran calvaran;
};
