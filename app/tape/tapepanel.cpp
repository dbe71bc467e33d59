#include "app/tape/tapepanel.h"

#include "app/tape/tapedelegate.h"
#include "app/tape/tapeexport.h"
#include "app/tape/tapemodel.h"
#include "core/errors.h"
#include "core/exacttext.h"
#include "core/romannumeral.h"
#include "core/statustext.h"
#include "widgets/clipboard.h"
#include "widgets/typingkeys.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>

namespace {

// How often entries that could not be saved are tried again.
constexpr int RetryDelay = 5000;

} // namespace

TapePanel::TapePanel(const QString &folder, QWidget *parent)
    : QListView(parent)
    , model_(new TapeModel(this))
    , delegate_(new TapeDelegate(this))
    , file_(folder)
{
    setObjectName(QStringLiteral("Tape"));
    //: The list beside the calculator, as a screen reader names it. Each thing
    //: has one word in every text, the help's and the menus' too: the tape;
    //: an entry (a calculation on the tape, not what is typed); Clear (the
    //: button, and r); all clear (Escape); a readout (either of the two
    //: displays); the type-in box; the keypad; the keyboard; the help.
    setAccessibleName(QCoreApplication::translate("TapePanel", "Tape"));
    setModel(model_);
    setItemDelegate(delegate_);
    setSelectionMode(ExtendedSelection);
    setEditTriggers(NoEditTriggers);
    // Entries are laid out again as the column's width changes: a long
    // result takes more lines in a narrower one.
    setWordWrap(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAlternatingRowColors(true);
    copyRoman_ = addMenuAction("CopyResultRoman",
        QT_TRANSLATE_NOOP("TapePanel", "Copy result (&Roman)"), &TapePanel::copyRoman);
    copyDecimal_ = addMenuAction("CopyResultDecimal",
        QT_TRANSLATE_NOOP("TapePanel", "Copy result (&decimal)"), &TapePanel::copyDecimal);
    copyEntry_ = addMenuAction(
        "CopyEntry", QT_TRANSLATE_NOOP("TapePanel", "&Copy entry"), &TapePanel::copySelected);
    copyEntry_->setShortcut(QKeySequence::Copy);
    copyEntry_->setShortcutContext(Qt::WidgetShortcut);
    copyAll_ = addMenuAction(
        "CopyWholeTape", QT_TRANSLATE_NOOP("TapePanel", "Copy &whole tape"), &TapePanel::copyAll);
    delete_ = addMenuAction(
        "DeleteEntry", QT_TRANSLATE_NOOP("TapePanel", "D&elete entry"), &TapePanel::deleteSelected);
    delete_->setShortcut(QKeySequence::Delete);
    delete_->setShortcutContext(Qt::WidgetShortcut);
    clear_ = addMenuAction(
        "ClearTape", QT_TRANSLATE_NOOP("TapePanel", "C&lear tape"), &TapePanel::clearTape);
    // Anywhere in the window, as the status line tells after a clear.
    undo_ = addMenuAction("UndoTape", QT_TRANSLATE_NOOP("TapePanel", "&Undo"), &TapePanel::undo);
    undo_->setShortcut(QKeySequence::Undo);
    undo_->setShortcutContext(Qt::WindowShortcut);
    print_ = addMenuAction(
        "PrintTape", QT_TRANSLATE_NOOP("TapePanel", "&Print tape…"), &TapePanel::printTape);
    print_->setShortcut(QKeySequence::Print);
    print_->setShortcutContext(Qt::WindowShortcut);
    export_ = addMenuAction(
        "ExportTape", QT_TRANSLATE_NOOP("TapePanel", "E&xport tape…"), &TapePanel::exportTape);
    // Shown and hidden by the window: F9 as side panels elsewhere, and Alt
    // with the access key as for the keypad's buttons.
    const QString caption = QCoreApplication::translate("TapePanel", "&Tape");
    showAction_ = new QAction(caption, this);
    showAction_->setObjectName(QStringLiteral("ShowTape"));
    showAction_->setCheckable(true);
    showAction_->setShortcuts({Qt::Key_F9, QKeySequence::mnemonic(caption)});
    QStringList keys;
    for (const QKeySequence &key : showAction_->shortcuts())
        keys << key.toString(QKeySequence::NativeText);
    showAction_->setToolTip(QCoreApplication::translate(
        "TapePanel", "Show or hide the tape (%1)", "%1 names the keys that do it, e.g. F9, Alt+T")
                                .arg(keys.join(QStringLiteral(", "))));
    addAction(showAction_);
    retry_ = new QTimer(this);
    retry_->setSingleShot(true);
    retry_->setInterval(RetryDelay);
    connect(retry_, &QTimer::timeout, this,
        [this] { guarded([this] { saved(file_.append({}), false); }); });
    connect(this, &QAbstractItemView::activated, this, [this](const QModelIndex &index) {
        const TapeEntry &entry = model_->entries()[std::size_t(index.row())];
        if (!entry.result)
            return;
        guarded([&] { reused.raise(exactText(*entry.result)); });
    });
}

QAction *TapePanel::addMenuAction(const char *name, const char *text, void (TapePanel::*run)())
{
    auto *action = new QAction(QCoreApplication::translate("TapePanel", text), this);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, [this, run] {
        guarded([&] {
            load();
            (this->*run)();
        });
    });
    addAction(action);
    return action;
}

