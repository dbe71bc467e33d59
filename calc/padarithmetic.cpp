#include "calc/padarithmetic.h"

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
