#include "app/settings.h"

#include "app/plainfile.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <memory>

namespace {

QString settingsPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("roman-calculator/roman-calculator.conf"));
}

bool setAside(const QString &path)
{
    const QString base
        = QFileInfo(path).dir().filePath(QStringLiteral("roman-calculator-unreadable"));
    return !moveAside(path, base, QStringLiteral(".conf")).isEmpty();
}

// The settings, or none where something that is not a file stays in their
// place: QSettings would wait for a pipe forever.
std::unique_ptr<QSettings> opened()
{
    const QString path = settingsPath();
    if (fileKind(path) == FileKind::Other && !setAside(path))
        return nullptr;
    auto settings = std::make_unique<QSettings>(path, QSettings::NativeFormat);
    if (settings->status() != QSettings::FormatError)
        return settings;
    // Unchanged, it is not written when it goes.
    settings.reset();
    if (!setAside(path))
        return nullptr;
    return std::make_unique<QSettings>(path, QSettings::NativeFormat);
}

} // namespace

QVariant setting(const QString &key, const QVariant &fallback)
{
    const std::unique_ptr<QSettings> settings = opened();
    return settings ? settings->value(key, fallback) : fallback;
}

void keepSetting(const QString &key, const QVariant &value)
{
    // QSettings waits for its lock without end, and one that is not a file
    // never comes free.
    const std::unique_ptr<QSettings> settings = opened();
    // A value kept already is not written again: each write locks the file,
    // waits for the disk twice and renames, milliseconds at every exit,
    // where the window's size is kept twice (on closing and on quitting).
    if (!settings || (settings->contains(key) && settings->value(key) == value))
        return;
    if (fileKind(settings->fileName() + QStringLiteral(".lock")) != FileKind::Other)
        settings->setValue(key, value);
}
