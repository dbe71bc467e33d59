#pragma once

#include <QString>

#include <optional>

class Calculation;
class QLabel;
class QWidget;

// The line under the design that says what the calculator did with the
// person's input, most important first: an error, an entry that cannot be
// read, what this step did, then the calculation in progress. A screen
// reader hears each new text once, an error at once.
class StatusLine
{
public:
    explicit StatusLine(QWidget *window);

    QLabel *label() const { return label_; }

    // A run-time error, said until the next input, or for as long as the
    // result it spoiled is on show.
    void setError(const QString &text);
    void clearError() { error_.clear(); }

    // What there is to say besides the calculation's own state: why the
    // entry does not read, news of this step, and the Roman readout's value,
    // of which it says when the numeral shows it rounded.
    void say(const Calculation &calculation, const QString &problem, const QString &message,
        double roman);

    // While held, only the last text said is shown, when it is let go.
    void hold(bool held);

private:
    void show(const QString &text);

    QLabel *label_;
    bool held_ = false;
    std::optional<QString> heldText_;
    QString error_;
    bool errorFresh_ = false;
};
