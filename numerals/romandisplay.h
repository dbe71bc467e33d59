#pragma once

#include "core/event.h"
#include "widgets/usercontrol.h"

#include <QAccessible>
#include <QString>

class QFrame;
class QLineEdit;

// Shows one number as a Roman numeral.
class RomanDisplay : public UserControl, private QAccessible::ActivationObserver
{
public:
    explicit RomanDisplay(QWidget *parent = nullptr);
    ~RomanDisplay() override;

    double value() const { return showRoman; }
    void setValue(double value);

    // How the number on show was read, when it was typed as a numeral the
    // readout does not write ("IC = I + C = 101"): told with the readout's
    // own breakdown, in its tooltip and to a screen reader, until the next
    // value.
    void explain(const QString &reading);

    // Shows any text as it is, leaving the number alone.
    QString display() const { return romString; }
    void setDisplay(const QString &text);

    QList<QWidget *> tabOrder() const override;

    // Plain fields: writing them changes nothing on screen.
    double showRoman = 0;
    QString romString;

    // Raised after every write of value(), once the new text shows.
    Event change;

protected:
    void layoutChildren() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // How the numeral on show is built, and how a lenient entry was read.
    QString builtFrom() const;
    // The description a screen reader hears.
    QString spoken() const;
    void describe();
    void accessibilityActiveChanged(bool active) override;

    QString reading_;
    bool listening_ = QAccessible::isActive();
    // Whether the box shows the numeral of showRoman (the zero text at
    // first), not a text given as it is.
    bool numeral_ = true;
    QLineEdit *romanValue_;
    QFrame *border_;
};
