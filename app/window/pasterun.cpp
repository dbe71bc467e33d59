#include "app/window/pasterun.h"

#include "core/errors.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

namespace {

// A slice takes this long at most, give or take a piece, so that the window
// answers several times within a tenth of a second.
constexpr qint64 SliceTime = 40;
// The pieces fed between looks at the clock.
constexpr int PiecesAtATime = 64;

} // namespace

PasteRun::PasteRun(Calculation &calculation, QWidget *window, QString text,
    std::function<void()> before, std::function<void()> step)
    : window_(window)
    , feeder_(calculation)
    , slices_(std::make_unique<Feeder::Slices>(feeder_, std::move(text)))
    , before_(std::move(before))
    , step_(std::move(step))
    , next_(new QTimer(this))
{
    next_->setSingleShot(true);
    connect(next_, &QTimer::timeout, this, [this] {
        feedSlice();
        step_();
    });
    clock_.start();
    feedSlice();
    if (!done_) {
        QCoreApplication::instance()->installEventFilter(this);
        next_->start(0);
    }
}

PasteRun::~PasteRun() = default;

int PasteRun::percent() const
{
    return slices_->size() == 0 ? 100 : int(slices_->fed() * 100 / slices_->size());
}

void PasteRun::feedSlice()
{
    if (done_)
        return;
    before_();
    // Until the slice is fed whole, a run-time error ends the paste.
    done_ = failed_ = true;
    guarded([this] {
        QElapsedTimer slice;
        slice.start();
        bool finished = stopped_;
        while (!finished && slice.elapsed() < SliceTime)
            finished = slices_->feedSome(PiecesAtATime);
        done_ = finished;
        failed_ = false;
    });
    if (!done_)
        next_->start(0);
}

bool PasteRun::eventFilter(QObject *watched, QEvent *event)
{
    auto *widget = qobject_cast<QWidget *>(watched);
    if (done_ || !widget || widget->window() != window_)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
            stopped_ = true;
            next_->start(0);
        }
        return true;
    case QEvent::KeyRelease:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}
