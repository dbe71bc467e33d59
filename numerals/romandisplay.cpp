#include "numerals/romandisplay.h"

#include "core/romannumeral.h"
#include "numerals/readoutlayout.h"
#include "widgets/controls.h"
#include "widgets/fonts.h"
#include "widgets/textfit.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QFrame>
#include <QHelpEvent>
#include <QLineEdit>
#include <QToolTip>

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
    romanValue_->installEventFilter(this);
    chainTabOrder(tabOrder());
    initTwipsSize(3435, 825);
}

void RomanDisplay::setValue(double value)
{
    showRoman = value;
    romString = romanNumeral(value);
    romanValue_->setText(romString);
    reading_.clear();
    numeral_ = true;
    romanValue_->setAccessibleDescription(spoken());
    change.raise();
}

void RomanDisplay::explain(const QString &reading)
{
    reading_ = reading;
    romanValue_->setAccessibleDescription(spoken());
}

QString RomanDisplay::builtFrom() const
{
    if (!numeral_)
        return {};
    const QString breakdown = romanBreakdown(showRoman);
    if (reading_.isEmpty() || breakdown.isEmpty())
        return reading_ + breakdown;
    return reading_ + QStringLiteral("; ") + breakdown;
}

QString RomanDisplay::spoken() const
{
    const QString description = romanDescription(showRoman, romString);
    // How the numeral is built is written out only for a screen reader that
    // listens, and for a tooltip when one is asked for: at every keystroke
    // it would cost as much as writing the numeral again.
    if (!QAccessible::isActive())
        return description;
    const QString built = builtFrom();
    return built.isEmpty() ? description : description + QStringLiteral("; ") + built;
}

void RomanDisplay::setDisplay(const QString &text)
{
    romString = text;
    numeral_ = false;
    reading_.clear();
    romanValue_->setText(text);
    romanValue_->setAccessibleDescription(text);
}

bool RomanDisplay::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != romanValue_ || event->type() != QEvent::ToolTip)
        return UserControl::eventFilter(watched, event);
    const QString tip = builtFrom();
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), tip, romanValue_);
    return true;
}

QList<QWidget *> RomanDisplay::tabOrder() const
{
    return {romanValue_};
}

void RomanDisplay::layoutChildren()
{
    layoutReadout(*this, border_, romanValue_);
}
