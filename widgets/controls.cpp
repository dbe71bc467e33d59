#include "widgets/controls.h"

#include "widgets/barredlineedit.h"
#include "widgets/textfit.h"

#include <QCoreApplication>
#include <QFrame>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcutEvent>

#include <limits>

namespace {

QString withoutAccessMarks(QString caption)
{
    // "&&" is a literal ampersand, a lone "&" marks the access key.
    static const QString placeholder = QStringLiteral("\x01");
    return caption.replace(QStringLiteral("&&"), placeholder)
        .remove(QLatin1Char('&'))
        .replace(placeholder, QStringLiteral("&"));
}

// Clicks a button the moment its access key arrives. Qt animates the click
// first and clicks 100 ms later, so keys typed in between would be handled
// before it: 20, Alt+-, 8 typed quickly would subtract from 208.
class InstantAccessKey : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Shortcut
            || static_cast<QShortcutEvent *>(event)->isAmbiguous())
            return false;
        auto *button = static_cast<QPushButton *>(watched);
        if (button->isEnabled())
            button->click();
        return true;
    }
};

void name(QWidget *widget, const QString &objectName, const QString &toolTip, const QString &spoken)
{
    widget->setObjectName(objectName);
    widget->setToolTip(toolTip);
    widget->setAccessibleName(spoken);
}

} // namespace

QFrame *makeFrame(
    QWidget *parent, const QString &objectName, const QString &spokenName, const QString &toolTip)
{
    auto *frame = new QFrame(parent);
    name(frame, objectName, toolTip, spokenName);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    return frame;
}

QLineEdit *makeTextBox(QWidget *parent, const QString &objectName, const QString &toolTip)
{
    auto *box = new QLineEdit(parent);
    name(box, objectName, toolTip, toolTip);
    // QLineEdit cuts text at 32767 characters by default; a pasted entry of
    // any length must arrive whole.
    box->setMaxLength(std::numeric_limits<int>::max());
    TextFit::attach(box);
    return box;
}

QLineEdit *makeReadout(QWidget *parent, const QString &objectName, const QString &toolTip)
{
    auto *box = new BarredLineEdit(parent);
    name(box, objectName, toolTip, toolTip);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignCenter);
    // Read-only before the fit is attached: a readout's text is fitted whole.
    TextFit::attach(box);
    return box;
}

QPushButton *makeButton(
    QWidget *parent, const QString &objectName, const QString &caption, const QString &toolTip)
{
    auto *button = new QPushButton(caption, parent);
    const QString spoken = toolTip.isEmpty() ? withoutAccessMarks(caption) : toolTip;
    // The underline under an access key shows only while Alt is held, so the
    // tooltip says which key it is.
    const QKeySequence accessKey = QKeySequence::mnemonic(caption);
    name(button, objectName,
        accessKey.isEmpty()
            ? toolTip
            : QCoreApplication::translate("AccessKey", "%1 (%2)",
                "a button's tooltip: what it does, and the keys that click it, e.g. Add (Alt++)")
                  .arg(spoken, accessKey.toString(QKeySequence::NativeText)),
        spoken);
    button->setAutoDefault(false);
    // A click leaves the focus where the typing goes on; Tab still reaches
    // the button, and its access key still clicks it.
    button->setFocusPolicy(Qt::TabFocus);
    static auto *const instant = new InstantAccessKey(QCoreApplication::instance());
    button->installEventFilter(instant);
    TextFit::attach(button);
    return button;
}

QLabel *makeLabel(QWidget *parent, const QString &objectName, const QString &caption)
{
    auto *label = new QLabel(caption, parent);
    // Never rich text: a label may quote what a person typed, "<b>" and all.
    label->setTextFormat(Qt::PlainText);
    name(label, objectName, {}, caption);
    TextFit::attach(label);
    return label;
}
