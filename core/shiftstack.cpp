#include "core/shiftstack.h"

#include <algorithm>

namespace {

template<typename Level> void shiftDown(Level &level)
{
    std::copy_backward(level.begin(), level.end() - 1, level.end());
}

// The bottom level stays where it was as well, so it repeats upward.
template<typename Level> void shiftUp(Level &level)
{
    std::copy(level.begin() + 1, level.end(), level.begin());
}

} // namespace

double ShiftStack::tos()
{
    const double top = values_.front();
    shiftUp(values_);
    shiftUp(codes_);
    // Inside the read: a handler already sees the levels moved.
    popped.raise();
    return top;
}

void ShiftStack::setTos(double value)
{
    shiftDown(values_);
    shiftDown(codes_);
    values_.front() = value;
    codes_.front() = stagedCode_;
}

double ShiftStack::clr()
{
    values_.fill(0.0);
    return 0.0;
}

void ShiftStack::setClr(double /*ignored*/)
{
    clr();
}

bool ShiftStack::isFresh() const
{
    const auto zero = [](auto level) { return level == 0; };
    return std::ranges::all_of(values_, zero) && std::ranges::all_of(codes_, zero)
        && stagedCode_ == 0;
}
