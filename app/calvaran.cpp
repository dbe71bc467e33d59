#include "app/calvaran.h"

#include "app/appicon.h"
#include "calc/parenbase.h"
#include "calc/stack.h"
#include "numerals/arabdisplay.h"
#include "numerals/romandisplay.h"
#include "numerals/typeinpad.h"
#include "widgets/controls.h"
#include "widgets/fonts.h"
#include "widgets/propertybag.h"
#include "widgets/twips.h"

#include <QLabel>

namespace {

constexpr int ClientWidth = 4530;
constexpr int ClientHeight = 2505;

} // namespace

Calvaran::Calvaran(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Calvaran"));
    setWindowTitle(QStringLiteral("Roman Numeral Calculator"));
    setWindowIcon(calculatorIcon());

    // The design places its captions and buttons for a small dialog font;
    // at the toolkit's larger default the captions would be cut off.
    setFont(designFont(QStringLiteral("MS Sans Serif"), 8.25));

    // Siblings created later lie in front, so the children are made from the
    // back to the front.
    label1_ = makeLabel(this, QStringLiteral("Label1"), QStringLiteral("Normal (Arabic) numerals"));
    label2_ = makeLabel(this, QStringLiteral("Label2"), QStringLiteral("Roman Numerals"));
    parenBase1_ = new ParenBase(this);
    parenBase1_->setObjectName(QStringLiteral("ParenBase1"));
    parenBase1_->readProperties(PropertyBag());
    arabDisplay1_ = new ArabDisplay(this);
    arabDisplay1_->setObjectName(QStringLiteral("ArabDisplay1"));
    romanDisplay1_ = new RomanDisplay(this);
    romanDisplay1_->setObjectName(QStringLiteral("RomanDisplay1"));
    typeInPad1_ = new TypeInPad(this);
    typeInPad1_->setObjectName(QStringLiteral("TypeInPad1"));
    // Ready to type as soon as the window opens; the tab order stays as designed.
    typeInPad1_->setFocus();
    stack1_ = new Stack(this);
    stack1_->setObjectName(QStringLiteral("Stack1"));

    moveTwips(stack1_, 2040, 1800, 495, 135);
    moveTwips(typeInPad1_, 120, 1920, 2535, 495);
    moveTwips(romanDisplay1_, 120, 960, 2535, 735);
    moveTwips(arabDisplay1_, 120, 0, 2535, 735);
    moveTwips(parenBase1_, 2640, 0, 1815, 2415);
    moveTwips(label2_, 480, 1680, 1935, 255);
    moveTwips(label1_, 360, 720, 1935, 255);

    // The children keep their design places whatever happens to the window,
    // so the window keeps its design size.
    setFixedSize(twipsToPixels(ClientWidth), twipsToPixels(ClientHeight));

    QList<QWidget *> order;
    for (const UserControl *component : {static_cast<UserControl *>(parenBase1_),
             static_cast<UserControl *>(arabDisplay1_), static_cast<UserControl *>(romanDisplay1_),
             static_cast<UserControl *>(typeInPad1_), static_cast<UserControl *>(stack1_)})
        order += component->tabOrder();
    chainTabOrder(order);

    parenBase1_->change.connect([this] { parenBaseChanged(); });
    parenBase1_->push.connect([this] { parenBasePushed(); });
    parenBase1_->pop.connect([this] { parenBasePopped(); });
    typeInPad1_->change.connect([this] { typeInPadChanged(); });
}

void Calvaran::parenBaseChanged()
{
    curVal_ = parenBase1_->acc();
    arabDisplay1_->setValue(curVal_);
    romanDisplay1_->setValue(curVal_);
    typeInPad1_->setValue(0);
}

void Calvaran::parenBasePushed()
{
    // The stack takes the code first: the write of the value pushes both.
    stack1_->setItos(parenBase1_->pend());
    stack1_->setTos(parenBase1_->acc());
    parenBase1_->setPend(0);
    parenBase1_->setAcc(0);
}

void Calvaran::parenBasePopped()
{
    // The code is read before the value, whose read pops both.
    parenBase1_->setValue(parenBase1_->acc());
    parenBase1_->setPend(stack1_->itos());
    parenBase1_->setAcc(stack1_->tos());
    typeInPad1_->setValue(0);
}

void Calvaran::typeInPadChanged()
{
    curKey_ = typeInPad1_->conKey();
    parenBase1_->setTypeIn(curKey_);
    if (!curKey_.isEmpty())
        return;
    curVal_ = typeInPad1_->value();
    parenBase1_->setValue(curVal_);
    arabDisplay1_->setValue(curVal_);
    romanDisplay1_->setValue(curVal_);
}
