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
    if (settings && fileKind(settings->fileName() + QStringLiteral(".lock")) != FileKind::Other)
        settings->setValue(key, value);
}
