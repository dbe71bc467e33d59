#pragma once

#include <QString>
#include <QWidget>

class ArabDisplay;
class ParenBase;
class QLabel;
class RomanDisplay;
class Stack;
class TypeInPad;

// The calculator's window. It owns one of each component and is the only
// place that knows them all: every value passes between them through the
// four handlers below, in the order the calculation depends on.
class Calvaran : public QWidget
{
public:
    explicit Calvaran(QWidget *parent = nullptr);

    ParenBase *parenBase() const { return parenBase1_; }
    Stack *stack() const { return stack1_; }
    TypeInPad *typeInPad() const { return typeInPad1_; }
    RomanDisplay *romanDisplay() const { return romanDisplay1_; }
    ArabDisplay *arabDisplay() const { return arabDisplay1_; }

private:
    void parenBaseChanged();
    void parenBasePushed();
    void parenBasePopped();
    void typeInPadChanged();

    ParenBase *parenBase1_;
    Stack *stack1_;
    TypeInPad *typeInPad1_;
    RomanDisplay *romanDisplay1_;
    ArabDisplay *arabDisplay1_;
    QLabel *label1_;
    QLabel *label2_;

    double curVal_ = 0;
    QString curKey_;
};
