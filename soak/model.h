#pragma once

// The soak test's oracle: the calculator's documented behaviour written out
// a second time, independently, kept beside the real window and fed
// with the same inputs. It models the keypad engine, the parenthesis stack
// and the window's four handlers; the reading of typed text into a number is
// the product's own (parseNumber, parseNumeral), so the oracle checks the
// wiring and the arithmetic. Roman and hexadecimal entries are read by the
// oracle's own rendering of the pad's rules; only the decimal test, a platform
// service (textservices.h), is the product's.

#include "core/textservices.h"

#include <QString>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <map>
#include <optional>
#include <utility>

namespace soak {

inline constexpr int OverflowNumber = 6;
inline constexpr int ArithmeticNumber = 11;

class CalcModel
{
public:
    // The keypad (ParenBase1).
    double value = 0;
    double acc = 0;
    std::int16_t pend = 0;
    // The stack (Stack1): level 0 is the top.
    std::array<double, 10> levels {};
    std::array<std::int16_t, 10> codes {};
    std::int16_t staged = 0;
    // What each readout was last given.
    double arab = 0;
    double roman = 0;
    bool shown = false; // whether the readouts were ever written
    // The type-in pad (TypeInPad1).
    QString text;
    QString conKey;
    // Errors the calculator must have reported, by number.
    std::map<int, long long> errors;
    // Statistics.
    long long results = 0; // Change handler runs
    long long pushes = 0;
    long long pops = 0;
    long long operands = 0; // numbers passed on by the type-in handler

    // A person's edit left the text box holding edited (the pad's textChanged
    // outside its own writes).
    void edit(const QString &edited)
    {
        conKey.clear();
        text = edited;
        if (!edited.isEmpty() && isOperationKey(edited.back())) {
            conKey = edited.back();
            text = edited.chopped(1);
        }
        announce();
    }

    // A key delivered to the pad without changing its text, as if typed at
    // the end and taken off again (how Enter and Escape may be handled).
    void deliverKey(QChar key)
    {
        conKey = key;
        announce();
    }

    // A click on a keypad button: the action runs without the type-in handler.
    void click(QChar key)
    {
        try {
            perform(key);
        } catch (const Failure &) {
            ++errors[ArithmeticNumber];
        }
    }

private:
    struct Failure
    {
    };

    // The pad reads its text and raises Change when it is a numeral; then the
    // window's type-in handler.
    void announce()
    {
        std::optional<double> number = parseNumber(text);
        if (!number) {
            const Numeral numeral = parseNumeral(text);
            if (numeral.overflow) {
                ++errors[OverflowNumber];
                return;
            }
            number = numeral.value;
        }
        if (!number)
            return;
        if (!conKey.isEmpty()) {
            click(conKey.front());
            return;
        }
        ++operands;
        value = *number;
        show(*number);
    }

    struct Numeral
    {
        std::optional<double> value;
        bool overflow = false;
    };

    // The pad's Roman and hexadecimal reading.
    static Numeral parseNumeral(const QString &entry)
    {
        const QString work = entry.toUpper();
        if (work.startsWith(QLatin1String("0X"))) {
            double sum = 0;
            for (qsizetype i = 2; i < work.size(); ++i) {
                const char16_t c = work[i].unicode();
                int digit = -1;
                if (c >= u'0' && c <= u'9')
                    digit = c - u'0';
                else if (c >= u'A' && c <= u'F')
                    digit = c - u'A' + 10;
                if (digit < 0)
                    break;
                sum = sum * 16 + digit;
                if (std::isinf(sum))
                    return {std::nullopt, true};
            }
            return {sum, false};
        }
        struct Pair
        {
            char16_t before, after;
            int increment;
        };
        static constexpr Pair Subtractive[] = {{u'C', u'M', 800}, {u'C', u'D', 300},
            {u'X', u'C', 80}, {u'X', u'L', 30}, {u'I', u'X', 8}, {u'I', u'V', 3}};
        static constexpr Pair Rejected[] = {{u'D', u'D', 0}, {u'L', u'L', 0}, {u'V', u'V', 0},
            {u'D', u'M', 0}, {u'L', u'D', 0}, {u'V', u'L', 0}};
        static constexpr std::pair<char16_t, int> Letters[] = {
            {u'M', 1000}, {u'D', 500}, {u'C', 100}, {u'L', 50}, {u'X', 10}, {u'V', 5}, {u'I', 1}};
        double sum = 0;
        char16_t previous = 0;
        for (const QChar character : work) {
            const char16_t current = character.unicode();
            bool matched = false;
            for (const Pair &pair : Subtractive) {
                if (previous == pair.before && current == pair.after) {
                    sum += pair.increment;
                    matched = true;
                }
            }
            for (const Pair &pair : Rejected) {
                if (previous == pair.before && current == pair.after)
                    return {};
            }
            for (const auto &[letter, worth] : Letters) {
                if (!matched && current == letter) {
                    sum += worth;
                    matched = true;
                }
            }
            if (!matched)
                return {};
            previous = current;
        }
        return {sum, false};
    }

