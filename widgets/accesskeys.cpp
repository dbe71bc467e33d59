#include "widgets/accesskeys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QProxyStyle>
#include <QWidget>

namespace {

class AccessKeyStyle : public QProxyStyle
{
public:
    explicit AccessKeyStyle(QWidget *window)
        : window_(window)
    {
        setParent(window);
        qApp->installEventFilter(this);
    }

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
        QStyleHintReturn *returnData) const override
    {
        if (hint == SH_UnderlineShortcut)
            return altHeld_ ? 1 : 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Every event of every object in the program passes here: those
        // that cannot change the underline leave before anything is looked up.
        const QEvent::Type type = event->type();
        if (type != QEvent::KeyPress && type != QEvent::KeyRelease
            && type != QEvent::WindowDeactivate)
            return QProxyStyle::eventFilter(watched, event);
        // Only this window's keys count, and Alt alone: AltGr arrives as
        // Control and Alt while a person types "@" or "{".
        const auto *widget = qobject_cast<const QWidget *>(watched);
        if (!widget || widget->window() != window_)
            return QProxyStyle::eventFilter(watched, event);
        bool held = false;
        if (type != QEvent::WindowDeactivate) {
            const auto *key = static_cast<const QKeyEvent *>(event);
            held = key->key() == Qt::Key_Alt ? type == QEvent::KeyPress
                                             : key->modifiers() == Qt::AltModifier;
        }
        if (held != altHeld_) {
            altHeld_ = held;
            for (QAbstractButton *button : window_->findChildren<QAbstractButton *>())
                button->update();
        }
        return QProxyStyle::eventFilter(watched, event);
    }

private:
    QWidget *window_;
    bool altHeld_ = false;
};

} // namespace

void underlineAccessKeysWhileAlt(QWidget *window)
{
    auto *style = new AccessKeyStyle(window);
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
        button->setStyle(style);
}
