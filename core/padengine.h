#pragma once

#include "core/event.h"
#include "core/operations.h"

#include <QChar>
#include <QString>

#include <cstdint>
#include <optional>

// Applies the operation named by code to the accumulator with value as its
// right-hand operand; a code outside 0..4 does no arithmetic. A division by
// a zero or NaN value divides by 1, which keeps the dividend. A result that
// is not finite is left in acc and throws ArithmeticError.
void applyPending(std::int16_t code, double &acc, double value);

// Whether a division by the divisor keeps the dividend instead.
bool dividesByZero(double divisor);

// The key whose action leaves the code pending ("+", "/", "*" or "-"), and
// the sign the calculator writes for it ("+", "÷", "×" or "−"); null for a
// code that names no operation.
QChar pendingKey(std::int16_t code);
QChar pendingSign(std::int16_t code);

// The code an action leaves pending: None for all but the four operations.
inline std::int16_t pendingCode(PadAction action)
{
    return operation(action).pending;
}

// The operation key of an action: "+", "/", "*", "-", "(", ")", "=" or "r".
inline QChar padKey(PadAction action)
{
    return operation(action).key;
}
// The action of an operation key as typed; none for any other character.
std::optional<PadAction> padAction(QChar key);

struct PadState
{
    double acc;
    std::int16_t pend;
    double value;
};

// One action as the accumulator saw it: the state before, and the state
// after its arithmetic, just before the host hears of it.
struct PadStep
{
    PadAction action;
    PadState before;
    PadState after;
    // Facts of the step that observers would otherwise each work out: its
    // division by zero kept the dividend, and the accumulator had failed
    // before it, so that a failure only carried on.
    bool keptDividend = false;
    bool carriedFailure = false;
};

// The calculation behind the keypad, with no widget: it evaluates strictly
// from left to right. Acc is the running result, Value the latest operand and
// Pend the operation waiting for it. Parentheses are the host's business: the
// engine raises push and pop, and the host sets the outer calculation aside
// and brings it back through Pend and Acc.
class PadEngine
{
public:
    double value() const { return value_; }
    void setValue(double value) { value_ = value; }
    double acc() const { return acc_; }
    void setAcc(double acc) { acc_ = acc; }
    std::int16_t pend() const { return pend_; }
    void setPend(std::int16_t pend) { pend_ = pend; }
    PadState state() const { return {acc_, pend_, value_}; }

    // Stores the text, then performs the action of the key it names, if any.
    // Throws ArithmeticError when the action fails.
    QString typeIn() const { return typeIn_; }
    void setTypeIn(const QString &text);

    // What a click on the action's button does. Throws ArithmeticError when
    // the arithmetic fails, after raising failed and none of the other events.
    void perform(PadAction action);

    Event change;
    Event push;
    Event pop;
    // Every action that got as far as its event, raised just before it: for
    // observers that explain or record the calculation, never to change it.
    BasicEvent<const PadStep &> stepped;
    // An action whose arithmetic failed, with the failed result in after.acc,
    // raised before the error goes on to the caller.
    BasicEvent<const PadStep &> failed;

private:
    void operate(std::int16_t nextCode, PadAction action);
    void apply(PadAction action, const PadState &before);
    void announce(PadAction action, const PadState &before, const Event &event);
    PadStep step(PadAction action, const PadState &before) const;

    std::int16_t pend_ = 0;
    double acc_ = 0.0;
    double value_ = 0.0;
    QString typeIn_;
};
