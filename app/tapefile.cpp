#include "app/tapefile.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSaveFile>

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

std::optional<QString> unescaped(QByteArrayView field)
{
    QByteArray out;
    if (field.contains('\\')) {
        out.reserve(field.size());
        for (qsizetype i = 0; i < field.size(); ++i) {
            if (field[i] != '\\') {
                out += field[i];
                continue;
            }
            const qsizetype which
                = ++i < field.size() ? QByteArrayView("\\tnr").indexOf(field[i]) : -1;
            if (which < 0)
                return std::nullopt;
            out += "\\\t\n\r"[which];
        }
        field = out;
    }
    if (field.isEmpty() || !field.isValidUtf8())
        return std::nullopt;
    return QString::fromUtf8(field);
}

// Every line of a whole file, or nothing when it is not a tape this version reads.
std::optional<std::deque<TapeEntry>> parsed(const QByteArray &data)
{
    std::deque<TapeEntry> entries;
    // What follows the last line feed is nothing, or a line torn by a crash.
    qsizetype start = data.indexOf('\n') + 1;
    if (start == 0)
        return entries;
    if (!data.startsWith(Header))
        return std::nullopt;
    for (qsizetype end; (end = data.indexOf('\n', start)) >= 0; start = end + 1) {
        std::optional<TapeEntry> entry
            = readTapeLine(QByteArrayView(data).sliced(start, end - start));
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

std::optional<TapeEntry> readTapeLine(QByteArrayView line)
{
    const qsizetype first = line.indexOf('\t');
    const qsizetype second = first < 0 ? -1 : line.indexOf('\t', first + 1);
    if (second < 0 || line.indexOf('\t', second + 1) >= 0)
        return std::nullopt;
    TapeEntry entry;
    if (first > 0) {
        bool ok = false;
        entry.result = line.first(first).toDouble(&ok);
        if (!ok || !std::isfinite(*entry.result))
            return std::nullopt;
    }
    std::optional<QString> decimal = unescaped(line.sliced(first + 1, second - first - 1));
    std::optional<QString> roman = unescaped(line.sliced(second + 1));
    if (!decimal || !roman)
        return std::nullopt;
    entry.decimal = std::move(*decimal);
    entry.roman = std::move(*roman);
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
    const QByteArray data = file.readAll();
    file.close();
    std::optional<std::deque<TapeEntry>> entries = parsed(data);
    if (!entries) {
        if (locked)
            setAside();
        return {};
    }
    // Entries, not counting the format's line.
    lines_ = std::size_t(std::max<qsizetype>(0, data.count('\n') - 1));
    return std::move(*entries);
}

bool TapeFile::append(const std::vector<TapeEntry> &entries)
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
    QByteArray written = file.size() == 0 ? Header : QByteArray();
    for (const TapeEntry &entry : entries)
        written += tapeLine(entry) + '\n';
    if (!file.seek(file.size()) || file.write(written) != written.size() || !file.flush())
        return false;
    file.close();
    // The file keeps more than the tape shows, and is cut back now and then.
    lines_ += entries.size();
    if (lines_ > 2 * Kept) {
        // Only ever cut back to what was read whole.
        const std::optional<std::deque<TapeEntry>> all
            = file.open(QIODevice::ReadOnly) ? parsed(file.readAll()) : std::nullopt;
        if (all && !all->empty())
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
