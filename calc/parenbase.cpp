#include "calc/parenbase.h"

#include "calc/padgrid.h"
#include "core/errors.h"
#include "widgets/controls.h"
#include "widgets/grid.h"
#include "widgets/propertybag.h"

#include <QCoreApplication>
#include <QFrame>
#include <QPushButton>

namespace {

constexpr int DesignWidth = 2340;
constexpr int DesignHeight = 2970;

const QString OrientKey = QStringLiteral("Orient");

QString translated(const char *text)
{
    return *text == 0 ? QString() : QCoreApplication::translate("ParenBase", text);
}

} // namespace

ParenBase::ParenBase(QWidget *parent)
    : UserControl(parent)
    , change(engine_.change)
    , push(engine_.push)
    , pop(engine_.pop)
    , border_(makeFrame(this, QStringLiteral("Border"),
          QCoreApplication::translate("ParenBase", "Basic Calculations"),
          QCoreApplication::translate("ParenBase", "Basic Calculations")))
{
    static_assert(Operations.size() == ButtonCount);
    for (std::size_t i = 0; i < ButtonCount; ++i) {
        // The symbols are the same in every language, and so are the keys
        // typed into the type-in box.
        const Operation &op = Operations[i];
        buttons_[i] = makeButton(
            border_, QString::fromLatin1(op.name), translated(op.caption), translated(op.toolTip));
        const auto which = static_cast<PadAction>(i);
        // A failed calculation is reported here and the pad stays usable.
        QObject::connect(buttons_[i], &QPushButton::clicked, this,
            [this, which] { guarded([&] { clicked ? clicked(which) : engine_.perform(which); }); });
    }
    chainTabOrder(tabOrder());
    initTwipsSize(DesignWidth, DesignHeight);
}

void ParenBase::setWide(std::int16_t wide)
{
    wide_ = wide;
    arrange();
}

void ParenBase::readProperties(const PropertyBag &bag)
{
    setWide(toInt16(bag.readProperty(OrientKey, 0), OrientKey));
}

void ParenBase::writeProperties(PropertyBag &bag) const
{
    bag.writeProperty(OrientKey, int(wide_), 0);
}

QList<QWidget *> ParenBase::tabOrder() const
{
    return {button(PadAction::Clear), button(PadAction::Equals), button(PadAction::RParen),
        button(PadAction::LParen), button(PadAction::Mult), button(PadAction::Subt),
        button(PadAction::Div), button(PadAction::Add)};
}

void ParenBase::layoutChildren()
{
    cover(border_);
    arrange();
}

void ParenBase::arrange()
{
    const PadGrid grid = padGrid(wide_);
    const GridUnits units
        = gridUnits(twipsWidth(), twipsHeight(), grid.columnUnits(), grid.rowUnits());
    rowUnit_ = units.vertical;
    colUnit_ = units.horizontal;
    // An overflow leaves the button being placed, and the ones after it, where
    // they were.
    for (std::size_t i = 0; i < ButtonCount; ++i) {
        const int index = static_cast<int>(i);
        moveOnGrid(buttons_[i], units, grid.leftUnits(index), grid.topUnits(index),
            PadGrid::ButtonUnits, PadGrid::ButtonUnits);
    }
}
