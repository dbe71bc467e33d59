#pragma once

#include "app/tape/tapefile.h"
#include "core/event.h"
#include "core/tape.h"

#include <QListView>

#include <deque>
#include <functional>
#include <vector>

class QAction;
class QTimer;
class TapeDelegate;
class TapeModel;

// The paper tape beside the calculator: every calculation that ended, the
// newest at the bottom, each in both numeral forms. Entries copy as plain
// text, and Enter or a double click takes an entry's result back into the
// calculation. The tape is saved after every entry, unless it is kept in
// memory only.
//
// The tape is a place to look, not to type: what a person types while it has
// the keyboard is meant for the calculation, and goes there (typed); it keeps
// only the keys that move through it, copy and take an entry back.
class TapePanel : public QListView
{
public:
    // An empty folder keeps the tape in memory only.
    explicit TapePanel(const QString &folder, QWidget *parent = nullptr);
    ~TapePanel() override;

    void add(const TapeEntry &entry);
    // The entries, the saved ones read first if they are not yet.
    const std::deque<TapeEntry> &entries();
    void setPointSize(qreal points);
    // A checkable action that shows and hides the panel, for the window to
    // carry out.
    QAction *showAction() const { return showAction_; }
    // Actions the whole window offers: undoing the last delete or clear,
    // printing the tape.
    QAction *undoAction() const { return undo_; }
    QAction *printAction() const { return print_; }

    // A sentence for the status line: what was copied, or what became of the file.
    BasicEvent<const QString &> said;
    // A result as a person would type it, to enter into the calculation.
    BasicEvent<const QString &> reused;
    // A key meant for the type-in box, pressed while the tape had the
    // keyboard: the host takes the keyboard there and delivers the key.
    BasicEvent<QKeyEvent *> typed;

    // Writes every entry to the file: CSV, or plain text for a name ending
    // in .txt. What became of it is said; false when it failed.
    bool exportTo(const QString &path);

    // The entry's lines as they are drawn now, shortened to fit the column.
    QStringList shownLines(int row) const;

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    // Letters are numerals here: typed into the tape they never jump the list.
    void keyboardSearch(const QString &) override { }
    void focusInEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QAction *addMenuAction(const char *name, const char *text, void (TapePanel::*run)());
    // The saved tape is read once, after the window's first frame or when
    // it is first needed; what went wrong is said.
    void load();
    const TapeEntry *current() const;
    void keepingTheEnd(const std::function<void()> &change);
    void copy(const QString &text);
    void copy(const std::vector<const TapeEntry *> &entries);
    void copyRoman();
    void copyDecimal();
    void copySelected();
    void copyAll();
    std::vector<const TapeEntry *> everyEntry() const;
    void clearTape();
    void deleteSelected();
    void undo();
    void printTape();
    void exportTape();
    // The file holds what the list holds, after a delete, a clear or an undo.
    void rewriteFile(std::deque<TapeEntry> shownBefore);
    void saved(bool done, bool afterEntry = true);
    void tell(const QString &news);

    TapeModel *model_;
    TapeDelegate *delegate_;
    QAction *copyRoman_;
    QAction *copyDecimal_;
    QAction *copyEntry_;
    QAction *copyAll_;
    QAction *clear_;
    QAction *delete_;
    QAction *undo_;
    QAction *print_;
    QAction *export_;
    QAction *showAction_;
    TapeFile file_;
    std::vector<TapeEntry> unsaved_;
    QTimer *retry_;
    bool loaded_ = false;
    bool deferNews_ = false;
    bool scrollDue_ = false;
    bool loadPosted_ = false;
};
