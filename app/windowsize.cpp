#include "app/windowsize.h"

#include "core/errors.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QFile>
#include <QScreen>
#include <QSettings>
#include <QWidget>

#include <algorithm>
#include <memory>

namespace {

const QString SizeKey = QStringLiteral("Window/size");

std::unique_ptr<QSettings> settings()
{
    // QSettings writes through a temporary file and a lock, so a crash or a
    // second window never leaves half a file.
    return std::make_unique<QSettings>(
        QStringLiteral("roman-calculator"), QStringLiteral("roman-calculator"));
}

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
        const auto file = settings();
        if (file->status() == QSettings::NoError)
            file->setValue(SizeKey, window_->size());
    }

    QWidget *window_;
};

} // namespace

void rememberWindowSize(QWidget *window)
{
    {
        const auto file = settings();
        if (file->status() == QSettings::FormatError) {
            // Kept for whoever wants to see what went wrong; the next save
            // starts a new file.
            QFile::rename(file->fileName(),
                file->fileName() + QLatin1Char('.')
                    + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddHHmmss"))
                    + QStringLiteral(".unreadable"));
        } else if (const QSize size = file->value(SizeKey).toSize(); size.isValid()) {
            window->resize(restored(*window, size));
        }
    }
    new SizeKeeper(window);
}
