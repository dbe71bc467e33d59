#include "numerals/romandisplay.h"

#include "core/romannumeral.h"
#include "numerals/readoutlayout.h"
#include "widgets/controls.h"
#include "widgets/fonts.h"
#include "widgets/textfit.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLineEdit>

RomanDisplay::RomanDisplay(QWidget *parent)
    : UserControl(parent)
{
    // Created back to front: the text box lies in front of the frame.
    const QString spoken = QCoreApplication::translate("RomanDisplay", "Roman numeral readout");
    border_ = makeFrame(this, QStringLiteral("Border"), spoken);
    romanValue_ = makeTextBox(this, QStringLiteral("RomanValue"), spoken, TextBoxKind::ReadOnly);
    romanValue_->setFrame(false);
    TextFit::of(romanValue_)->setDesignFont(designFont(QStringLiteral("MS Serif"), 9.75));
    romanValue_->setText(romanZeroText());
    romanValue_->setAccessibleDescription(romanDescription(0, romanZeroText()));
    chainTabOrder(tabOrder());
    initTwipsSize(3435, 825);
}

void RomanDisplay::setValue(double value)
{
    showRoman = value;
    romString = romanNumeral(value);
    romanValue_->setText(romString);
    // How the numeral is built, for the eye and the ear alike.
    const QString breakdown = romanBreakdown(value);
    romanValue_->setToolTip(breakdown);
    const QString description = romanDescription(value, romString);
    romanValue_->setAccessibleDescription(
        breakdown.isEmpty() ? description : description + QStringLiteral("; ") + breakdown);
    change.raise();
}

void RomanDisplay::explain(const QString &reading)
{
    if (reading.isEmpty())
        return;
    const QString tip = romanValue_->toolTip();
    romanValue_->setToolTip(tip.isEmpty() ? reading : reading + u'\n' + tip);
    romanValue_->setAccessibleDescription(
        romanValue_->accessibleDescription() + QStringLiteral("; ") + reading);
}

void RomanDisplay::setDisplay(const QString &text)
{
    romString = text;
    romanValue_->setText(text);
    romanValue_->setToolTip({});
    romanValue_->setAccessibleDescription(text);
}

QList<QWidget *> RomanDisplay::tabOrder() const
{
    return {romanValue_};
}

void RomanDisplay::layoutChildren()
{
    layoutReadout(*this, border_, romanValue_);
}
