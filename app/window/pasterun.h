#pragma once

#include "core/feeder.h"

#include <QElapsedTimer>
#include <QObject>

#include <functional>
#include <memory>

class Calculation;
class QTimer;
class QWidget;

// A paste entered from the event loop a slice at a time, so that a text of
// any size keeps the window answering: between slices it repaints, and
// Escape stops the paste where it is, keeping what was entered. Other input
// to the window waits out the paste: keys and clicks would go in between its
// pieces. A small paste is entered whole before the constructor returns.
class PasteRun : public QObject
{
public:
    // before runs before each slice; step after each slice, and once more
    // when the paste is done or stopped, but not from the constructor.
    PasteRun(Calculation &calculation, QWidget *window, QString text, std::function<void()> before,
        std::function<void()> step);
    ~PasteRun() override;

    bool done() const { return done_; }
    bool stopped() const { return stopped_; }
    // A step failed, and was reported: the paste ended there.
    bool failed() const { return failed_; }
    const Feeder::Result &result() const { return slices_->result(); }
    // How far it has come, in per cent of the text.
    int percent() const;
    // How long it has taken so far.
    qint64 elapsed() const { return clock_.elapsed(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Feeds pieces for one slice's time; a run-time error ends the paste,
    // after it is reported.
    void feedSlice();

    QWidget *window_;
    Feeder feeder_;
    std::unique_ptr<Feeder::Slices> slices_;
    std::function<void()> before_;
    std::function<void()> step_;
    QTimer *next_;
    QElapsedTimer clock_;
    bool done_ = false;
    bool stopped_ = false;
    bool failed_ = false;
};
