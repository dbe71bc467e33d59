#pragma once

#include "core/event.h"
#include "widgets/usercontrol.h"

#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>

class PropertyBag;
class QFrame;
class QPushButton;

// The operation keypad and the accumulator behind it. It evaluates strictly
// from left to right: Acc is the running result, Value the latest operand and
// Pend the operation waiting for it. Parentheses are the host's business: the
// pad raises push and pop, and the host sets the outer calculation aside and
// brings it back through Pend and Acc.
class ParenBase : public UserControl
{
public:
    explicit ParenBase(QWidget *parent = nullptr);

    double value() const { return value_; }
    void setValue(double value) { value_ = value; }
    double acc() const { return acc_; }
    void setAcc(double acc) { acc_ = acc; }
    std::int16_t pend() const { return pend_; }
    void setPend(std::int16_t pend) { pend_ = pend; }

    // Orientation: 1 one column, 2 four columns, 3 one row, anything else two
    // columns. A write re-arranges at once and may throw OverflowError.
    std::int16_t wide() const { return wide_; }
    void setWide(std::int16_t wide);

    // Stores the text, then performs the action of the key it names, if any.
    // Throws ArithmeticError when the action fails.
    QString typeIn() const { return typeIn_; }
    void setTypeIn(const QString &text);

    // The saved orientation, "Orient". A value that is not a 16-bit integer
    // throws ConversionError and leaves the pad as it was.
    void readProperties(const PropertyBag &bag);
    void writeProperties(PropertyBag &bag) const;

    std::int16_t rowUnit() const { return rowUnit_; }
    std::int16_t colUnit() const { return colUnit_; }

    QList<QWidget *> tabOrder() const override;

    Event change;
    Event push;
    Event pop;

protected:
    void layoutChildren() override;

private:
    // In the order the layout places them.
    enum class Button { Add, Div, Mult, Subt, LParen, RParen, Equals, Clear };
    static constexpr std::size_t ButtonCount = 8;

    QPushButton *button(Button which) const { return buttons_[static_cast<std::size_t>(which)]; }
    void perform(Button which);
    void operate(std::int16_t nextCode);
    void arrange();

    std::int16_t pend_ = 0;
    double acc_ = 0.0;
    double value_ = 0.0;
    QString typeIn_;
    std::int16_t colUnit_ = 0;
    std::int16_t rowUnit_ = 0;
    std::int16_t wide_ = 0;

    QFrame *border_;
    std::array<QPushButton *, ButtonCount> buttons_ {};
};
