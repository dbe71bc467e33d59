#pragma once

#include <QDialog>

class QTextBrowser;

// A small window, opened by F1 from anywhere in the calculator's window,
// that tells a new user what the README tells: the keys, the three forms of
// a number, the few things that surprise, and what the program is. Escape
// closes it, as any dialog.
class HelpWindow : public QDialog
{
public:
    // Names the access keys of the buttons that calculator has, in its
    // language.
    explicit HelpWindow(QWidget *calculator);

    // What the help says, as plain text.
    QString text() const;

private:
    QTextBrowser *text_;
};

// Opens the help on F1 anywhere in the window, raising it when it is open
// already, and adds the key to the tooltips of the window's buttons.
void offerHelp(QWidget *window);
