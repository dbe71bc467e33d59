#include "core/calculation.h"

#include "core/shiftstack.h"

#include <QScopedValueRollback>

#include <algorithm>
#include <limits>
#include <utility>

Calculation::Calculation(PadEngine &pad, ShiftStack &stack)
    : pad_(pad)
    , stack_(stack)
{
    pad_.change.connect([this] { changed(); });
    pad_.push.connect([this] { pushed(); });
    pad_.pop.connect([this] { popped(); });
    pad_.stepped.connect([this](const PadStep &step) { stepped(step); });
    pad_.failed.connect([this](const PadStep &) { failedStep(); });
}

void Calculation::enter(double value, bool inEntry, const QString &text)
{
    // After a failure the next number starts a new calculation, as on any
    // calculator, rather than one from a result that is not a number; the
    // digit that starts it stays where it was typed.
    if (failed_) {
        const QScopedValueRollback<bool> keep(keepingEntry_, true);
        clearAll();
    }
    if (inEntry && !entryHeld_) {
        shownBeforeEntry_ = shown_;
        valueBeforeEntry_ = pad_.value();
        awaitingBeforeEntry_ = awaitingOperand_;
    }
    note_ = Note::None;
    pad_.setValue(value);
    display(value);
    entryHeld_ = inEntry;
    if (inEntry)
        awaitingOperand_ = false;
    reading_ = inEntry ? surprisingReading(text, value) : std::nullopt;
    moved.raise(Move::Entered, pad_.state());
}

void Calculation::forgetEntry()
{
    if (!entryHeld_)
        return;
    entryHeld_ = false;
    reading_.reset();
    // A number the entry no longer holds is neither on show nor the operand.
    pad_.setValue(valueBeforeEntry_);
    awaitingOperand_ = awaitingBeforeEntry_;
    display(shownBeforeEntry_);
}

void Calculation::press(QChar key, std::optional<double> number, const QString &text)
{
    // As if typed in two steps: the key alone would act on the operand
    // entered before, and the number would be lost.
    if (number)
        enter(*number, true, text);
    else
        entryHeld_ = false;
    if (const std::optional<PadAction> action = padAction(key))
        act(*action);
}

void Calculation::act(PadAction action)
{
    // A person who presses + and then * means *, as on every desk calculator;
    // the engine would repeat the operand instead (5 + 5 * 3).
    if (pendingCode(action) != PendingCode::None && awaitingOperand_)
        return replaceOperation(action);
    const int open = action == PadAction::Equals ? openParentheses_ : 0;
    for (int i = 0; i < open; ++i)
        closeForEquals();
    // A number right before "(" is a factor, as on paper: 2(3) is 2 * (3).
    // Its result empties the entry, so this multiplies once. The product is
    // its own action, done before "(", never inside it.
    if (action == PadAction::LParen && entryHeld_)
        pad_.perform(PadAction::Mult);
    pad_.perform(action);
    if (open > 0 && note_ == Note::None) {
        note_ = Note::ClosedParentheses;
        closedByEquals_ = open;
    }
}

void Calculation::replaceOperation(PadAction action)
{
    replacedCode_ = pad_.pend();
    pad_.setPend(pendingCode(action));
    lastKey_ = padKey(action);
    note_ = Note::Replaced;
    moved.raise(Move::Replaced, pad_.state());
    // The keypad's state changed, though it did no arithmetic.
    pad_.change.raise();
}

void Calculation::closeForEquals()
{
    // "=" finishes the whole calculation: what a parenthesis left open holds
    // is worked out first, innermost outwards, as ")" would.
    moved.raise(Move::ClosingForEquals, pad_.state());
    pad_.perform(PadAction::RParen);
}

void Calculation::clearAll()
{
    // Ten pushes of a fresh calculation's state fill every level of the
    // stack with it, which is as empty as a stack without a depth can be.
    stack_.setItos(0);
    for (std::size_t level = 0; level < ShiftStack::Depth; ++level)
        stack_.setTos(0);
    openParentheses_ = 0;
    outermostDropped_ = false;
    failed_ = false;
    awaitingOperand_ = false;
    reading_.reset();
    // Clear keeps the operand; a fresh start does not.
    pad_.setValue(0);
    pad_.perform(PadAction::Clear);
    note_ = Note::None;
    // A new keypad has typed nothing.
    pad_.setTypeIn({});
    lastKey_ = {};
    moved.raise(Move::ClearedAll, pad_.state());
}

bool Calculation::isFresh() const
{
    return pad_.acc() == 0 && pad_.pend() == 0 && pad_.value() == 0 && stack_.isFresh()
        && openParentheses_ == 0 && !outermostDropped_ && !entryHeld_ && shown_ == 0
        && lastKey_.isNull() && !failed_;
}

void Calculation::changed()
{
    display(pad_.acc());
    clearEntry();
}

void Calculation::pushed()
{
    // The stack takes the code first: the write of the value pushes both.
    stack_.setItos(pad_.pend());
    stack_.setTos(pad_.acc());
    moved.raise(Move::SetAside, pad_.state());
    pad_.setPend(0);
    pad_.setAcc(0);
    outermostDropped_ = openParentheses_ == int(ShiftStack::Depth);
    openParentheses_ = std::min(openParentheses_ + 1, int(ShiftStack::Depth));
}

void Calculation::popped()
{
    // The code is read before the value, whose read pops both.
    pad_.setValue(pad_.acc());
    pad_.setPend(stack_.itos());
    pad_.setAcc(stack_.tos());
    clearEntry();
    openParentheses_ = std::max(openParentheses_ - 1, 0);
    outermostDropped_ = false;
    note_ = Note::Waiting;
    noteValue_ = pad_.value();
    moved.raise(Move::BroughtBack, pad_.state());
}

void Calculation::failedStep()
{
    expected_.reset();
    failed_ = true;
    awaitingOperand_ = false;
    lastKey_ = {};
    shown_ = std::numeric_limits<double>::quiet_NaN();
    if (showFailure)
        showFailure();
    clearEntry();
}

void Calculation::stepped(const PadStep &step)
{
    // The parentheses "=" closes come before its own step.
    if (expected_ && step.action != PadAction::RParen && step.action != PadAction::LParen)
        wrongResult_ = compare(*std::exchange(expected_, std::nullopt), step.after.acc);
    note_ = Note::None;
    lastKey_ = padKey(step.action);
    awaitingOperand_ = pendingCode(step.action) != PendingCode::None;
    if (step.keptDividend) {
        note_ = Note::KeptDividend;
        noteValue_ = step.after.acc;
    } else if (step.action == PadAction::Clear && step.after.value != 0) {
        note_ = Note::Cleared;
        noteValue_ = step.after.value;
    }
}

void Calculation::display(double value)
{
    // A result on show again goes on from a number.
    failed_ = false;
    shown_ = value;
    if (show)
        show(value);
}

void Calculation::clearEntry()
{
    entryHeld_ = false;
    reading_.reset();
    if (emptyEntry && !keepingEntry_)
        emptyEntry();
}
