#include "widgets/readoutaccessible.h"

#include "widgets/readoutbox.h"

#include <QAccessibleWidget>

namespace {

class ReadoutAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit ReadoutAccessible(ReadoutBox *box)
        : QAccessibleWidget(box, QAccessible::EditableText)
    { }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.editable = false;
        state.selectableText = true;
        return state;
    }

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Value ? box()->text() : QAccessibleWidget::text(kind);
    }

    void selection(int index, int *start, int *end) const override
    {
        const bool any = index == 0 && selectionCount() == 1;
        *start = any ? box()->selectionStart() : 0;
        *end = any ? box()->selectionEnd() : 0;
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { box()->select(start, end); }
    void removeSelection(int) override
    {
        box()->select(box()->cursorPosition(), box()->cursorPosition());
    }
    void setSelection(int, int start, int end) override { box()->select(start, end); }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->select(position, position); }
    QString text(int start, int end) const override
    {
        return box()->text().mid(start, end - start);
    }
    int characterCount() const override { return int(box()->text().size()); }
    QRect characterRect(int offset) const override
    {
        const QRect local = box()->characterRect(offset);
        return QRect(box()->mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return box()->offsetAt(box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int, int) override { }
    QString attributes(int offset, int *start, int *end) const override
    {
        *start = *end = offset;
        return {};
    }

private:
    ReadoutBox *box() const { return static_cast<ReadoutBox *>(widget()); }
};

QAccessibleInterface *readoutFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("ReadoutBox") && object && object->isWidgetType())
        return new ReadoutAccessible(static_cast<ReadoutBox *>(object));
    return nullptr;
}

} // namespace

void installReadoutAccessible()
{
    static const bool installed = [] {
        QAccessible::installFactory(readoutFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
