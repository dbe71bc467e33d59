#pragma once

#include "core/event.h"
#include "core/romannumeral.h"

#include <QObject>

class QAction;
class QWidget;

// The person's choice of how numerals are written, large numbers with bars and
// fractions in twelfths, and of reading them strictly. Three checkable actions
// for the window's menu, each
// remembered in the settings; a choice made for one run on the command line
// shows checked but is not saved.
class NumeralChoices : public QObject
{
public:
    explicit NumeralChoices(QWidget *window);

    QAction *largeNumbers() const { return largeNumbers_; }
    QAction *fractions() const { return fractions_; }
    QAction *strict() const { return strict_; }

    // Adds forms for this run only.
    void addForThisRun(RomanForms forms);

    // The forms changed; every numeral on show is to be written again.
    Event changed;

private:
    QAction *makeChoice(const char *name, const char *text, const char *tip, const QString &key);
    void apply();

    QAction *largeNumbers_;
    QAction *fractions_;
    QAction *strict_;
};
