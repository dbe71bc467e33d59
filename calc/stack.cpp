#include "calc/stack.h"

#include "widgets/controls.h"

#include "core/padengine.h"
#include "core/textservices.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QStringList>

#include <algorithm>

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
    marks_ = new QLabel(outline_);
    marks_->setObjectName(QStringLiteral("marks"));
    marks_->setAlignment(Qt::AlignCenter);
    marks_->setAccessibleName(QCoreApplication::translate("Stack", "Open parentheses"));
    initTwipsSize(DesignWidth, DesignHeight);
}

void Stack::showOpen(int count)
{
    count = std::clamp(count, 0, int(ShiftStack::Depth));
    QStringList waiting;
    for (int level = 0; level < count; ++level) {
        const std::int16_t code = stack_.codeAt(std::size_t(level));
        const QChar sign = pendingSign(code);
        waiting << (sign.isNull() ? QCoreApplication::translate("Stack", "a new calculation",
                        "what a parenthesis opened with nothing pending waits for")
                                  : numberText(stack_.valueAt(std::size_t(level))) + u' ' + sign);
    }
    const QString said = count == 0 ? QString()
                                    : QCoreApplication::translate("Stack",
                                        "%n parentheses open, innermost first, each waiting to "
                                        "finish: %1",
                                        "%1 lists what each waits for, as in 2 ×, 3 +", count)
                                          .arg(waiting.join(QStringLiteral(", ")));
    shownOpen_ = count;
    marks_->setText(QString(count, u'('));
    setToolTip(said);
    outline_->setAccessibleDescription(said);
}

void Stack::layoutChildren()
{
    cover(outline_);
    marks_->setGeometry(outline_->rect());
    QFont font = marks_->font();
    font.setPixelSize(std::max(6, outline_->height()));
    marks_->setFont(font);
}
