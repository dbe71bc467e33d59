#pragma once

#include "core/event.h"

#include <array>
#include <cstddef>
#include <cstdint>

// Where the calculator sets a sub-expression's outer state aside: ten levels
// of (value, pending code) that shift like a register. There is no depth
// count: a push onto a full stack drops the bottom level, and a pop repeats
// the bottom level upward, so neither can fail.
class ShiftStack
{
public:
    static constexpr std::size_t Depth = 10;

    // Reading pops the top value and raises popped before returning it;
    // writing pushes the value with the code staged through setItos().
    double tos();
    void setTos(double value);

    // CLR, BOS and IBOS are the component's interface for other hosts; this
    // window needs only TOS and ITOS.
    // Either direction zeroes every value; the codes stay.
    double clr();
    void setClr(double ignored);

    std::int16_t ibos() const { return codes_.back(); }
    void setIbos(std::int16_t code) { codes_.back() = code; }
    double bos() const { return values_.back(); }
    void setBos(double value) { values_.back() = value; }

    // Reads the top level's code, but a write only stages the code for the
    // next push, which is why a host writes it before pushing and reads it
    // before popping.
    std::int16_t itos() const { return codes_.front(); }
    void setItos(std::int16_t code) { stagedCode_ = code; }

    // A level's value and code, from the top (0) down, without popping: for
    // showing what the parentheses set aside.
    double valueAt(std::size_t level) const { return values_.at(level); }
    std::int16_t codeAt(std::size_t level) const { return codes_.at(level); }

    // Every level and the staged code as a new stack has them.
    bool isFresh() const;

    Event popped;

private:
    std::array<double, Depth> values_ {};
    std::array<std::int16_t, Depth> codes_ {};
    std::int16_t stagedCode_ = 0;
};
