#pragma once

#include <QFont>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <vector>

class QLineEdit;
class QListView;
class QStringListModel;

// The floor for a keystroke: a window of plain Qt widgets in place of the
// calculator's, each of the Qt class it is made from (line edit, label,
// button, frame, list) with the same place, font and text, and nothing
// behind them. It shows what the calculator showed after the same key, so
// that the two windows lay out and paint the same texts, and what the
// calculator costs above it is its own work.
class PlainWindow
{
public:
    // What a window shows: the texts and fonts of its widgets, in the order
    // they were copied, and the tape's entries.
    struct Shown
    {
        std::vector<QString> texts;
        std::vector<QFont> fonts;
        QStringList tape;
    };

    explicit PlainWindow(QWidget &calculator);

    // What the calculator shows now.
    Shown calculatorShows() const;
    // Puts that on the plain widgets, as the calculator's would be.
    void show(const Shown &shown);

    QWidget window;
    QLineEdit *typeIn = nullptr;

private:
    void copy(QWidget &from, QWidget &to);

    std::vector<std::pair<QWidget *, QWidget *>> shown_; // calculator's, plain
    QListView *calculatorTape_ = nullptr;
    QListView *tape_ = nullptr;
    QStringListModel *entries_ = nullptr;
};
