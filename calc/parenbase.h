#pragma once

#include "core/padengine.h"
#include "widgets/usercontrol.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>

class PropertyBag;
class QFrame;
class QPushButton;

// The operation keypad: eight buttons over the accumulator engine, which the
// command line runs without them. A click and a typed key are one action.
// The keypad shows the engine it holds and offers its properties and events
// as its own.
class ParenBase : public UserControl
{
public:
    explicit ParenBase(QWidget *parent = nullptr);

    PadEngine &engine() { return engine_; }
    const PadEngine &engine() const { return engine_; }

    double value() const { return engine_.value(); }
    void setValue(double value) { engine_.setValue(value); }
    double acc() const { return engine_.acc(); }
    void setAcc(double acc) { engine_.setAcc(acc); }
    std::int16_t pend() const { return engine_.pend(); }
    void setPend(std::int16_t pend) { engine_.setPend(pend); }
    QString typeIn() const { return engine_.typeIn(); }
    void setTypeIn(const QString &text) { engine_.setTypeIn(text); }
    Event &change;
    Event &push;
    Event &pop;

    // Where a click on a button goes: the host that mends what the engine
    // alone gets wrong takes it there; without one, the engine acts.
    std::function<void(PadAction)> clicked;

    // Orientation: 1 one column, 2 four columns, 3 one row, anything else two
    // columns. A write re-arranges at once and may throw OverflowError. Like
    // the grid units below, the component's interface for other hosts: this
    // window keeps the two columns it was designed with.
    std::int16_t wide() const { return wide_; }
    void setWide(std::int16_t wide);

    // The saved orientation, "Orient". A value that is not a 16-bit integer
    // throws ConversionError and leaves the pad as it was.
    void readProperties(const PropertyBag &bag);
    void writeProperties(PropertyBag &bag) const;

    std::int16_t rowUnit() const { return rowUnit_; }
    std::int16_t colUnit() const { return colUnit_; }

    QList<QWidget *> tabOrder() const override;

protected:
    void layoutChildren() override;

private:
    static constexpr std::size_t ButtonCount = 8;

    QPushButton *button(PadAction which) const { return buttons_[static_cast<std::size_t>(which)]; }
    void arrange();

    PadEngine engine_;
    std::int16_t colUnit_ = 0;
    std::int16_t rowUnit_ = 0;
    std::int16_t wide_ = 0;

    QFrame *border_;
    std::array<QPushButton *, ButtonCount> buttons_ {};
};
