#pragma once

#include "core/event.h"
#include "widgets/usercontrol.h"

#include <QString>

#include <functional>
#include <optional>

class QAction;
class QFrame;
class QLineEdit;
class QPoint;
class QPushButton;

// The text entry of the calculator. A person types a decimal number, a Roman
// numeral or a hexadecimal number after "0X", and may end it with an
// operation key; after every edit the pad takes the key off the text into
// conKey(), reads the rest into value() and raises change. When the text is
// no numeral at all the pad says nothing to the keypad and raises unread
// instead, so that the host can tell the person why.
//
// The text is read by the calculator's one reader: a "-" typed where a
// number's sign may stand stays in the box as its sign, and an exponent's
// sign stays with its mantissa. An edit that only deletes (Backspace,
// Delete, cut, undo) presses no key. A paste of one entry, perhaps with its
// key, reads as typed; anything more is handed to the host as a calculation
// to feed (pasted), from an empty box.
class TypeInPad : public UserControl
{
public:
    explicit TypeInPad(QWidget *parent = nullptr);

    double value() const { return value_; }
    // Shows the value in the text box, zero as an empty box. Raises no event
    // and leaves conKey() alone.
    void setValue(double value);

    // The operation key that ended the last processed edit, or "".
    QString conKey() const { return conKey_; }
    // The key comes only from what a person types, so a write is ignored.
    void setConKey(const QString &) { }

    // After unread: the entry that does not read, and what was typed after
    // it, which stays in the box unused.
    QString unreadEntry() const { return unreadEntry_; }
    QString unreadRest() const { return unreadRest_; }

    // True only while the pad writes its own text box.
    bool selfEdit() const { return selfEdit_; }

    QString text() const;
    // Puts the text in the box in place of what it holds, as pasting it would.
    void enterText(const QString &text);

    // Why the text in the box cannot be read, shown as a mark on the box and
    // told to a screen reader; "" takes it away. It also goes by itself as
    // soon as the text reads again.
    QString problem() const { return problem_; }
    void setProblem(const QString &sentence);

    // Whether a "-" typed into the empty box is a number's sign; the host
    // knows what came before.
    std::function<bool()> signMayStand;

    // Shows an entry in the box without reading it: the host has entered it.
    void showEntry(const QString &text);

    // What Copy takes when the box is empty: the result on show, as text that
    // reads back as it; none when a calculation failed.
    void setResult(std::optional<double> value) { result_ = value; }
    QString copiedText() const { return copiedText_; }

    QList<QWidget *> tabOrder() const override;

    Event change;
    // The edit left a text that is no numeral; conKey() holds any key that
    // was taken off it and not used.
    Event unread;
    // An edit that deleted, leaving a text that is not one entry: nothing is
    // in the box to calculate with, and nothing was pressed.
    Event edited;
    // A paste or drop of more than one entry and its key, for the host to
    // feed into the calculation; the box is empty.
    BasicEvent<const QString &> pasted;
    // Copy put copiedText() on the clipboard.
    Event copied;

protected:
    void layoutChildren() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void processEdit();
    // A text far too long for the box, or of several lines, goes to the host
    // as pasted over the selection, without the box laying it out first;
    // false for one the box takes.
    bool pasteLarge(const QString &clip);
    void deliverKey(QChar key);
    void showContextMenu(const QPoint &at);
    bool announce();
    void writeText(const QString &text);
    void copy();

    QFrame *frame1_;
    QLineEdit *text1_;
    QPushButton *command1_;
    QAction *problemMark_ = nullptr;
    QString conKey_;
    bool selfEdit_ = false;
    double value_ = 0;
    QString problem_;
    QString unreadEntry_;
    QString unreadRest_;
    std::optional<double> result_;
    QString copiedText_;
    // The text before the edit being processed, to tell typing, pasting and
    // deleting apart.
    QString before_;
    // Set while a key press or an input method types into the box, and while
    // undo or redo rewrites it.
    bool typing_ = false;
    bool undoing_ = false;
};
