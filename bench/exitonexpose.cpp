// Linked into a program beside its own main(): the program runs as it always
// does, and quits cleanly once its first window is exposed and that first
// frame painted. This lets the start-up benchmark time the calculator's real
// main() from process start to first frame and exit.

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>

namespace {

class QuitOnFirstExpose : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The filter sees the expose before the window paints for it; the
        // zero timer fires after that painting, in the event loop.
        if (!quitting_ && event->type() == QEvent::Expose) {
            const auto *window = qobject_cast<QWindow *>(watched);
            if (window && window->isExposed()) {
                quitting_ = true;
                QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool quitting_ = false;
};

void installQuitOnFirstExpose()
{
    QCoreApplication *app = QCoreApplication::instance();
    app->installEventFilter(new QuitOnFirstExpose(app));
}

} // namespace

// Runs inside the QApplication constructor, before main() goes on.
Q_COREAPP_STARTUP_FUNCTION(installQuitOnFirstExpose)
