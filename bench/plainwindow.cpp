#include "bench/plainwindow.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>

namespace {

QString textOf(const QWidget *widget)
{
    if (const auto *edit = qobject_cast<const QLineEdit *>(widget))
        return edit->text();
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    return static_cast<const QAbstractButton *>(widget)->text();
}

void setTextOf(QWidget *widget, const QString &text)
{
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        edit->setText(text);
    else if (auto *label = qobject_cast<QLabel *>(widget))
        label->setText(text);
    else
        static_cast<QAbstractButton *>(widget)->setText(text);
}

QStringList entries(const QListView &list)
{
    QStringList entries;
    const QAbstractItemModel *model = list.model();
    for (int row = 0; row < model->rowCount(); ++row)
        entries << model->index(row, 0).data().toString();
    return entries;
}

} // namespace

PlainWindow::PlainWindow(QWidget &calculator)
{
    window.setObjectName(QStringLiteral("Plain"));
    window.setFont(calculator.font());
    window.setFixedSize(calculator.size());
    copy(calculator, window);
}

// The visible children, back to front; what a line edit, label, button or
// list holds is theirs, not copied.
void PlainWindow::copy(QWidget &from, QWidget &to)
{
    for (QObject *object : from.children()) {
        auto *child = qobject_cast<QWidget *>(object);
        if (!child || child->isWindow() || child->isHidden())
            continue;
        QWidget *plain = nullptr;
        bool shows = true;
        if (auto *edit = qobject_cast<QLineEdit *>(child)) {
            auto *box = new QLineEdit(&to);
            box->setReadOnly(edit->isReadOnly());
            box->setAlignment(edit->alignment());
            box->setFrame(edit->hasFrame());
            box->setMaxLength(edit->maxLength());
            if (edit->objectName() == QLatin1String("Text1"))
                typeIn = box;
            plain = box;
        } else if (qobject_cast<QAbstractButton *>(child)) {
            plain = new QPushButton(&to);
        } else if (auto *label = qobject_cast<QLabel *>(child)) {
            auto *copied = new QLabel(&to);
            copied->setTextFormat(Qt::PlainText);
            copied->setWordWrap(label->wordWrap());
            plain = copied;
        } else if (auto *list = qobject_cast<QListView *>(child)) {
            tape_ = new QListView(&to);
            entries_ = new QStringListModel(tape_);
            tape_->setModel(entries_);
            tape_->setUniformItemSizes(true);
            calculatorTape_ = list;
            plain = tape_;
            shows = false;
        } else {
            auto *frame = qobject_cast<QFrame *>(child);
            auto *copied = frame ? new QFrame(&to) : new QWidget(&to);
            if (frame)
                static_cast<QFrame *>(copied)->setFrameStyle(frame->frameStyle());
            copy(*child, *copied);
            plain = copied;
            shows = false;
        }
        plain->setObjectName(child->objectName());
        plain->setGeometry(child->geometry());
        plain->setFont(child->font());
        if (child->testAttribute(Qt::WA_SetPalette))
            plain->setPalette(child->palette());
        plain->setAutoFillBackground(child->autoFillBackground());
        if (shows)
            shown_.emplace_back(child, plain);
    }
}

PlainWindow::Shown PlainWindow::calculatorShows() const
{
    Shown shown;
    for (const auto &[calculator, plain] : shown_) {
        shown.texts.push_back(textOf(calculator));
        shown.fonts.push_back(calculator->font());
    }
    if (calculatorTape_)
        shown.tape = entries(*calculatorTape_);
    return shown;
}

void PlainWindow::show(const Shown &shown)
{
    for (std::size_t i = 0; i < shown_.size(); ++i) {
        QWidget *plain = shown_[i].second;
        if (plain->font() != shown.fonts[i])
            plain->setFont(shown.fonts[i]);
        if (textOf(plain) != shown.texts[i])
            setTextOf(plain, shown.texts[i]);
    }
    if (!entries_ || entries_->rowCount() == shown.tape.size())
        return;
    // New entries come at the end, as on the calculator's tape.
    if (entries_->rowCount() > shown.tape.size()) {
        entries_->setStringList(shown.tape);
        return;
    }
    const int first = entries_->rowCount();
    entries_->insertRows(first, int(shown.tape.size()) - first);
    for (int row = first; row < shown.tape.size(); ++row)
        entries_->setData(entries_->index(row), shown.tape[row]);
    tape_->scrollToBottom();
}
