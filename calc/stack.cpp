#include "calc/stack.h"

#include "widgets/controls.h"

#include <QCoreApplication>
#include <QFrame>
#include <QPalette>

namespace {

constexpr int DesignWidth = 2685;
constexpr int DesignHeight = 750;

} // namespace

Stack::Stack(QWidget *parent)
    : UserControl(parent)
    , popped(stack_.popped)
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

void Stack::layoutChildren()
{
    cover(outline_);
}