void TapePanel::load()
{
    if (std::exchange(loaded_, true))
        return;
    model_->reset(file_.load());
    saved(true);
    scrollToBottom();
}

void TapePanel::add(const TapeEntry &entry)
{
    // After the saved ones, so that the file and the list agree; what became
    // of the file is told after this input, which has the status line now.
    deferNews_ = true;
    load();
    deferNews_ = false;
    model_->add(entry);
    // Scrolled once the input that led to it is done: each scroll lays out
    // every entry of its own height, and a pasted column adds thousands.
    if (!scrollDue_) {
        scrollDue_ = true;
        QTimer::singleShot(0, this, [this] {
            scrollDue_ = false;
            scrollToBottom();
        });
    }
    // Saved once the input that led to it is done: a paste of many
    // calculations waits for the disk once.
    if (unsaved_.empty())
        QTimer::singleShot(0, this, [this] { saved(file_.append(std::exchange(unsaved_, {}))); });
    unsaved_.push_back(entry);
}

TapePanel::~TapePanel()
{
    if (!unsaved_.empty())
        file_.append(unsaved_);
}

const std::deque<TapeEntry> &TapePanel::entries()
{
    load();
    return model_->entries();
}

void TapePanel::setPointSize(qreal points)
{
    QFont scaled = font();
    scaled.setPointSizeF(points);
    keepingTheEnd([&] { setFont(scaled); });
}

void TapePanel::resizeEvent(QResizeEvent *event)
{
    keepingTheEnd([&] { QListView::resizeEvent(event); });
}

void TapePanel::keepingTheEnd(const std::function<void()> &change)
{
    // Where the newest entry was in sight, it stays in sight.
    const bool atEnd = verticalScrollBar()->value() == verticalScrollBar()->maximum();
    change();
    if (atEnd)
        scrollToBottom();
}

void TapePanel::saved(bool done, bool afterEntry)
{
    // A file set aside is news once: the tape goes on working either way.
    if (const QString aside = file_.setAsideAs(); !aside.isEmpty())
        tell(QCoreApplication::translate("TapePanel",
            "The tape in %1 could not be read; it is kept as %2, and a new tape begins")
                 .arg(QDir::toNativeSeparators(file_.path()), QFileInfo(aside).fileName()));
    if (done)
        return;
    // Each entry that waits says so, and they are tried again now and then
    // until they are saved.
    if (afterEntry)
        tell(QCoreApplication::translate(
            "TapePanel", "The tape cannot be saved in %1; it is kept until the window closes")
                 .arg(QDir::toNativeSeparators(file_.path())));
    retry_->start();
}

void TapePanel::tell(const QString &news)
{
    if (deferNews_)
        QTimer::singleShot(0, this, [this, news] { said.raise(news); });
    else
        said.raise(news);
}

const TapeEntry *TapePanel::current() const
{
    // Until the person picks one, the newest.
    const QModelIndex index = currentIndex();
    if (index.isValid())
        return &model_->entries()[std::size_t(index.row())];
    return model_->entries().empty() ? nullptr : &model_->entries().back();
}

void TapePanel::copy(const QString &text)
{
    setClipboardText(text);
    said.raise(statustext::copied(text));
}

void TapePanel::copy(const std::vector<const TapeEntry *> &entries)
{
    if (entries.empty())
        return;
    setClipboardText(tapeText(entries));
    said.raise(QCoreApplication::translate(
        "TapePanel", "Copied %n entries", nullptr, int(entries.size())));
}

