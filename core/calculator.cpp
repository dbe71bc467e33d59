#include "core/calculator.h"

Calculator::Calculator()
    : Calculator(std::make_unique<PadEngine>(), std::make_unique<ShiftStack>())
{ }

Calculator::Calculator(std::unique_ptr<PadEngine> pad, std::unique_ptr<ShiftStack> stack)
    : ownPad_(std::move(pad))
    , ownStack_(std::move(stack))
    , calculation_(*ownPad_, *ownStack_)
    , tape_(*ownPad_, calculation_)
{ }

Calculator::Calculator(PadEngine &pad, ShiftStack &stack)
    : calculation_(pad, stack)
    , tape_(pad, calculation_)
{ }
