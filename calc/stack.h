#pragma once

#include "core/shiftstack.h"
#include "widgets/usercontrol.h"

class QFrame;
class QLabel;

// The parenthesis stack as a component of the window: a cyan strip with a
// mark for each open parenthesis, whose tooltip and description say what
// each waits to finish. It offers the register's properties and event as its
// own.
class Stack : public UserControl
{
public:
    explicit Stack(QWidget *parent = nullptr);

    ShiftStack &shiftStack() { return stack_; }

    double tos() { return stack_.tos(); }
    void setTos(double value) { stack_.setTos(value); }
    std::int16_t itos() const { return stack_.itos(); }
    void setItos(std::int16_t code) { stack_.setItos(code); }
    double clr() { return stack_.clr(); }
    void setClr(double ignored) { stack_.setClr(ignored); }
    double bos() const { return stack_.bos(); }
    void setBos(double value) { stack_.setBos(value); }
    std::int16_t ibos() const { return stack_.ibos(); }
    void setIbos(std::int16_t code) { stack_.setIbos(code); }
    Event &popped;

    QList<QWidget *> tabOrder() const override { return {}; }

    // Shows that many parentheses open; the stack has no depth of its own,
    // so the host, which counts them, tells it.
    void showOpen(int count);
    int shownOpen() const { return shownOpen_; }

protected:
    void layoutChildren() override;

private:
    ShiftStack stack_;
    QFrame *outline_;
    QLabel *marks_;
    int shownOpen_ = 0;
};