void TapePanel::copyRoman()
{
    if (const TapeEntry *entry = current(); entry && entry->result && romanIsExact(*entry->result))
        copy(romanNumeral(*entry->result));
}

void TapePanel::copyDecimal()
{
    if (const TapeEntry *entry = current(); entry && entry->result)
        copy(exactDecimal(*entry->result));
}

void TapePanel::copySelected()
{
    QModelIndexList rows = selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end());
    std::vector<const TapeEntry *> entries;
    for (const QModelIndex &row : std::as_const(rows))
        entries.push_back(&model_->entries()[std::size_t(row.row())]);
    copy(entries);
}

void TapePanel::copyAll()
{
    copy(everyEntry());
}

std::vector<const TapeEntry *> TapePanel::everyEntry() const
{
    std::vector<const TapeEntry *> entries;
    for (const TapeEntry &entry : model_->entries())
        entries.push_back(&entry);
    return entries;
}

void TapePanel::contextMenuEvent(QContextMenuEvent *event)
{
    load();
    const TapeEntry *entry = current();
    const bool result = entry && entry->result;
    // Only a numeral that reads back as the result itself is offered.
    const bool numeral = result && romanIsExact(*entry->result);
    const bool picked = selectionModel()->hasSelection();
    const std::pair<QAction *, bool> enabled[] = {{copyRoman_, numeral}, {copyDecimal_, result},
        {copyEntry_, picked}, {copyAll_, entry != nullptr},
        {delete_, picked || currentIndex().isValid()}, {clear_, entry != nullptr},
        {undo_, model_->canRestore()}, {print_, entry != nullptr}, {export_, entry != nullptr}};
    for (const auto &[action, on] : enabled)
        action->setEnabled(on);
    QMenu menu(this);
    menu.setToolTipsVisible(true);
    // Copies, then what changes the tape, then what takes it elsewhere.
    for (QAction *action : actions()) {
        if (action == delete_ || action == print_ || action == showAction_)
            menu.addSeparator();
        menu.addAction(action);
    }
    menu.exec(event->globalPos());
    // Ctrl+C works again outside the menu.
    for (const auto &[action, on] : enabled)
        action->setEnabled(true);
}

QStringList TapePanel::shownLines(int row) const
{
    const QModelIndex index = model_->index(row);
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(index);
    return delegate_->lines(option, index);
}

void TapePanel::keyPressEvent(QKeyEvent *event)
{
    // Whatever writes text, and a paste, is the calculation's; keys with Ctrl
    // or Alt, the arrows, Enter, Tab and the menu key stay here.
    if (writesText(*event) || event->matches(QKeySequence::Paste))
        return guarded([&] { typed.raise(event); });
    // From no entry, as after a click below the last, the arrows and End
    // start at the newest, as Tab does.
    const bool arrow
        = event->key() == Qt::Key_Up || event->key() == Qt::Key_Down || event->key() == Qt::Key_End;
    if (arrow && !currentIndex().isValid() && model_->rowCount() > 0)
        return setCurrentIndex(model_->index(model_->rowCount() - 1));
    QListView::keyPressEvent(event);
}

void TapePanel::focusInEvent(QFocusEvent *event)
{
    // Tabbed into, the tape starts from the newest entry, at the bottom where
    // the person's eyes are, rather than from the oldest.
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) {
        load();
        if (model_->rowCount() > 0) {
            const QModelIndex newest = model_->index(model_->rowCount() - 1);
            selectionModel()->setCurrentIndex(newest, QItemSelectionModel::NoUpdate);
            scrollTo(newest);
        }
    }
    QListView::focusInEvent(event);
}

void TapePanel::paintEvent(QPaintEvent *event)
{
    QListView::paintEvent(event);
    // Reading a thousand entries waits until the window is on screen.
    if (!std::exchange(loadPosted_, true))
        QTimer::singleShot(0, this, [this] { load(); });
    if (!loaded_ || !model_->entries().empty())
        return;
    // An empty tape says what it is for, and how to put it away.
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.drawText(viewport()->rect().adjusted(6, 6, -6, -6), Qt::AlignCenter | Qt::TextWordWrap,
        QCoreApplication::translate("TapePanel",
            "Every calculation that ends with = is kept here, in both numeral forms. "
            "F9 hides the tape."));
}
