#include "calc/parenbase.h"

#include "calc/padarithmetic.h"
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

struct ButtonText
{
    const char *name;
    const char *caption;
    const char *toolTip;
    const char *key;
};

// Indexed like ParenBase::Button. The tooltips and Clear's caption are
// translated where the buttons are made; the symbols are the same in every
// language, and so are the keys typed into the type-in box.
constexpr std::array<ButtonText, 8> Buttons = {{
    {"Add", "&+", QT_TRANSLATE_NOOP("ParenBase", "Add"), "+"},
    {"Div", "&/", QT_TRANSLATE_NOOP("ParenBase", "Divide"), "/"},
    {"Mult", "&*", QT_TRANSLATE_NOOP("ParenBase", "Multiply"), "*"},
    {"Subt", "-&--", QT_TRANSLATE_NOOP("ParenBase", "Subtract"), "-"},
    {"LParen", "&(", QT_TRANSLATE_NOOP("ParenBase", "Start Paren"), "("},
    {"RParen", "&)", QT_TRANSLATE_NOOP("ParenBase", "End Paren"), ")"},
    {"Equals", "&=", QT_TRANSLATE_NOOP("ParenBase", "Equals"), "="},
    //: The button that clears the calculation; & marks its access key, a
    //: letter that no other button of the window uses.
    {"Clear", QT_TRANSLATE_NOOP("ParenBase", "Clea&r"), "", "r"},
}};

QString translated(const char *text)
{
    return *text == 0 ? QString() : QCoreApplication::translate("ParenBase", text);
}

} // namespace

ParenBase::ParenBase(QWidget *parent)
    : UserControl(parent)
    , border_(makeFrame(this, QStringLiteral("Border"),
          QCoreApplication::translate("ParenBase", "Basic Calculations"),
          QCoreApplication::translate("ParenBase", "Basic Calculations")))
{
    static_assert(Buttons.size() == ButtonCount);
    for (std::size_t i = 0; i < ButtonCount; ++i) {
        const ButtonText &text = Buttons[i];
        buttons_[i] = makeButton(border_, QString::fromLatin1(text.name), translated(text.caption),
            translated(text.toolTip));
        const auto which = static_cast<Button>(i);
        // A failed calculation is reported here and the pad stays usable.
        QObject::connect(buttons_[i], &QPushButton::clicked, this,
            [this, which] { guarded([&] { perform(which); }); });
    }
    chainTabOrder(tabOrder());
    initTwipsSize(DesignWidth, DesignHeight);
}

void ParenBase::setWide(std::int16_t wide)
{
    wide_ = wide;
    arrange();
}

void ParenBase::setTypeIn(const QString &text)
{
    typeIn_ = text;
    // Every key is its own comparison with the text as it stands at that
    // moment: a host handler may write TypeIn while an action runs, and the
    // keys still to come are compared with what it wrote.
    static constexpr Button order[] = {Button::Equals, Button::Subt, Button::RParen, Button::LParen,
        Button::Mult, Button::Div, Button::Clear, Button::Add};
    for (const Button which : order) {
        if (typeIn_ == QLatin1String(Buttons[static_cast<std::size_t>(which)].key))
            perform(which);
    }
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
    return {button(Button::Clear), button(Button::Equals), button(Button::RParen),
        button(Button::LParen), button(Button::Mult), button(Button::Subt), button(Button::Div),
        button(Button::Add)};
}

void ParenBase::layoutChildren()
{
    cover(border_);
    arrange();
}

void ParenBase::perform(Button which)
{
    switch (which) {
    case Button::Add:
        operate(PendingCode::Add);
        break;
    case Button::Div:
        operate(PendingCode::Divide);
        break;
    case Button::Mult:
        operate(PendingCode::Multiply);
        break;
    case Button::Subt:
        operate(PendingCode::Subtract);
        break;
    case Button::Equals:
        operate(PendingCode::None);
        break;
    case Button::LParen:
        // Setting the outer calculation aside is the host's part.
        push.raise();
        break;
    case Button::RParen:
        // Pend stays as the sub-expression had it; the host restores the outer one.
        applyPending(pend_, acc_, value_);
        pop.raise();
        break;
    case Button::Clear:
        // Value stays: the operand on show is still the operand.
        acc_ = 0.0;
        pend_ = PendingCode::None;
        change.raise();
        break;
    }
}

void ParenBase::operate(std::int16_t nextCode)
{
    applyPending(pend_, acc_, value_);
    // Before the event, so that the host's handler sees the new code.
    pend_ = nextCode;
    change.raise();
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
