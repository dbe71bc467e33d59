#include "core/tape.h"

#include "core/errors.h"
#include "core/romannumeral.h"
#include "core/shiftstack.h"
#include "core/statustext.h"
#include "core/textservices.h"

#include <QCoreApplication>

#include <algorithm>
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

QString tapeRomanText(double value)
{
    const QString numeral = romanNumeral(value);
    // The readout's texts for values without a numeral are sentences, and a
    // value that rounds to nothing has none either.
    const QString none[] = {romanZeroText(), romanOverflowText(), romanUnderflowText(), QString(),
        QStringLiteral("()")};
    if (std::ranges::find(none, numeral) != std::end(none))
        return QStringLiteral("\u2205");
    return romanIsExact(std::abs(value)) ? numeral : u'\u2248' + numeral;
}

Tape::Tape(PadEngine &pad, Calculation &calculation)
    : calculation_(&calculation)
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
        closedByEquals_ = 0;
        break;
    case PadAction::RParen:
        apply(step);
        break;
    case PadAction::Equals:
        apply(step);
        noteWrongResult();
        finish({QStringLiteral(" = "), step.after.acc}, step.after.acc);
        break;
    default:
        apply(step);
        noteWrongResult();
        appendOperation(step.after.pend, step.after.acc);
        break;
    }
}

void Tape::fail(const PadStep &step)
{
    // A failure carried on from one before it is no new calculation.
    if (step.carriedFailure) {
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
        Chain group {{}, false, false, inner.keptDividend, std::move(inner.readings)};
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
        closedByEquals_ = 0;
        break;
    case Calculation::Move::Replaced:
        replaceOperation(state);
        break;
    case Calculation::Move::ClosingForEquals:
        ++closedByEquals_;
        break;
    }
}

void Tape::apply(const PadStep &step)
{
    const PadState &before = step.before;
    Chain operand = group_ ? std::move(*group_) : Chain {{before.value}};
    // A number straight from the entry brings how it was read.
    if (!group_ && calculation_) {
        if (const std::optional<EntryReading> &reading = calculation_->entryReading())
            operand.readings << reading->typed + QChar(0x2192) + numberText(reading->value);
    }
    group_.reset();
    chain_.keptDividend = chain_.keptDividend || operand.keptDividend;
    if (before.pend == PendingCode::None) {
        // The calculation starts again from the operand.
        chain_.line = std::move(operand.line);
        chain_.readings = std::move(operand.readings);
        chain_.additive = chain_.broken = false;
        return;
    }
    chain_.readings += operand.readings;
    // The keypad does no arithmetic for a code it does not know.
    if (!isOperation(before.pend))
        return;
    if (chain_.line.empty())
        chain_ = startedFrom(before);
    append(chain_.line, std::move(operand.line));
    chain_.keptDividend = chain_.keptDividend || step.keptDividend;
}

void Tape::noteWrongResult()
{
    if (!calculation_)
        return;
    if (const std::optional<WrongResult> &wrong = calculation_->wrongResult())
        chain_.readings << statustext::wrongResult(wrong->written, wrong->calculated);
}

void Tape::appendOperation(std::int16_t code, double acc)
{
    chain_.operationPieces = 0;
    if (!isOperation(code))
        return;
    chain_.additiveBefore = chain_.additive;
    chain_.brokenBefore = chain_.broken;
    if (readsTighter(code) && chain_.additive) {
        append(chain_.line, {QStringLiteral(" = "), acc, QStringLiteral(",")});
        chain_.additive = false;
        chain_.broken = true;
        chain_.operationPieces = 3;
    }
    append(chain_.line, {operationText(code)});
    ++chain_.operationPieces;
    chain_.additive = chain_.additive || !readsTighter(code);
}

void Tape::replaceOperation(const PadState &state)
{
    // The operation pressed last is written as if the one before had never
    // been; the operand before both stays.
    if (chain_.operationPieces == 0 || chain_.operationPieces > chain_.line.size())
        return;
    chain_.line.erase(
        chain_.line.end() - std::ptrdiff_t(chain_.operationPieces), chain_.line.end());
    chain_.additive = chain_.additiveBefore;
    chain_.broken = chain_.brokenBefore;
    appendOperation(state.pend, state.acc);
}

void Tape::finish(Line outcome, std::optional<double> result)
{
    Line line = std::exchange(chain_.line, {});
    append(line, std::move(outcome));
    TapeEntry entry {{}, {}, result};
    for (const Piece &piece : line) {
        entry.decimal += piece.number ? numberText(*piece.number) : piece.text;
        entry.roman += piece.number ? tapeRomanText(*piece.number) : piece.text;
    }
    QStringList notes;
    if (chain_.keptDividend && result)
        notes << QCoreApplication::translate(
            "Tape", "÷ 0 keeps the dividend", "written after a calculation, such as 5 ÷ 0 = 5");
    if (closedByEquals_ > 0 && result)
        notes << QCoreApplication::translate("Tape", "\"=\" closed %n parentheses",
            "written after a calculation whose open parentheses the equals key closed",
            closedByEquals_);
    // A failed entry ends with its error, which is what it has to say.
    if (result)
        notes += chain_.readings;
    for (QString *text : {&entry.decimal, &entry.roman}) {
        for (const QString &note : std::as_const(notes))
            *text = QCoreApplication::translate("Tape", "%1; %2",
                "%1 is a calculation written out, such as 5 ÷ 0 = 5, %2 a note on it")
                        .arg(*text, note);
    }
    closedByEquals_ = 0;
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
