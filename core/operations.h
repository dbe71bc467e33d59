#pragma once

#include <QChar>
#include <QtGlobal>

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// The operation that waits for its right-hand operand. The numbers travel
// between the keypad and the host's saved sub-expressions, so they are fixed.
namespace PendingCode {
inline constexpr std::int16_t None = 0;
inline constexpr std::int16_t Add = 1;
inline constexpr std::int16_t Divide = 2;
inline constexpr std::int16_t Multiply = 3;
inline constexpr std::int16_t Subtract = 4;
} // namespace PendingCode

// The keypad's actions, in the order its buttons are laid out.
enum class PadAction { Add, Div, Mult, Subt, LParen, RParen, Equals, Clear };

// Everything the calculator knows of one operation key, in one place: the
// keypad's button, what a person types for it, what the calculator writes
// for it, and what the engine and the reader do with it.
struct Operation
{
    PadAction action;
    // The button's object name, its caption with "&" before the access key,
    // and its tooltip; the tooltips and Clear's caption are translated in the
    // "ParenBase" context where the buttons are made.
    const char *name;
    const char *caption;
    const char *toolTip;
    // The character typed for it ("r" in lower case only), and the others
    // read as it: the signs the calculator writes and the full-width forms.
    char16_t key;
    std::u16string_view alsoRead;
    // The sign the tape writes for it (× ÷ −); the status line writes the key.
    char16_t sign;
    // The code the action leaves pending; None for all but the four operations.
    std::int16_t pending;
    // A "-" right after it is a number's sign, not the subtraction.
    bool signMayFollow;
    // A line of a paste or of --eval that ends with it waits for its operand
    // in the next line.
    bool lineWaits;
};

// Indexed like PadAction.
extern const std::array<Operation, 8> Operations;

inline const Operation &operation(PadAction action)
{
    return Operations[static_cast<std::size_t>(action)];
}

// The operation a character stands for, typed or as the calculator writes
// it; none for any other character.
const Operation *operationOf(QChar character);

// The operation that leaves the code pending; none for a code of no operation.
const Operation *pendingOperation(std::int16_t code);
