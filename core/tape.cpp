#include "core/tape.h"

#include "core/errors.h"
#include "core/romannumeral.h"
#include "core/shiftstack.h"
#include "core/textservices.h"

#include <QCoreApplication>

#include <cmath>
#include <iterator>
#include <utility>

namespace {

// A pasted calculation may run to thousands of operations; an entry keeps
// its beginning and its end.
constexpr std::size_t LongestLine = 600;
constexpr std::ptrdiff_t KeptAtEachEnd = 200;

bool isOperation(std::int16_t code)
{
    return code >= PendingCode::Add && code <= PendingCode::Subtract;
}

// Multiplication and division read as binding tighter than the operations
// before them, which the keypad does not do.
bool readsTighter(std::int16_t code)
{
    return code == PendingCode::Multiply || code == PendingCode::Divide;
}

QString operationText(std::int16_t code)
{
    const QChar sign = pendingSign(code);
    return sign.isNull() ? QString() : u' ' + QString(sign) + u' ';
}

} // namespace

Tape::Tape(PadEngine &pad, Calculation &calculation)
{
    pad.stepped.connect([this](const PadStep &done) { step(done); });
    pad.failed.connect([this](const PadStep &done) { fail(done); });
    calculation.moved.connect(
        [this](Calculation::Move done, const PadState &state) { move(done, state); });
}

void Tape::step(const PadStep &step)
{
    switch (step.action) {
    case PadAction::LParen:
        // The calculation's move that sets the outer one aside follows.
        break;
    case PadAction::Clear:
        // The value of parentheses just closed is still the operand.
        chain_ = {};
        break;
    case PadAction::RParen:
        apply(step);
        break;
    case PadAction::Equals:
        apply(step);
        finish({QStringLiteral(" = "), step.after.acc}, step.after.acc);
        break;
    default:
        apply(step);
        appendOperation(step.after.pend, step.after.acc);
        break;
    }
}

void Tape::fail(const PadStep &step)
{
    // A failure carried on from one before it is no new calculation.
    if (!std::isfinite(step.before.acc)) {
        chain_ = {};
        return;
    }
    apply(step);
    finish({QStringLiteral(" = ") + ArithmeticError().text()}, std::nullopt);
}

void Tape::move(Calculation::Move move, const PadState &state)
{
    switch (move) {
    case Calculation::Move::Entered:
        group_.reset();
        break;
    case Calculation::Move::SetAside:
        group_.reset();
        if (chain_.line.empty())
            chain_ = startedFrom(state);
        setAside_.push_back(std::exchange(chain_, {}));
        if (setAside_.size() > ShiftStack::Depth)
            setAside_.pop_front();
        break;
    case Calculation::Move::BroughtBack: {
        Chain inner = std::exchange(chain_, {});
        if (inner.line.empty())
            inner.line = {state.value};
        if (inner.broken)
            append(inner.line, {QStringLiteral(" = "), state.value});
        // A single number needs no parentheses, and in the Roman line they
        // would read as its minus sign.
        Chain group {{}, false, false, inner.keptDividend};
        const bool single = inner.line.size() == 1;
        append(group.line, single ? Line {} : Line {QStringLiteral("(")});
        append(group.line, std::move(inner.line));
        append(group.line, single ? Line {} : Line {QStringLiteral(")")});
        group_ = std::move(group);
        if (setAside_.empty()) {
            chain_ = startedFrom(state);
        } else {
            chain_ = std::move(setAside_.back());
            setAside_.pop_back();
        }
        break;
    }
    case Calculation::Move::ClearedAll:
        chain_ = {};
        setAside_.clear();
        group_.reset();
        break;
    }
}

void Tape::apply(const PadStep &step)
{
    const PadState &before = step.before;
    Chain operand = group_ ? std::move(*group_) : Chain {{before.value}};
    group_.reset();
    chain_.keptDividend = chain_.keptDividend || operand.keptDividend;
    if (before.pend == PendingCode::None) {
        // The calculation starts again from the operand.
        chain_.line = std::move(operand.line);
        chain_.additive = chain_.broken = false;
        return;
    }
    // The keypad does no arithmetic for a code it does not know.
    if (!isOperation(before.pend))
        return;
    if (chain_.line.empty())
        chain_ = startedFrom(before);
    append(chain_.line, std::move(operand.line));
    if (before.pend == PendingCode::Divide && dividesByZero(before.value))
        chain_.keptDividend = true;
}

void Tape::appendOperation(std::int16_t code, double acc)
{
    if (!isOperation(code))
        return;
    if (readsTighter(code) && chain_.additive) {
        append(chain_.line, {QStringLiteral(" = "), acc, QStringLiteral(",")});
        chain_.additive = false;
        chain_.broken = true;
    }
    append(chain_.line, {operationText(code)});
    chain_.additive = chain_.additive || !readsTighter(code);
}

void Tape::finish(Line outcome, std::optional<double> result)
{
    Line line = std::exchange(chain_.line, {});
    append(line, std::move(outcome));
    TapeEntry entry {{}, {}, result};
    for (const Piece &piece : line) {
        entry.decimal += piece.number ? numberText(*piece.number) : piece.text;
        // The readout's text for zero begins with a blank that has no place
        // among other values.
        entry.roman += piece.number ? romanNumeral(*piece.number).trimmed() : piece.text;
    }
    if (chain_.keptDividend && result) {
        for (QString *text : {&entry.decimal, &entry.roman})
            *text = QCoreApplication::translate("Tape", "%1; ÷ 0 keeps the dividend",
                "%1 is a calculation written out, such as 5 ÷ 0 = 5")
                        .arg(*text);
    }
    chain_ = {};
    group_.reset();
    written.raise(entry);
}

Tape::Chain Tape::startedFrom(const PadState &state)
{
    if (!isOperation(state.pend))
        return {};
    return {{state.acc, operationText(state.pend)}, !readsTighter(state.pend)};
}

void Tape::append(Line &line, Line pieces)
{
    line.insert(
        line.end(), std::make_move_iterator(pieces.begin()), std::make_move_iterator(pieces.end()));
    if (line.size() > LongestLine) {
        line.erase(line.begin() + KeptAtEachEnd, line.end() - KeptAtEachEnd);
        line.insert(line.begin() + KeptAtEachEnd, Piece(QStringLiteral(" \u2026 ")));
    }
}