    static bool isOperationKey(QChar character)
    {
        return QStringView(u"=+-)(*/r").contains(character);
    }

    void perform(QChar key)
    {
        switch (key.unicode()) {
        case u'+':
            operate(1);
            break;
        case u'/':
            operate(2);
            break;
        case u'*':
            operate(3);
            break;
        case u'-':
            operate(4);
            break;
        case u'=':
            operate(0);
            break;
        case u'r':
            acc = 0;
            pend = 0;
            changed();
            break;
        case u'(':
            pushed();
            break;
        case u')':
            applyPending();
            popped();
            break;
        default:
            break;
        }
    }

    void operate(std::int16_t next)
    {
        applyPending();
        pend = next;
        changed();
    }

    // The keypad's pending operation, each step its own test on the code. The
    // arithmetic check is the product's documented one: a result that is not
    // finite is stored and fails (padarithmetic.h).
    void applyPending()
    {
        const auto check = [this](double result) {
            acc = result;
            if (!std::isfinite(result))
                throw Failure {};
        };
        if (pend == 0)
            acc = value;
        if (pend == 1)
            check(value + acc);
        if (pend == 3)
            check(value * acc);
        if (pend == 4)
            check(acc - value);
        if (value == 0.0 || std::isnan(value))
            value = 1.0;
        if (pend == 2)
            check(acc / value);
    }

    // Handler 1.
    void changed()
    {
        ++results;
        show(acc);
        text.clear();
    }

    // Handler 2: ITOS := Pend, TOS := Acc (push), Pend := 0, Acc := 0.
    void pushed()
    {
        ++pushes;
        staged = pend;
        for (std::size_t k = levels.size() - 1; k > 0; --k) {
            levels[k] = levels[k - 1];
            codes[k] = codes[k - 1];
        }
        levels[0] = acc;
        codes[0] = staged;
        pend = 0;
        acc = 0;
    }

    // Handler 3: Value := Acc, Pend := ITOS, Acc := TOS (pop), pad emptied.
    void popped()
    {
        ++pops;
        value = acc;
        pend = codes[0];
        const double top = levels[0];
        for (std::size_t k = 0; k + 1 < levels.size(); ++k) {
            levels[k] = levels[k + 1];
            codes[k] = codes[k + 1];
        }
        acc = top;
        text.clear();
    }

    void show(double number)
    {
        shown = true;
        arab = number;
        roman = number;
    }
};

// Whether laying out a component at an inner size of width x height twips
// overflows 16 bits (the keypad, readouts and pad alike): each unit is the size over
// its divisor, rounded half to even, and every widget's Left, Top, Width and
// Height are products of a unit and a small factor, all 16-bit signed. Only
// the largest factor in each direction matters. The stack has no grid.
enum class LayoutKind { Readout, TypeInPad, Keypad, Stack };

inline bool layoutOverflows(LayoutKind kind, int width, int height, std::int16_t wide = 0)
{
    int columns = 100; // divisors
    int rows = 7;
    int across = 90; // largest factors
    int down = 4;
    switch (kind) {
    case LayoutKind::Stack:
        return false;
    case LayoutKind::Readout: // the box at (5, 2, 90, 4)
        break;
    case LayoutKind::TypeInPad: // Text1 (5, 2, 60, 4), Command1 (70, 2, 25, 4)
        across = 70;
        break;
    case LayoutKind::Keypad: { // buttons 4 units square at 1 + 5k, 2 + 5j
        const int gridColumns = wide == 1 ? 1 : wide == 2 ? 4 : wide == 3 ? 8 : 2;
        const int gridRows = wide == 1 ? 8 : wide == 2 ? 2 : wide == 3 ? 1 : 4;
        columns = 1 + 5 * gridColumns;
        rows = 2 + 5 * gridRows;
        across = std::max(4, 1 + 5 * (gridColumns - 1));
        down = std::max(4, 2 + 5 * (gridRows - 1));
        break;
    }
    }
    const auto fits = [](double value) { return value >= -32768 && value <= 32767; };
    const double vertical = std::nearbyint(double(float(height)) / rows);
    const double horizontal = std::nearbyint(double(float(width)) / columns);
    return !fits(vertical) || !fits(horizontal) || !fits(down * vertical)
        || !fits(across * horizontal);
}

} // namespace soak
