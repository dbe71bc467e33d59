#include "numerals/typeinpad.h"

#include "core/errors.h"
#include "core/exacttext.h"
#include "core/numeralparse.h"
#include "core/reader.h"
#include "core/textservices.h"
#include "widgets/clipboard.h"
#include "widgets/controls.h"
#include "widgets/grid.h"
#include "widgets/typingkeys.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QStyle>

#include <memory>
#include <utility>

TypeInPad::TypeInPad(QWidget *parent)
    : UserControl(parent)
    , frame1_(makeFrame(
          this, QStringLiteral("Frame1"), QCoreApplication::translate("TypeInPad", "Type-in pad")))
    , text1_(makeTextBox(frame1_, QStringLiteral("Text1"),
          QCoreApplication::translate("TypeInPad", "Enter Numbers here")))
    , command1_(makeButton(frame1_, QStringLiteral("Command1"),
          QCoreApplication::translate("TypeInPad", "Copy", "a button; give it no access key")))
{
    chainTabOrder(tabOrder());
    setFocusProxy(text1_);
    text1_->installEventFilter(this);
    connect(text1_, &QLineEdit::textChanged, this, [this] { guarded([this] { processEdit(); }); });
    connect(command1_, &QPushButton::clicked, this, [this] { guarded([this] { copy(); }); });
    initTwipsSize(4500, 645);
}

void TypeInPad::setValue(double value)
{
    value_ = value;
    writeText(value == 0 ? QString() : numberText(value));
    setProblem({});
}

QString TypeInPad::text() const
{
    return text1_->text();
}

void TypeInPad::enterText(const QString &text)
{
    text1_->selectAll();
    text1_->insert(text);
}

void TypeInPad::setProblem(const QString &sentence)
{
    if (sentence == problem_)
        return;
    problem_ = sentence;
    // Made when an entry is first unreadable: the style looks the icon up in
    // the desktop's icon theme, which would cost every start-up.
    if (!problemMark_ && !sentence.isEmpty()) {
        // An icon as well as words, so that the mark does not rest on colour.
        problemMark_ = text1_->addAction(
            style()->standardIcon(QStyle::SP_MessageBoxWarning), QLineEdit::TrailingPosition);
        problemMark_->setText(QCoreApplication::translate(
            "TypeInPad", "Not readable", "the name of the mark on an entry that is not a number"));
    }
    if (!problemMark_)
        return;
    problemMark_->setVisible(!sentence.isEmpty());
    problemMark_->setToolTip(sentence);
    text1_->setAccessibleDescription(sentence);
}

void TypeInPad::copy()
{
    // An empty box would wipe whatever the person copied before. The
    // result's text is made here, not at each keystroke that changes it.
    QString text = text1_->text();
    if (text.isEmpty() && result_)
        text = exactText(*result_);
    if (text.isEmpty())
        return;
    setClipboardText(text);
    copiedText_ = text;
    copied.raise();
}

QList<QWidget *> TypeInPad::tabOrder() const
{
    return {text1_, command1_};
}

void TypeInPad::layoutChildren()
{
    const GridUnits units = gridUnits(twipsWidth(), twipsHeight(), 100, 7);
    cover(frame1_);
    moveOnGrid(text1_, units, 5, 2, 60, 4);
    moveOnGrid(command1_, units, 70, 2, 25, 4);
    // A new size starts a new entry; what the box shows stays for the person
    // to go on with.
    value_ = 0;
}

namespace {

// Whether the edit from before to after inserted nothing: only deleted.
bool onlyDeletes(const QString &before, const QString &after)
{
    if (after.size() >= before.size())
        return after.isEmpty() && before.isEmpty();
    qsizetype head = 0;
    while (head < after.size() && after[head] == before[head])
        ++head;
    return QStringView(before).endsWith(QStringView(after).sliced(head));
}

} // namespace

void TypeInPad::processEdit()
{
    if (selfEdit_)
        return;
    const QString text = text1_->text();
    const QString before = std::exchange(before_, text);
    conKey_.clear();
    const bool deleting = undoing_ || onlyDeletes(before, text);
    // A paste starts a reading of its own, where "-" before a number is its
    // sign; a keystroke goes on from what the calculation did last.
    const bool signFirst = !typing_ || deleting || !signMayStand || signMayStand();
    // Lines are calculations, each finished: a column of numbers adds up to
    // several results, not one entry.
    if (hasLineBreak(text) && !typing_ && !deleting) {
        writeText({});
        pasted.raise(text);
        return;
    }
    // Blanks where an entry would start are neither an entry nor a mistake.
    if (!text.isEmpty() && text.trimmed().isEmpty()) {
        setProblem({});
        edited.raise();
        return;
    }
    const QList<InputPiece> pieces = readPieces(text, signFirst);
    const bool oneEntry = pieces.size() == 1 && !pieces[0].isKey();
    if (pieces.isEmpty() || oneEntry) {
        announce();
        return;
    }
    // An entry that does not read keeps what is typed after it, key and all,
    // so that nothing typed is lost unseen; the person mends the entry.
    if (!pieces[0].isKey()) {
        // Read with the key taken, as a number too large for the calculator
        // is an error of its own.
        conKey_ = pieces[1].key;
        if (!readEntry(pieces[0].entry)) {
            unreadEntry_ = pieces[0].entry;
            unreadRest_ = QStringView(text).sliced(pieces[0].end).trimmed().toString();
            unread.raise();
            return;
        }
        conKey_.clear();
    }
    // Deleting text is no key: what is left waits for the person.
    if (deleting) {
        setProblem({});
        edited.raise();
        return;
    }
    const bool entryAndKey = pieces.back().isKey()
        && (pieces.size() == 1 || (pieces.size() == 2 && !pieces[0].isKey()));
    if (entryAndKey) {
        writeText(pieces.size() == 2 ? pieces[0].entry : QString());
        deliverKey(pieces.back().key);
        return;
    }
    writeText({});
    pasted.raise(text);
}

