// Linked into a program beside its own main(): the program runs as it always
// does, and quits cleanly once its first window is exposed, that first frame
// painted, and all the work the frame set off done: whatever a program leaves
// for just after its first frame (the calculator reads its tape then) and the
// frame that shows it. This lets the start-up benchmark time the calculator's
// real main() from process start to a window that shows all it opens with,
// and exit.
//
// Done means idle: a timer of no interval, which fires once in each turn of
// the event loop, fires twice with no other event in between.
//
// With BENCH_RESIDENT_FILE set, the program instead stays up for
// BENCH_SETTLE_MS (default 500) after that, as a person's window would once
// its first paint and the start-up's passing allocations are over, and
// writes its resident memory in KiB to that file before it quits.

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWindow>

#include <unistd.h>

#include <utility>

namespace {

qint64 residentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * sysconf(_SC_PAGESIZE) / 1024 : -1;
}

void quitAndReport()
{
    const QByteArray file = qgetenv("BENCH_RESIDENT_FILE");
    if (!file.isEmpty()) {
        QFile out(QString::fromLocal8Bit(file));
        if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            out.write(QByteArray::number(residentKiB()) + '\n');
    }
    QCoreApplication::quit();
}

class QuitOnFirstExpose : public QObject
{
public:
    explicit QuitOnFirstExpose(QObject *parent)
        : QObject(parent)
    {
        idle_.setInterval(0);
        connect(&idle_, &QTimer::timeout, this, [this] { turn(); });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The filter sees the expose before the window paints for it.
        if (!exposed_ && event->type() == QEvent::Expose) {
            const auto *window = qobject_cast<QWindow *>(watched);
            if (window && window->isExposed()) {
                exposed_ = true;
                idle_.start();
            }
        } else if (watched != &idle_) {
            busy_ = true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void turn()
    {
        // A program that never rests is let go after many turns.
        if (std::exchange(busy_, false) && ++turns_ < 10000)
            return;
        idle_.stop();
        int settle = 0;
        if (qEnvironmentVariableIsSet("BENCH_RESIDENT_FILE")) {
            bool ok = false;
            settle = qEnvironmentVariableIntValue("BENCH_SETTLE_MS", &ok);
            if (!ok)
                settle = 500;
        }
        QTimer::singleShot(settle, QCoreApplication::instance(), &quitAndReport);
    }

    QTimer idle_;
    bool exposed_ = false;
    bool busy_ = true;
    int turns_ = 0;
};

void installQuitOnFirstExpose()
{
    QCoreApplication *app = QCoreApplication::instance();
    app->installEventFilter(new QuitOnFirstExpose(app));
}

} // namespace

// Runs inside the QApplication constructor, before main() goes on.
Q_COREAPP_STARTUP_FUNCTION(installQuitOnFirstExpose)
