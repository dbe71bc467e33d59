#include "calc/stack.h"

#include "widgets/controls.h"

#include <QCoreApplication>
#include <QFrame>
#include <QPalette>

#include <algorithm>

namespace {

constexpr int DesignWidth = 2685;
constexpr int DesignHeight = 750;

template<typename Level> void shiftDown(Level &level)
{
    std::copy_backward(level.begin(), level.end() - 1, level.end());
}

// The bottom level stays where it was as well, so it repeats upward.
template<typename Level> void shiftUp(Level &level)
{
    std::copy(level.begin() + 1, level.end(), level.begin());
}

} // namespace

Stack::Stack(QWidget *parent)
    : UserControl(parent)
    , outline_(makeFrame(this, QStringLiteral("outline"),
          QCoreApplication::translate("Stack", "Parenthesis stack")))
{
    // Only the background is set: the text colour keeps following the system.
    QPalette palette = outline_->palette();
    palette.setColor(QPalette::Window, QColor(0, 255, 255));
    outline_->setPalette(palette);
    outline_->setAutoFillBackground(true);
    initTwipsSize(DesignWidth, DesignHeight);
}

double Stack::tos()
{
    const double top = values_.front();
    shiftUp(values_);
    shiftUp(codes_);
    // Inside the read: a handler already sees the levels moved.
    popped.raise();
    return top;
}

void Stack::setTos(double value)
{
    shiftDown(values_);
    shiftDown(codes_);
    values_.front() = value;
    codes_.front() = stagedCode_;
}

double Stack::clr()
{
    values_.fill(0.0);
    return 0.0;
}

void Stack::setClr(double /*ignored*/)
{
    clr();
}

void Stack::layoutChildren()
{
    cover(outline_);
}
