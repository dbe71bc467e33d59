#pragma once

#include "widgets/usercontrol.h"

class QFrame;
class QLineEdit;

// Shows one number as decimal text, whatever its size.
class ArabDisplay : public UserControl
{
public:
    explicit ArabDisplay(QWidget *parent = nullptr);

    double value() const { return value_; }
    void setValue(double value);
    // Shows any text as it is, leaving the number alone.
    void setDisplay(const QString &text);

    QList<QWidget *> tabOrder() const override;

protected:
    void layoutChildren() override;

private:
    double value_ = 0;
    QFrame *border_;
    QLineEdit *arabVal_;
};
