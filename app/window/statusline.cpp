#include "app/window/statusline.h"

#include "core/calculation.h"
#include "core/statustext.h"
#include "widgets/controls.h"
#include "widgets/textfit.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QLabel>

#include <utility>

namespace {

// What a screen reader calls the status line while it says nothing.
QString statusName()
{
    return QCoreApplication::translate("Calvaran", "Status line");
}

} // namespace

StatusLine::StatusLine(QWidget *window)
    : label_(makeLabel(window, QStringLiteral("StatusLine"), {}))
{
    label_->setWordWrap(true);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label_->setAccessibleName(statusName());
}

void StatusLine::setError(const QString &text)
{
    error_ = text;
    errorFresh_ = true;
}

void StatusLine::say(
    const Calculation &calculation, const QString &problem, const QString &message, double roman)
{
    const auto progress = [&] { return statustext::progress(calculation); };
    QString text;
    const bool failed = calculation.spoiled();
    if (!error_.isEmpty() && (errorFresh_ || failed)) {
        // While the result is spoiled the advice stays with the error.
        text = statustext::error(error_, failed ? progress() : QString());
    } else {
        error_.clear();
        text = problem;
    }
    errorFresh_ = false;
    if (text.isEmpty())
        text = message;
    if (text.isEmpty())
        text = statustext::note(calculation);
    // While the numeral shows its value rounded, that is the news: the
    // calculation in progress is in the readouts.
    if (text.isEmpty() && !calculation.failed())
        text = statustext::rounded(roman);
    if (text.isEmpty())
        text = progress();
    if (held_)
        heldText_ = text;
    else
        show(text);
}

void StatusLine::hold(bool held)
{
    held_ = held;
    if (!held && heldText_)
        show(*std::exchange(heldText_, std::nullopt));
}

void StatusLine::show(const QString &text)
{
    // The same text again is no news: a screen reader hears it once.
    if (text == label_->text())
        return;
    label_->setText(text);
    // A screen reader hears the new text through the name, an error at once.
    label_->setAccessibleName(text.isEmpty() ? statusName() : text);
    if (!error_.isEmpty()) {
        QAccessibleEvent alert(label_, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
    TextFit::of(label_)->refit();
}
