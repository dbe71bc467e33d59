#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

#include <utility>
#include <vector>

class ArabDisplay;
class ParenBase;
class QLabel;
class RomanDisplay;
class Stack;
class TypeInPad;

// The calculator's window. It owns one of each component and is the only
// place that knows them all: every value passes between them through the
// four handlers below, in the order the calculation depends on.
//
// The whole design scales with the window by one factor, so nothing is
// stretched; the window opens at the person's font size and never shrinks
// below it. A status line under the design says what the calculator does
// with the person's input.
class Calvaran : public QWidget
{
public:
    explicit Calvaran(QWidget *parent = nullptr);

    ParenBase *parenBase() const { return parenBase1_; }
    Stack *stack() const { return stack1_; }
    TypeInPad *typeInPad() const { return typeInPad1_; }
    RomanDisplay *romanDisplay() const { return romanDisplay1_; }
    ArabDisplay *arabDisplay() const { return arabDisplay1_; }

    // The factor the design is drawn at now.
    qreal scale() const { return scale_; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void parenBaseChanged();
    void parenBasePushed();
    void parenBasePopped();
    void typeInPadChanged();
    void typeInPadUnread();
    // Resets the calculation, empties the open parentheses and the type-in
    // box, whatever it holds: what Escape does anywhere in the window.
    void clearAll();

    void placeDesign(qreal factor);
    void offerResult();
    void showStatus(const QString &message = {});

    ParenBase *parenBase1_;
    Stack *stack1_;
    TypeInPad *typeInPad1_;
    RomanDisplay *romanDisplay1_;
    ArabDisplay *arabDisplay1_;
    QLabel *label1_;
    QLabel *label2_;
    QLabel *statusLine_;

    double curVal_ = 0;
    QString curKey_;

    // The stack never says how deep it is, so the window counts.
    int openParentheses_ = 0;
    bool outermostDropped_ = false;

    std::vector<std::pair<QWidget *, QRect>> designPlaces_;
    qreal openingScale_ = 1;
    qreal scale_ = 0;
    QSize placedSize_;
};
