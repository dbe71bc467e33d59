#pragma once

#include "core/calculation.h"
#include "core/event.h"
#include "core/padengine.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <optional>
#include <vector>

// One finished calculation, written once with every value as the decimal
// readout writes it and once as the Roman readout writes it.
struct TapeEntry
{
    QString decimal;
    QString roman;
    // What it came to; none when it failed.
    std::optional<double> result;

    bool operator==(const TapeEntry &) const = default;
};

// A value as the tape's Roman line writes it, so that the line reads as a
// calculation: the numeral where it is the value itself, marked "≈" where it
// is rounded ("≈II" for 2.5), and the one mark "∅" for a value that has no
// numeral (zero, less than a half, beyond the limit, not a number), whose
// decimal line says what it is.
QString tapeRomanText(double value);

// The paper tape: it writes down what the keypad computed, from the keypad's
// own values before and after each step and the calculation's moves around
// it, and never works anything out for itself. Each calculation that ends
// with "=" or fails becomes an entry, written so that the strictly left to
// right order cannot be misread: where an operation that reads as binding
// tighter follows an addition or a subtraction, the running result is
// written first ("2 + 3 = 5, × 4 = 20").
class Tape
{
public:
    Tape() = default;
    // Follows the keypad and the calculation around it, changing neither.
    Tape(PadEngine &pad, Calculation &calculation);
    Tape(const Tape &) = delete;
    Tape &operator=(const Tape &) = delete;

    void step(const PadStep &step);
    void fail(const PadStep &step);
    void move(Calculation::Move move, const PadState &state);

    BasicEvent<const TapeEntry &> written;

private:
    // A value, or text that is the same in both forms.
    struct Piece
    {
        Piece(const QString &text)
            : text(text)
        { }
        Piece(double number)
            : number(number)
        { }
        QString text;
        std::optional<double> number;
    };
    using Line = std::vector<Piece>;
    // The calculation of one level of parentheses so far.
    struct Chain
    {
        Line line;
        // An addition or subtraction since the running result was last written.
        bool additive = false;
        // The running result was written in the middle.
        bool broken = false;
        bool keptDividend = false;
        // How the entries that were read in a surprising way were read.
        QStringList readings = {};
        // What the last operation appended, so that another key can replace it.
        std::size_t operationPieces = 0;
        bool additiveBefore = false;
        bool brokenBefore = false;
    };

    // The pending operation applied to the operand before it.
    void apply(const PadStep &step);
    // A result the text being calculated wrote down other than the one the
    // step just taken calculated.
    void noteWrongResult();
    void appendOperation(std::int16_t code, double acc);
    void replaceOperation(const PadState &state);
    void finish(Line outcome, std::optional<double> result);
    // What the keypad's state says of a calculation the tape did not see begin.
    static Chain startedFrom(const PadState &state);
    static void append(Line &line, Line pieces);

    const Calculation *calculation_ = nullptr;
    Chain chain_;
    // The parentheses that "=" closed before it finished.
    int closedByEquals_ = 0;
    // The outer calculations, as deep as the stack keeps them.
    std::deque<Chain> setAside_;
    // The parentheses just closed, while their value is the operand.
    std::optional<Chain> group_;
};