bool TypeInPad::pasteLarge(const QString &clip)
{
    // The box lays out text for hundreds of bytes a character; a number is
    // never this long.
    constexpr qsizetype Longest = 1 << 16;
    if (clip.size() <= Longest && !hasLineBreak(clip))
        return false;
    // Over an empty box, the clipboard's own text: no copy of it.
    QString text = text1_->text();
    const bool selected = text1_->selectionLength() > 0;
    if (text.isEmpty())
        text = clip;
    else
        text.replace(selected ? text1_->selectionStart() : text1_->cursorPosition(),
            selected ? text1_->selectionLength() : 0, clip);
    writeText({});
    guarded([&] { pasted.raise(text); });
    return true;
}

void TypeInPad::showEntry(const QString &text)
{
    writeText(text);
    setProblem({});
}

void TypeInPad::deliverKey(QChar key)
{
    // As if the key were typed at the end of the text and taken off again:
    // the text stays as it is.
    conKey_ = key;
    announce();
}

bool TypeInPad::announce()
{
    const std::optional<double> number = readEntry(text1_->text());
    if (!number) {
        unreadEntry_ = text1_->text();
        unreadRest_.clear();
        unread.raise();
        return false;
    }
    setProblem({});
    value_ = *number;
    change.raise();
    return true;
}

void TypeInPad::writeText(const QString &text)
{
    // The box reports our own write as an edit, nested inside setText; the
    // flag turns that report away, and drops again however setText returns.
    const QScopedValueRollback<bool> ownWrite(selfEdit_, true);
    text1_->setText(text);
    before_ = text;
}

bool TypeInPad::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == text1_ && event->type() == QEvent::InputMethod
        && !static_cast<const QInputMethodEvent *>(event)->commitString().isEmpty()) {
        const QScopedValueRollback<bool> typing(typing_, true);
        return static_cast<QObject *>(text1_)->event(event);
    }
    if (watched == text1_ && event->type() == QEvent::ContextMenu) {
        showContextMenu(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    }
    // A large text dropped, or pasted with the middle button, as with the keys.
    if (watched == text1_ && event->type() == QEvent::Drop
        && pasteLarge(static_cast<QDropEvent *>(event)->mimeData()->text())) {
        static_cast<QDropEvent *>(event)->acceptProposedAction();
        return true;
    }
    if (watched == text1_ && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::MiddleButton
        && QGuiApplication::clipboard()->supportsSelection()
        && pasteLarge(QGuiApplication::clipboard()->text(QClipboard::Selection)))
        return true;
    if (watched != text1_ || event->type() != QEvent::KeyPress)
        return UserControl::eventFilter(watched, event);
    const auto *press = static_cast<const QKeyEvent *>(event);
    const Qt::KeyboardModifiers modifiers = press->modifiers() & ~Qt::KeypadModifier;
    // A character is typed at once. Asking the platform's key bindings
    // whether it is a shortcut costs more than all the box does with it.
    if (!writesText(*press)) {
        // Undo and redo bring back text, and no key with it; a character
        // typed is a keystroke, which may be a key. The box handles the event
        // here, so that its edit is known for what it is.
        if (press->matches(QKeySequence::Undo) || press->matches(QKeySequence::Redo)) {
            const QScopedValueRollback<bool> undoing(undoing_, true);
            static_cast<QObject *>(text1_)->event(event);
            return true;
        }
        // With nothing selected, the copy key copies what Copy would, rather
        // than nothing at all.
        if (press->matches(QKeySequence::Copy) && !text1_->hasSelectedText()) {
            guarded([this] { copy(); });
            return true;
        }
        // Enter finishes an entry as "=" does, the key a person reaches for
        // first on any calculator. Escape is left to the host, which clears
        // everything.
        const bool enter = press->key() == Qt::Key_Return || press->key() == Qt::Key_Enter;
        if (enter && modifiers == Qt::NoModifier) {
            guarded([&] { deliverKey(u'='); });
            return true;
        }
        if (press->matches(QKeySequence::Paste) && pasteLarge(QGuiApplication::clipboard()->text()))
            return true;
        const bool printable = !press->text().isEmpty() && press->text().front().isPrint();
        if (!printable || press->matches(QKeySequence::Paste))
            return UserControl::eventFilter(watched, event);
    }
    const QScopedValueRollback<bool> typing(typing_, true);
    static_cast<QObject *>(text1_)->event(event);
    return true;
}

void TypeInPad::showContextMenu(const QPoint &at)
{
    // The box's own menu, but its undo and redo bring text back as edits
    // that press no key, as the keys for them do.
    const std::unique_ptr<QMenu> menu(text1_->createStandardContextMenu());
    for (QAction *action : menu->actions()) {
        if (action->objectName() == u"edit-paste") {
            action->disconnect(text1_);
            connect(action, &QAction::triggered, this, [this] {
                if (!pasteLarge(QGuiApplication::clipboard()->text()))
                    text1_->paste();
            });
        }
        const bool undo = action->objectName() == u"edit-undo";
        if (!undo && action->objectName() != u"edit-redo")
            continue;
        action->disconnect(text1_);
        connect(action, &QAction::triggered, this, [this, undo] {
            const QScopedValueRollback<bool> undoing(undoing_, true);
            undo ? text1_->undo() : text1_->redo();
        });
    }
    menu->exec(at);
}
