#pragma once

#include <QString>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The few kinds of child widget the components are made of, built the same way
// everywhere: the object name is the widget's name in the program, and a
// screen reader gets a name from the tooltip or the caption.

// A frame has no caption, so a screen reader needs its name said outright.
QFrame *makeFrame(
    QWidget *parent, const QString &name, const QString &spokenName, const QString &toolTip = {});

// A single-line text box; read-only boxes centre their text and stay
// selectable so that a person can copy what they show.
enum class TextBoxKind { Editable, ReadOnly };
QLineEdit *makeTextBox(
    QWidget *parent, const QString &name, const QString &toolTip, TextBoxKind kind);

// A caption marks its access key with "&" before the character.
QPushButton *makeButton(
    QWidget *parent, const QString &name, const QString &caption, const QString &toolTip = {});

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &caption);
