#include "app/settings.h"

#include "app/plainfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QPointer>
#include <QSaveFile>
#include <QSize>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QStringTokenizer>
#include <QTimer>

#include <map>
#include <optional>
#include <utility>

#include <fcntl.h>

namespace {

// This program's file is a few lines long: one far longer is not its own.
constexpr qint64 LongestFile = 64 << 10;
// How often choices that could not be written are tried again.
constexpr int RetryDelay = 5000;

// Each value as the text QSettings writes, under its key ("Tape/width").
using Values = std::map<QString, QString>;

struct Settings
{
    bool read = false;
    Values values;
    // Kept since the file was last written.
    Values waiting;
    bool told = false;
    std::function<void(const QString &)> teller;
    QPointer<QTimer> retry;
};

Settings &settings()
{
    static Settings settings;
    return settings;
}

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

// The keys and values of a text as QSettings writes it, or nothing when it is
// not one: bytes that are no UTF-8, control characters, a line that is
// neither a [group] nor a key=value.
std::optional<Values> parsed(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;
    Values values;
    QString group;
    for (QStringView line : qTokenize(text, u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        for (const QChar c : line)
            if (c.unicode() < 0x20 && c != u'\t')
                return std::nullopt;
        if (line.startsWith(u'[')) {
            if (!line.endsWith(u']'))
                return std::nullopt;
            group = line.sliced(1, line.size() - 2).trimmed().toString();
            // QSettings' name for the keys of no group.
            if (group == u"General")
                group.clear();
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0)
            return std::nullopt;
        const QString key = line.first(equals).trimmed().toString();
        values[group.isEmpty() ? key : group + u'/' + key]
            = line.sliced(equals + 1).trimmed().toString();
    }
    return values;
}

// What the file holds; nothing when it is there but cannot be read now, and
// must not be written over. One that is not a settings text is set aside.
std::optional<Values> readFile()
{
    const QString path = settingsPath();
    const FileKind kind = fileKind(path);
    if (kind == FileKind::Absent)
        return Values();
    QFile file;
    if (kind == FileKind::Plain && !openPlain(file, path, O_RDONLY))
        return std::nullopt;
    std::optional<Values> values;
    if (file.isOpen()) {
        const QByteArray bytes = file.read(LongestFile + 1);
        if (bytes.size() <= LongestFile)
            values = parsed(bytes);
        file.close();
    }
    if (!values && !setAside(path))
        return std::nullopt;
    return values.value_or(Values());
}

QString textOf(const QVariant &value)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    if (value.typeId() == QMetaType::QSize)
        return QStringLiteral("@Size(%1 %2)")
            .arg(value.toSize().width())
            .arg(value.toSize().height());
    const QString text = value.toString();
    return text.startsWith(u'@') ? u'@' + text : text;
}

QVariant valueOf(const QString &text)
{
    if (text.startsWith(u"@@"))
        return text.sliced(1);
    if (text.startsWith(u"@Size(") && text.endsWith(u')')) {
        const QList<QStringView> numbers
            = QStringView(text).sliced(6).chopped(1).split(u' ', Qt::SkipEmptyParts);
        if (numbers.size() == 2)
            return QSize(numbers[0].toInt(), numbers[1].toInt());
    }
    // A type this program does not keep.
    if (text.startsWith(u'@'))
        return {};
    return text;
}

// By group as QSettings writes them, the keys of no group first.
QByteArray fileText(const Values &values)
{
    std::map<QString, QString> groups;
    for (const auto &[key, text] : values) {
        const qsizetype slash = key.lastIndexOf(u'/');
        const QString group = slash < 0 ? QString() : key.first(slash);
        QString &lines = groups[group];
        lines += key.sliced(slash + 1) + u'=' + text + u'\n';
    }
    QString all;
    for (const auto &[group, lines] : groups)
        all += (all.isEmpty() ? QString() : QStringLiteral("\n")) + u'['
            + (group.isEmpty() ? QStringLiteral("General") : group) + QStringLiteral("]\n") + lines;
    return all.toUtf8();
}

Settings &loaded()
{
    Settings &settings = ::settings();
    if (!std::exchange(settings.read, true))
        settings.values = readFile().value_or(Values());
    return settings;
}

bool write(int lockWait)
{
    Settings &settings = ::settings();
    if (settings.waiting.empty())
        return true;
    const QString path = settingsPath();
    const QString lockPath = path + QStringLiteral(".lock");
    // A lock that is not a file never comes free, and reading a pipe's would
    // never end; any other lock is tried, never waited for but at the end.
    QLockFile lock(lockPath);
    if (!QDir().mkpath(QFileInfo(path).path()) || fileKind(lockPath) == FileKind::Other
        || !lock.tryLock(lockWait))
        return false;
    // Another window's choices since stay, unless this one changed them.
    std::optional<Values> all = readFile();
    if (!all)
        return false;
    for (const auto &[key, text] : settings.waiting)
        (*all)[key] = text;
    QSaveFile file(path);
    // A failed write fails the commit, which leaves the file as it was.
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(fileText(*all));
    if (!file.commit())
        return false;
    settings.waiting.clear();
    return true;
}

void tryLater()
{
    Settings &settings = ::settings();
    if (!settings.retry && QCoreApplication::instance()) {
        settings.retry = new QTimer(QCoreApplication::instance());
        settings.retry->setInterval(RetryDelay);
        QObject::connect(settings.retry, &QTimer::timeout, settings.retry, [] {
            if (write(0))
                ::settings().retry->stop();
        });
    }
    if (settings.retry && !settings.retry->isActive())
        settings.retry->start();
    if (settings.teller && !std::exchange(settings.told, true))
        settings.teller(QCoreApplication::translate(
            "Settings", "Your settings cannot be saved in %1 now; they are kept until they can be")
                            .arg(QDir::toNativeSeparators(settingsPath())));
}

} // namespace

QVariant setting(const QString &key, const QVariant &fallback)
{
    const Values &values = loaded().values;
    const auto kept = values.find(key);
    const QVariant value = kept == values.end() ? QVariant() : valueOf(kept->second);
    return value.isValid() ? value : fallback;
}

void keepSetting(const QString &key, const QVariant &value)
{
    Settings &settings = loaded();
    const QString text = textOf(value);
    // A value kept already is not written again: the window's size is kept
    // at every close.
    if (const auto kept = settings.values.find(key);
        kept != settings.values.end() && kept->second == text)
        return;
    settings.values[key] = text;
    settings.waiting[key] = text;
    if (!write(0))
        tryLater();
}

bool saveSettings(int lockWait)
{
    if (!write(lockWait))
        return false;
    if (settings().retry)
        settings().retry->stop();
    return true;
}

void tellSettingsNews(std::function<void(const QString &)> teller)
{
    settings().teller = std::move(teller);
}

void forgetSettings()
{
    Settings &settings = ::settings();
    if (settings.retry)
        settings.retry->stop();
    settings.read = settings.told = false;
    settings.values.clear();
    settings.waiting.clear();
}
