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

void applyPending(std::int16_t code, double &acc, double &value)
{
    if (code == PendingCode::None)
        acc = value;
    if (code == PendingCode::Add)
        store(acc, value + acc);
    if (code == PendingCode::Multiply)
        store(acc, value * acc);
    if (code == PendingCode::Subtract)
        store(acc, acc - value);
    // Replacing the operand before the division is what makes dividing by
    // zero leave the dividend alone. The 1 is kept, so the next operation
    // sees it too; NaN compares like zero here.
    if (value == 0.0 || std::isnan(value))
        value = 1.0;
    if (code == PendingCode::Divide)
        store(acc, acc / value);
}

QChar padKey(PadAction action)
{
    return QStringView(u"+/*-()=r")[static_cast<int>(action)];
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
        operate(PendingCode::Add, action);
        break;
    case PadAction::Div:
        operate(PendingCode::Divide, action);
        break;
    case PadAction::Mult:
        operate(PendingCode::Multiply, action);
        break;
    case PadAction::Subt:
        operate(PendingCode::Subtract, action);
        break;
    case PadAction::Equals:
        operate(PendingCode::None, action);
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
    // Before the event, so that the host's handler sees the new code.
    pend_ = nextCode;
    announce(action, before, change);
}

void PadEngine::apply(PadAction action, const PadState &before)
{
    try {
        applyPending(pend_, acc_, value_);
    } catch (const ArithmeticError &) {
        failed.raise({action, before, state()});
        throw;
    }
}

void PadEngine::announce(PadAction action, const PadState &before, const Event &event)
{
    stepped.raise({action, before, state()});
    event.raise();
}
