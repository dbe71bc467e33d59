#pragma once

#include "core/event.h"
#include "widgets/usercontrol.h"

#include <QString>

class QFrame;
class QLineEdit;
class QPushButton;

// The text entry of the calculator. A person types a decimal number, a Roman
// numeral or a hexadecimal number after "0X", and may end it with an
// operation key; after every edit the pad takes the key off the text into
// conKey(), reads the rest into value() and raises change, or stays silent
// when the text is no numeral at all.
class TypeInPad : public UserControl
{
public:
    explicit TypeInPad(QWidget *parent = nullptr);

    double value() const { return value_; }
    // Shows the value in the text box, zero as an empty box. Raises no event
    // and leaves conKey() alone.
    void setValue(double value);

    // The operation key that ended the last processed edit, or "".
    QString conKey() const { return conKey_; }
    // The key comes only from what a person types, so a write is ignored.
    void setConKey(const QString &) { }

    // True only while the pad writes its own text box.
    bool selfEdit() const { return selfEdit_; }

    QList<QWidget *> tabOrder() const override;

    Event change;

protected:
    void layoutChildren() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void processEdit();
    void takeConKey();
    void deliverKey(QChar key);
    void announce();
    void writeText(const QString &text);

    QFrame *frame1_;
    QLineEdit *text1_;
    QPushButton *command1_;
    QString conKey_;
    bool selfEdit_ = false;
    double value_ = 0;
};
