#pragma once

#include "core/shiftstack.h"
#include "widgets/usercontrol.h"

class QFrame;

// The parenthesis stack as a component of the window: a cyan strip that
// shows nothing of its contents.
class Stack : public UserControl, public ShiftStack
{
public:
    explicit Stack(QWidget *parent = nullptr);

    QList<QWidget *> tabOrder() const override { return {}; }

protected:
    void layoutChildren() override;

private:
    QFrame *outline_;
};
