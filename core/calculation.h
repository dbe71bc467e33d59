#pragma once

#include "core/checkedline.h"
#include "core/entryreading.h"
#include "core/padengine.h"
#include "core/reader.h"

#include <QChar>

#include <cmath>
#include <functional>
#include <optional>

class ShiftStack;

// The moves between the keypad's engine, the parenthesis stack and what the
// person sees, made the same way whether the keys come from the window or the
// command line: a number entered goes to the keypad and to the readouts, a
// result is shown and empties the entry, "(" sets the outer calculation aside
// on the stack and ")" brings it back.
//
// Where a person's input meets the engine it also mends what the engine alone
// gets wrong, without changing the engine: a number that arrives together
// with its key is entered before the key, "(" right after a number
// multiplies, all clear starts afresh, and so does the first number after a
// failed calculation. It also mends what a person expects and the engine
// does not: an operation key right after another replaces it, and "=" closes
// the parentheses left open before it finishes.
class Calculation
{
public:
    Calculation(PadEngine &pad, ShiftStack &stack);
    Calculation(const Calculation &) = delete;
    Calculation &operator=(const Calculation &) = delete;

    // Where the readouts show a number, where they show that a calculation
    // failed, and where the entry empties.
    std::function<void(double)> show;
    std::function<void()> showFailure;
    std::function<void()> emptyEntry;

    // A number read from the entry, whose text is given for the record.
    // inEntry is false when the entry is empty, as after deleting it, so that
    // no "(" multiplies it. The first number after a failed calculation starts
    // a new one, and stays in the entry as typed.
    void enter(double value, bool inEntry = true, const QString &text = {});
    // An operation key, with the number that came in the same edit, if any:
    // whether a number stands before "(" is decided by the text at this
    // moment. Throws ArithmeticError when the action fails.
    void press(QChar key, std::optional<double> number = {}, const QString &text = {});
    // A keypad action, as a click makes it: a number in the entry before
    // "(" multiplies, an operation right after another replaces it, and "="
    // closes every open parenthesis first.
    void act(PadAction action);
    // The entry holds no number any more (text that cannot be read): the
    // readouts and the operand go back to what they were before it began.
    void forgetEntry();
    // Everything as a new calculator has it.
    void clearAll();
    bool isFresh() const;

    // Whether a "-" typed now is a number's sign: at the start, after "(" and
    // after an operation, never after ")", "=" or Clear.
    bool signMayFollow() const { return ::signMayFollow(lastKey_); }
    // The last calculation failed, and nothing has been entered since.
    bool failed() const { return failed_; }
    // The running result is the failed one: only all clear or a new number
    // goes on from here.
    bool spoiled() const { return !std::isfinite(pad_.acc()); }

    // The stack never says how deep it is, so the calculation counts.
    int openParentheses() const { return openParentheses_; }
    bool outermostDropped() const { return outermostDropped_; }

    // What the last action did that the readouts do not tell.
    enum class Note { None, KeptDividend, Waiting, Cleared, Replaced, ClosedParentheses };
    Note note() const { return note_; }
    // The number the note is about: the dividend kept, the value waiting
    // after ")", or the operand a cleared calculation starts from.
    double noteValue() const { return noteValue_; }
    // The operation that the last one replaced, and how many parentheses
    // the last "=" closed.
    std::int16_t replacedCode() const { return replacedCode_; }
    int closedByEquals() const { return closedByEquals_; }
    // A result written down for the next step, "=" or the operation that
    // goes on from a running result, which that step's result is compared
    // with; none to compare no more.
    void expect(std::optional<WrittenResult> written)
    {
        expected_ = std::move(written);
        wrongResult_.reset();
    }
    // How the result of the step expected differs from the one written.
    const std::optional<WrongResult> &wrongResult() const { return wrongResult_; }
    // How the number in the entry was read, where that may surprise.
    const std::optional<EntryReading> &entryReading() const { return reading_; }

    const PadEngine &pad() const { return pad_; }

    // The number the readouts show.
    double shown() const { return shown_; }

    // What the calculation does besides the keypad's own steps, for observers
    // that record it: a number entered, the outer calculation set aside by
    // "(" (with the pair saved), brought back by ")" and all clear (with the
    // keypad's state after), an operation replaced, and a parenthesis that
    // "=" is about to close.
    enum class Move { Entered, SetAside, BroughtBack, ClearedAll, Replaced, ClosingForEquals };
    BasicEvent<Move, const PadState &> moved;

private:
    void changed();
    void pushed();
    void popped();
    void stepped(const PadStep &step);
    void failedStep();
    void display(double value);
    void clearEntry();
    void replaceOperation(PadAction action);
    void closeForEquals();

    PadEngine &pad_;
    ShiftStack &stack_;
    double shown_ = 0;
    bool entryHeld_ = false;
    bool failed_ = false;
    // An operation key was the last action: another one replaces it.
    bool awaitingOperand_ = false;
    // Set while a new calculation starts under the number being typed.
    bool keepingEntry_ = false;
    // What was on show and the operand when the entry began.
    double shownBeforeEntry_ = 0;
    double valueBeforeEntry_ = 0;
    bool awaitingBeforeEntry_ = false;
    std::optional<EntryReading> reading_;
    std::optional<WrittenResult> expected_;
    std::optional<WrongResult> wrongResult_;
    std::int16_t replacedCode_ = 0;
    int closedByEquals_ = 0;
    // The key of the last action, null at the start.
    QChar lastKey_;
    int openParentheses_ = 0;
    bool outermostDropped_ = false;
    Note note_ = Note::None;
    double noteValue_ = 0;
};
