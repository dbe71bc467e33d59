#pragma once

#include "core/calculation.h"
#include "core/romannumeral.h"

#include <QRect>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

class ArabDisplay;
class Calculator;
class NumeralChoices;
class ParenBase;
class PasteRun;
class QLabel;
class RomanDisplay;
class QAction;
class RuntimeError;
class Stack;
class StatusLine;
class TapePanel;
class TapeSplitter;
class TypeInPad;

// The calculator's window. It owns one of each component and is the only
// place that knows them all: every value passes between them through the
// calculation's moves (the same the command line makes), in the order the
// calculation depends on.
//
// The whole design scales with the window by one factor, so nothing is
// stretched; the window opens at the person's font size and never shrinks
// below it. A status line under the design says what the calculator does
// with the person's input.
class Calvaran : public QWidget
{
public:
    // The tape is saved in tapeFolder; without one it is kept in memory only.
    explicit Calvaran(const QString &tapeFolder = {}, QWidget *parent = nullptr);
    ~Calvaran() override;

    ParenBase *parenBase() const { return parenBase1_; }
    Stack *stack() const { return stack1_; }
    TypeInPad *typeInPad() const { return typeInPad1_; }
    RomanDisplay *romanDisplay() const { return romanDisplay1_; }
    ArabDisplay *arabDisplay() const { return arabDisplay1_; }
    TapePanel *tapePanel() const { return tapePanel_; }

    const Calculation &calculation() const { return *calculation_; }
    // Whether a paste is still being entered.
    bool pasting() const { return paste_ != nullptr; }

    // The factor the design is drawn at now.
    qreal scale() const { return scale_; }

    // Writes numerals in these forms as well for this run, without saving
    // them as the person's choice.
    void useNumeralFormsForThisRun(RomanForms forms);

    // Shows a run-time error on the status line, marked and spoken, where it
    // stays while the result it spoiled is on show.
    void showError(const RuntimeError &error);

    // The tape beside the design, which keeps its factor; only the person's
    // own F9 or menu choice is remembered.
    void showTape(bool shown);
    bool tapeShown() const { return tapeShown_; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The constructor's parts, in the order the window is made.
    void openAtDesktopFontSize();
    void makeComponents(const QString &tapeFolder);
    void placeComponents();
    void connectCalculation();
    void connectTape();
    void makeMenu();

    // Gives the keyboard back to the type-in box, with the key that was
    // typed elsewhere.
    void typeIntoBox(QKeyEvent *key);
    void showValue(double value);
    void typeInPadChanged();
    void typeInPadUnread();
    void typeInPadPasted(const QString &text);
    // After each slice of a paste, and as it ends.
    void pasteStep();
    void showPasted(const PasteRun &paste);
    void showFailure();
    void writeNumeralsAgain();
    // A fresh start, as a new window: what Escape does anywhere in the window.
    void clearAll();

    // The design keeps its factor while the tape comes, goes or changes its
    // width: the window grows or shrinks by the difference.
    void makeRoom(const std::function<void()> &change);
    // The pointer moved this many pixels to the left of where it pressed the handle.
    void dragTape(int growth);
    void placeDesign(qreal factor);
    qreal fittingScale() const;
    int contentWidth() const;
    void showStatus(const QString &message = {});
    // While a paste is fed, what the readouts and the status line would show
    // after each step waits for the end of its slice, where only the last is
    // shown: laying out each would cost more than the calculation. Shows
    // what waits, then each step (one) or the last of a slice.
    void display(const std::function<void()> &show);
    void showSteps(bool one);

    ParenBase *parenBase1_;
    Stack *stack1_;
    TypeInPad *typeInPad1_;
    RomanDisplay *romanDisplay1_;
    ArabDisplay *arabDisplay1_;
    QLabel *label1_;
    QLabel *label2_;
    std::unique_ptr<StatusLine> statusLine_;
    TapePanel *tapePanel_;
    TapeSplitter *tapeSplitter_;
    QAction *tapeToggle_;
    NumeralChoices *numeralChoices_;

    // Made once the keypad and the stack, which hold its engine and register, are.
    std::unique_ptr<Calculator> calculator_;
    Calculation *calculation_ = nullptr;
    std::unique_ptr<PasteRun> paste_;
    bool batching_ = false;
    std::function<void()> pendingShow_;
    bool pendingEmpty_ = false;
    bool showNext_ = false;
    bool tapeShown_ = false;
    // The tape's width at the design's size, as the person dragged it.
    int tapeWidth_ = 0;
    int tapeWidthAtPress_ = 0;
    int widthAtPress_ = 0;

    std::vector<std::pair<QWidget *, QRect>> designPlaces_;
    qreal openingScale_ = 1;
    qreal scale_ = 0;
    QSize placedSize_;
};
