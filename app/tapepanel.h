#pragma once

#include "app/tapefile.h"
#include "core/event.h"
#include "core/tape.h"

#include <QListView>

#include <deque>
#include <functional>
#include <vector>

class QAction;
class QTimer;
class TapeModel;

// The paper tape beside the calculator: every calculation that ended, the
// newest at the bottom, each in both numeral forms. Entries copy as plain
// text, and Enter or a double click takes an entry's result back into the
// calculation. The tape is saved after every entry, unless it is kept in
// memory only.
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

    // A sentence for the status line: what was copied, or what became of the file.
    BasicEvent<const QString &> said;
    // A result as a person would type it, to enter into the calculation.
    BasicEvent<const QString &> reused;

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
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
    void clearTape();
    void saved(bool done, bool afterEntry = true);
    void tell(const QString &news);

    TapeModel *model_;
    QAction *copyRoman_;
    QAction *copyDecimal_;
    QAction *copyEntry_;
    QAction *copyAll_;
    QAction *clear_;
    QAction *showAction_;
    TapeFile file_;
    std::vector<TapeEntry> unsaved_;
    QTimer *retry_;
    bool loaded_ = false;
    bool deferNews_ = false;
    bool loadPosted_ = false;
};
