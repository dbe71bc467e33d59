#pragma once

#include "core/padengine.h"
#include "widgets/usercontrol.h"

#include <array>
#include <cstddef>
#include <cstdint>

class PropertyBag;
class QFrame;
class QPushButton;

// The operation keypad: eight buttons over the accumulator engine, which the
// command line runs without them. A click and a typed key are one action.
class ParenBase : public UserControl, public PadEngine
{
public:
    explicit ParenBase(QWidget *parent = nullptr);

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

    std::int16_t colUnit_ = 0;
    std::int16_t rowUnit_ = 0;
    std::int16_t wide_ = 0;

    QFrame *border_;
    std::array<QPushButton *, ButtonCount> buttons_ {};
};
