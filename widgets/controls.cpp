#include "widgets/controls.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

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

QLineEdit *makeTextBox(
    QWidget *parent, const QString &objectName, const QString &toolTip, TextBoxKind kind)
{
    auto *box = new QLineEdit(parent);
    name(box, objectName, toolTip, toolTip);
    // QLineEdit cuts text at 32767 characters by default; a pasted entry of
    // any length must arrive whole.
    box->setMaxLength(std::numeric_limits<int>::max());
    if (kind == TextBoxKind::ReadOnly) {
        box->setReadOnly(true);
        box->setAlignment(Qt::AlignCenter);
    }
    return box;
}

QPushButton *makeButton(
    QWidget *parent, const QString &objectName, const QString &caption, const QString &toolTip)
{
    auto *button = new QPushButton(caption, parent);
    name(button, objectName, toolTip, toolTip.isEmpty() ? withoutAccessMarks(caption) : toolTip);
    button->setAutoDefault(false);
    return button;
}

QLabel *makeLabel(QWidget *parent, const QString &objectName, const QString &caption)
{
    auto *label = new QLabel(caption, parent);
    name(label, objectName, {}, caption);
    return label;
}
