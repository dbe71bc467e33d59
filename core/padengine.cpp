#include "core/padengine.h"

#include "core/errors.h"

#include <cmath>

namespace {

void store(double &acc, double result)
{
    // The failed result stays in the accumulator for the host to see.
    acc = result;
    // The floating-point flags are no guide here: inf + 1 raises none of them,
    // and a calculation must not go on quietly from an infinite accumulator.
    if (!std::isfinite(result))
        throw ArithmeticError();
}

} // namespace

void applyPending(std::int16_t code, double &acc, double value)
{
    if (code == PendingCode::None)
        acc = value;
    if (code == PendingCode::Add)
        store(acc, value + acc);
    if (code == PendingCode::Multiply)
        store(acc, value * acc);
    if (code == PendingCode::Subtract)
        store(acc, acc - value);
    // Dividing by zero keeps the dividend. The 1 stands in for this division
    // only: kept as the operand, it would turn a later 0 + into 1 +.
    if (code == PendingCode::Divide)
        store(acc, acc / (dividesByZero(value) ? 1.0 : value));
}

bool dividesByZero(double divisor)
{
    // NaN compares like zero here.
    return divisor == 0.0 || std::isnan(divisor);
}

QChar pendingKey(std::int16_t code)
{
    const Operation *op = pendingOperation(code);
    return op ? QChar(op->key) : QChar();
}

QChar pendingSign(std::int16_t code)
{
    const Operation *op = pendingOperation(code);
    return op ? QChar(op->sign) : QChar();
}

std::optional<PadAction> padAction(QChar key)
{
    for (const Operation &op : Operations) {
        if (key == op.key)
            return op.action;
    }
    return std::nullopt;
}

void PadEngine::setTypeIn(const QString &text)
{
    typeIn_ = text;
    // Every key is its own comparison with the text as it stands at that
    // moment: a host handler may write TypeIn while an action runs, and the
    // keys still to come are compared with what it wrote.
    static constexpr PadAction order[] = {PadAction::Equals, PadAction::Subt, PadAction::RParen,
        PadAction::LParen, PadAction::Mult, PadAction::Div, PadAction::Clear, PadAction::Add};
    for (const PadAction action : order) {
        if (typeIn_.size() == 1 && typeIn_.front() == padKey(action))
            perform(action);
    }
}

void PadEngine::perform(PadAction action)
{
    const PadState before = state();
    switch (action) {
    case PadAction::Add:
    case PadAction::Div:
    case PadAction::Mult:
    case PadAction::Subt:
    case PadAction::Equals:
        operate(pendingCode(action), action);
        break;
    case PadAction::LParen:
        // Setting the outer calculation aside is the host's part.
        announce(action, before, push);
        break;
    case PadAction::RParen:
        // Pend stays as the sub-expression had it; the host restores the outer one.
        apply(action, before);
        announce(action, before, pop);
        break;
    case PadAction::Clear:
        // Value stays: the operand on show is still the operand.
        acc_ = 0.0;
        pend_ = PendingCode::None;
        announce(action, before, change);
        break;
    }
}

void PadEngine::operate(std::int16_t nextCode, PadAction action)
{
    const PadState before = state();
    apply(action, before);
    // The result on show is what an operation after "=" works on, not the
    // operand typed before it: 2 + 3 = × 4 is 20.
    if (action == PadAction::Equals)
        value_ = acc_;
    // Before the event, so that the host's handler sees the new code.
    pend_ = nextCode;
    announce(action, before, change);
}

void PadEngine::apply(PadAction action, const PadState &before)
{
    try {
        applyPending(pend_, acc_, value_);
    } catch (const ArithmeticError &) {
        failed.raise(step(action, before));
        throw;
    }
}

void PadEngine::announce(PadAction action, const PadState &before, const Event &event)
{
    stepped.raise(step(action, before));
    event.raise();
}

PadStep PadEngine::step(PadAction action, const PadState &before) const
{
    // "(" and Clear apply nothing pending.
    const bool applies = action != PadAction::LParen && action != PadAction::Clear;
    return {action, before, state(),
        applies && before.pend == PendingCode::Divide && dividesByZero(before.value),
        !std::isfinite(before.acc)};
}
