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
    romanValue_ = makeReadout(this, QStringLiteral("RomanValue"), spoken);
    romanValue_->setFrame(false);
    TextFit::of(romanValue_)->setDesignFont(designFont(QStringLiteral("MS Serif"), 9.75));
    romanValue_->setText(romanZeroText());
    romanValue_->installEventFilter(this);
    QAccessible::installActivationObserver(this);
    describe();
    chainTabOrder(tabOrder());
    initTwipsSize(3435, 825);
}

RomanDisplay::~RomanDisplay()
{
    QAccessible::removeActivationObserver(this);
}

void RomanDisplay::setValue(double value)
{
    showRoman = value;
    romString = romanNumeral(value);
    romanValue_->setText(romString);
    reading_.clear();
    numeral_ = true;
    describe();
    change.raise();
}

void RomanDisplay::explain(const QString &reading)
{
    reading_ = reading;
    describe();
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
    if (!numeral_)
        return romString;
    const QString description = romanDescription(showRoman, romString);
    const QString built = builtFrom();
    return built.isEmpty() ? description : description + QStringLiteral("; ") + built;
}

// The description is written only while a screen reader listens, and at
// once when one starts to: at every keystroke it would cost as much as
// writing the numeral, for nobody.
void RomanDisplay::describe()
{
    if (listening_)
        romanValue_->setAccessibleDescription(spoken());
}

void RomanDisplay::accessibilityActiveChanged(bool active)
{
    listening_ = active;
    describe();
}

void RomanDisplay::setDisplay(const QString &text)
{
    romString = text;
    numeral_ = false;
    reading_.clear();
    romanValue_->setText(text);
    describe();
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
