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

// A single-line text box to type numerals into.
QLineEdit *makeTextBox(QWidget *parent, const QString &name, const QString &toolTip);

// A readout's box: a read-only line edit, its text centred and never cut,
// selectable, so that a person can copy what it shows, its bars drawn as one.
// Keys that would type into it go on to its parents.
QLineEdit *makeReadout(QWidget *parent, const QString &name, const QString &toolTip);

// A caption marks its access key with "&" before the character.
QPushButton *makeButton(
    QWidget *parent, const QString &name, const QString &caption, const QString &toolTip = {});

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &caption);
