#include "app/tapefile.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <cmath>

namespace {

const QByteArray Header = QByteArrayLiteral("roman-calculator-tape\t1\n");
// Far more than a thousand entries of any length the tape writes.
constexpr qint64 LargestFile = 16 << 20;
// A window that holds the lock gives it up within milliseconds; one that
// crashed holding it leaves it stale.
constexpr int LockWait = 2000;
// A torn last line is shorter than any entry the tape writes.
constexpr qint64 LongestTail = 1 << 20;

QByteArray escaped(const QString &text)
{
    QByteArray out;
    for (const char c : text.toUtf8()) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::optional<QString> unescaped(const QByteArray &field)
{
    QByteArray out;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] != '\\') {
            out += field[i];
            continue;
        }
        if (++i == field.size())
            return std::nullopt;
        const qsizetype which = QByteArrayView("\\tnr").indexOf(field[i]);
        if (which < 0)
            return std::nullopt;
        out += "\\\t\n\r"[which];
    }
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(out);
    if (decoder.hasError() || text.isEmpty())
        return std::nullopt;
    return text;
}

// Every line of a whole file, or nothing when it is not a tape this version reads.
std::optional<std::deque<TapeEntry>> parsed(const QByteArray &data)
{
    QList<QByteArray> lines = data.split('\n');
    // What follows the last line feed: nothing, or a line torn by a crash.
    lines.removeLast();
    std::deque<TapeEntry> entries;
    if (lines.isEmpty())
        return entries;
    if (lines.takeFirst() + '\n' != Header)
        return std::nullopt;
    for (const QByteArray &line : std::as_const(lines)) {
        std::optional<TapeEntry> entry = readTapeLine(line);
        if (!entry)
            return std::nullopt;
        entries.push_back(std::move(*entry));
        if (entries.size() > TapeFile::Kept)
            entries.pop_front();
    }
    return entries;
}

} // namespace

QByteArray tapeLine(const TapeEntry &entry)
{
    const QByteArray result = entry.result ? QByteArray::number(*entry.result, 'g', 17) : "";
    return result + '\t' + escaped(entry.decimal) + '\t' + escaped(entry.roman);
}

std::optional<TapeEntry> readTapeLine(const QByteArray &line)
{
    const QList<QByteArray> fields = line.split('\t');
    if (fields.size() != 3)
        return std::nullopt;
    TapeEntry entry;
    if (!fields[0].isEmpty()) {
        bool ok = false;
        entry.result = fields[0].toDouble(&ok);
        if (!ok || !std::isfinite(*entry.result))
            return std::nullopt;
    }
    const std::optional<QString> decimal = unescaped(fields[1]);
    const std::optional<QString> roman = unescaped(fields[2]);
    if (!decimal || !roman)
        return std::nullopt;
    entry.decimal = *decimal;
    entry.roman = *roman;
    return entry;
}

TapeFile::TapeFile(const QString &folder)
    : folder_(folder)
{ }

QString TapeFile::path() const
{
    return inMemory() ? QString() : QDir(folder_).filePath(QStringLiteral("tape.txt"));
}

std::deque<TapeEntry> TapeFile::load()
{
    setAsideAs_.clear();
    QFile file(path());
    if (inMemory() || !file.exists())
        return {};
    QLockFile lock(path() + QStringLiteral(".lock"));
    // Reading needs no lock; setting aside does, but an unwritable folder
    // cannot set aside anyway.
    const bool locked = lock.tryLock(LockWait);
    if (file.size() > LargestFile) {
        if (locked)
            setAside();
        return {};
    }
    if (!file.open(QIODevice::ReadOnly))
        return {};
    std::optional<std::deque<TapeEntry>> entries = parsed(file.readAll());
    file.close();
    if (!entries) {
        if (locked)
            setAside();
        return {};
    }
    lines_ = entries->size();
    return std::move(*entries);
}

bool TapeFile::append(const TapeEntry &entry)
{
    setAsideAs_.clear();
    if (inMemory())
        return true;
    QLockFile lock(path() + QStringLiteral(".lock"));
    if (!QDir().mkpath(folder_) || !lock.tryLock(LockWait))
        return false;
    QFile file(path());
    if (!file.open(QIODevice::ReadWrite))
        return false;
    // Another program or version may have put a file here since: it is set
    // aside, not written into.
    const QByteArray head = file.read(Header.size());
    bool foreign = !head.isEmpty() && head != Header && !Header.startsWith(head);
    // A line torn by a crash goes, so that this one starts on a line of its own.
    const qint64 size = file.size();
    const bool whole = size == 0 || (file.seek(size - 1) && file.read(1) == "\n");
    const qint64 tailStart = whole ? size : std::max<qint64>(0, size - LongestTail);
    file.seek(tailStart);
    const QByteArray tail = file.read(size - tailStart);
    const qint64 torn = whole ? -1 : tailStart + tail.lastIndexOf('\n') + 1;
    foreign = foreign || (torn >= 0 && torn == tailStart && tailStart > 0);
    if (foreign) {
        file.close();
        setAside();
        lines_ = 0;
        if (setAsideAs_.isEmpty() || !file.open(QIODevice::ReadWrite))
            return false;
    } else if (torn >= 0) {
        file.resize(torn);
    }
    QByteArray written = tapeLine(entry) + '\n';
    if (file.size() == 0)
        written.prepend(Header);
    if (!file.seek(file.size()) || file.write(written) != written.size() || !file.flush())
        return false;
    file.close();
    // The file keeps more than the tape shows, and is cut back now and then.
    if (++lines_ > 2 * Kept) {
        file.open(QIODevice::ReadOnly);
        if (const std::optional<std::deque<TapeEntry>> all = parsed(file.readAll()))
            return rewrite(*all);
    }
    return true;
}

bool TapeFile::clear()
{
    setAsideAs_.clear();
    if (inMemory())
        return true;
    QLockFile lock(path() + QStringLiteral(".lock"));
    return QDir().mkpath(folder_) && lock.tryLock(LockWait) && rewrite({});
}

bool TapeFile::rewrite(const std::deque<TapeEntry> &entries)
{
    // All or nothing: until the commit the old file stays whole.
    QSaveFile file(path());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(Header);
    for (const TapeEntry &entry : entries)
        file.write(tapeLine(entry) + '\n');
    lines_ = entries.size();
    return file.commit();
}

void TapeFile::setAside()
{
    const QString base = QDir(folder_).filePath(QStringLiteral("tape-unreadable"));
    for (int n = 1; n < 1000; ++n) {
        const QString name
            = base + (n == 1 ? QString() : QStringLiteral("-%1").arg(n)) + QStringLiteral(".txt");
        // A rename never replaces a file that is there.
        if (QFile::rename(path(), name)) {
            setAsideAs_ = name;
            return;
        }
        if (!QFile::exists(name))
            return;
    }
}
