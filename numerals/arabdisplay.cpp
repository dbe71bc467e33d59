#include "numerals/arabdisplay.h"

#include "core/textservices.h"
#include "numerals/readoutlayout.h"
#include "widgets/controls.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLineEdit>

ArabDisplay::ArabDisplay(QWidget *parent)
    : UserControl(parent)
{
    const QString spoken = QCoreApplication::translate("ArabDisplay", "Arabic numeral readout");
    border_ = makeFrame(this, QStringLiteral("Border"), spoken);
    arabVal_ = makeReadout(border_, QStringLiteral("ArabVal"), spoken);
    arabVal_->setText(QStringLiteral("0"));
    chainTabOrder(tabOrder());
    initTwipsSize(4275, 705);
}

void ArabDisplay::setValue(double value)
{
    value_ = value;
    arabVal_->setText(numberText(value));
}

void ArabDisplay::setDisplay(const QString &text)
{
    arabVal_->setText(text);
}

QList<QWidget *> ArabDisplay::tabOrder() const
{
    return {arabVal_};
}

void ArabDisplay::layoutChildren()
{
    // The frame sits at the origin, so the box's place relative to the frame
    // is also its place in the component.
    layoutReadout(*this, border_, arabVal_);
}
