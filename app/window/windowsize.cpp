#include "app/window/windowsize.h"

#include "app/settingkeys.h"
#include "app/settings.h"
#include "core/errors.h"

#include <QCoreApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

QSize restored(const QWidget &window, QSize size)
{
    // A file from a larger screen, or from before the desktop's font grew.
    if (const QScreen *screen = window.screen())
        size = size.boundedTo(screen->availableGeometry().size());
    return size.expandedTo(window.minimumSize());
}

class SizeKeeper : public QObject
{
public:
    explicit SizeKeeper(QWidget *window)
        : QObject(window)
        , window_(window)
    {
        window->installEventFilter(this);
        // Quitting may end the program without closing the window first.
        connect(
            qApp, &QCoreApplication::aboutToQuit, this, [this] { guarded([this] { save(); }); });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == window_ && event->type() == QEvent::Close)
            guarded([this] { save(); });
        return false;
    }

private:
    void save()
    {
        // A maximised or full-screen window says nothing about the size the
        // person chose.
        if (window_->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
            return;
        keepSetting(WindowSizeKey, window_->size());
    }

    QWidget *window_;
};

} // namespace

void rememberWindowSize(QWidget *window)
{
    if (const QSize size = setting(WindowSizeKey).toSize(); size.isValid())
        window->resize(restored(*window, size));
    new SizeKeeper(window);
}
