#pragma once

#include "core/calculation.h"
#include "core/padengine.h"
#include "core/shiftstack.h"
#include "core/tape.h"

#include <memory>

// The calculator without a window, put together once: the keypad's engine,
// the parenthesis stack, the calculation that moves values between them, and
// the tape that records it. The window, --eval, the tests and the fuzzers
// all build this and nothing else, so that each runs the same calculator.
class Calculator
{
public:
    // With an engine and a stack of its own.
    Calculator();
    // With the engine and the stack that the window's keypad and stack
    // components hold.
    Calculator(PadEngine &pad, ShiftStack &stack);
    Calculator(const Calculator &) = delete;
    Calculator &operator=(const Calculator &) = delete;

    Calculation &calculation() { return calculation_; }
    const Calculation &calculation() const { return calculation_; }
    Tape &tape() { return tape_; }

private:
    Calculator(std::unique_ptr<PadEngine> pad, std::unique_ptr<ShiftStack> stack);

    std::unique_ptr<PadEngine> ownPad_;
    std::unique_ptr<ShiftStack> ownStack_;
    Calculation calculation_;
    Tape tape_;
};
