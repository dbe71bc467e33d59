#include "app/tape/tapefile.h"

#include "app/plainfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <fcntl.h>
#include <unistd.h>

namespace {

const QByteArray Header = QByteArrayLiteral("roman-calculator-tape\t1\n");
// The most of a file read at the start; of a longer one its newest lines.
constexpr qint64 ReadLimit = 16 << 20;
// The file never grows past CutBackAt: entries that would take it further
// go in through a cut-back, which keeps at most KeptBytes of the newest, so
// that two windows writing in turn never make a file too long to read.
constexpr qint64 CutBackAt = 4 << 20;
constexpr qint64 KeptBytes = 2 << 20;
// A text in UTF-8 and escaped takes at most three bytes a unit, so that a
// line is shorter than LongestLine, and a cut-back keeps several.
constexpr qsizetype LongestText = 64 << 10;
constexpr qint64 LongestLine = 1 << 20;
static_assert(2 * 3 * (LongestText + 3) + 32 < LongestLine && LongestLine < KeptBytes
    && KeptBytes < CutBackAt && CutBackAt < ReadLimit);
// At the end a busy lock is waited for a moment: the window is going away.
constexpr int LockWaitAtEnd = 2000;

// A text too long for a line of the file keeps its beginning and its end, as
// the tape does with a long calculation.
QString shortened(const QString &text)
{
    if (text.size() <= LongestText)
        return text;
    qsizetype head = LongestText / 2, tail = LongestText / 2;
    if (text[head - 1].isHighSurrogate())
        --head;
    if (text[text.size() - tail].isLowSurrogate())
        --tail;
    return text.first(head) + QStringLiteral(" \u2026 ") + text.last(tail);
}

QByteArray fileLine(TapeEntry entry)
{
    entry.decimal = shortened(entry.decimal);
    entry.roman = shortened(entry.roman);
    return tapeLine(entry) + '\n';
}

// How many of the newest entries a cut-back keeps.
std::size_t newestFitting(const std::deque<TapeEntry> &entries)
{
    std::size_t count = 0;
    for (qint64 bytes = Header.size(); count < std::min(entries.size(), TapeFile::Kept); ++count)
        if ((bytes += fileLine(entries[entries.size() - count - 1]).size()) > KeptBytes)
            break;
    return count;
}

// The newest entries, as many as a cut-back keeps.
std::deque<TapeEntry> newestOnly(std::deque<TapeEntry> entries)
{
    entries.erase(entries.begin(), entries.end() - newestFitting(entries));
    return entries;
}

// Whole lines, or nothing when one of them does not read.
std::optional<TapeFile::Read> parsed(QByteArrayView data)
{
    TapeFile::Read read;
    for (qsizetype start = 0, end; (end = data.indexOf('\n', start)) >= 0; start = end + 1) {
        std::optional<TapeEntry> entry = readTapeLine(data.sliced(start, end - start));
        if (!entry)
            return std::nullopt;
        read.entries.push_back(std::move(*entry));
        if (read.entries.size() > TapeFile::Kept)
            read.entries.pop_front();
        ++read.lines;
    }
    return read;
}

// The newest entries of the file, read from no more than its last ReadLimit
// bytes; nothing when it is not a tape this version reads.
std::optional<TapeFile::Read> newestOf(QFile &file)
{
    const qint64 size = file.size();
    const QByteArray head = file.seek(0) ? file.read(Header.size()) : QByteArray();
    if (head != Header)
        // A crash can tear the first line too.
        return Header.startsWith(head) ? std::optional(TapeFile::Read()) : std::nullopt;
    const qint64 from = std::max<qint64>(Header.size(), size - ReadLimit);
    if (!file.seek(from))
        return std::nullopt;
    const QByteArray data = file.read(size - from);
    // Past the limit the first line read is cut: the next one starts whole.
    const qsizetype start = from == Header.size() ? 0 : data.indexOf('\n') + 1;
    if (start == 0 && from > Header.size())
        return std::nullopt;
    return parsed(QByteArrayView(data).sliced(start));
}

// Where the file's whole lines end, before a line a crash tore; nothing when
// another program or version has put a file here since.
std::optional<qint64> wholeEnd(QFile &file)
{
    const qint64 size = file.size();
    const QByteArray head = file.read(Header.size());
    if (head != Header && !Header.startsWith(head))
        return std::nullopt;
    if (size == 0 || (file.seek(size - 1) && file.read(1) == "\n"))
        return size;
    const qint64 from = std::max<qint64>(0, size - LongestLine);
    if (!file.seek(from))
        return std::nullopt;
    const qsizetype lastEnd = file.read(size - from).lastIndexOf('\n');
    if (lastEnd < 0 && from > 0)
        return std::nullopt;
    return from + lastEnd + 1;
}

} // namespace

TapeFile::TapeFile(const QString &folder)
    : folder_(folder)
{ }

TapeFile::~TapeFile()
{
    save(LockWaitAtEnd);
}

QString TapeFile::path() const
{
    return inMemory() ? QString() : QDir(folder_).filePath(QStringLiteral("tape.txt"));
}

std::deque<TapeEntry> TapeFile::load()
{
    setAsideAs_.clear();
    if (inMemory())
        return {};
    // Reading needs no lock. Tidying up, setting aside and cutting back do,
    // and wait for nothing; the lock is taken only when one of them is due,
    // since taking it creates and removes a file, which waits for the disk.
    if (const QStringList names = leftovers(); !names.isEmpty())
        underLock([&] {
            for (const QString &name : names)
                QDir(folder_).remove(name);
        });
    std::optional<Found> found = readFile();
    bool cutBack = false;
    if (found && (!found->read || found->size > CutBackAt)) {
        // Read again under the lock: another window may have written since.
        underLock([&] {
            found = readFile();
            if (found && !found->read) {
                setAside();
            } else if (found && found->size > CutBackAt) {
                cutBack = rewrite(found->read->entries); // counts the lines it keeps
            }
        });
    }
    if (!found || !found->read)
        return {};
    if (!cutBack)
        lines_ = found->read->lines;
    // Longer than this version lets it grow (by an earlier one, say): only
    // what the window shows is kept.
    if (found->size > CutBackAt)
        return newestOnly(std::move(found->read->entries));
    return std::move(found->read->entries);
}

std::optional<TapeFile::Found> TapeFile::readFile() const
{
    QFile file;
    const FileKind kind = fileKind(path());
    if (kind == FileKind::Absent || (kind == FileKind::Plain && !openPlain(file, path(), O_RDONLY)))
        return std::nullopt;
    // Not a regular file: nothing to read, and no tape.
    if (!file.isOpen())
        return Found();
    return Found {newestOf(file), file.size()};
}

bool TapeFile::underLock(const std::function<void()> &work)
{
    const QString lockPath = path() + QStringLiteral(".lock");
    QLockFile lock(lockPath);
    // A lock that is not a file would never come free.
    if (fileKind(lockPath) == FileKind::Other || !lock.tryLock(0))
        return false;
    work();
    return true;
}

bool TapeFile::append(const std::vector<TapeEntry> &entries)
{
    setAsideAs_.clear();
    waiting_.insert(waiting_.end(), entries.begin(), entries.end());
    // Older ones would be cut back at once.
    while (waiting_.size() > Kept)
        waiting_.pop_front();
    return save(0);
}

bool TapeFile::clear()
{
    setAsideAs_.clear();
    waiting_.clear();
    clearing_ = true;
    return save(0);
}

bool TapeFile::put(QFile &file, QByteArrayView bytes)
{
    return file.write(bytes.data(), bytes.size()) == bytes.size();
}

bool TapeFile::save(int lockWait)
{
    if (inMemory()) {
        waiting_.clear();
        clearing_ = false;
    }
    if (waiting_.empty() && !clearing_)
        return true;
    // A lock that is not a file would never come free, and reading a pipe's
    // would never end.
    const QString lockPath = path() + QStringLiteral(".lock");
    QLockFile lock(lockPath);
    if (!QDir().mkpath(folder_) || fileKind(lockPath) == FileKind::Other || !lock.tryLock(lockWait))
        return false;
    if (fileKind(path()) == FileKind::Other && !setAside())
        return false;
    if (!clearing_)
        return appendWaiting();
    if (!rewrite(waiting_))
        return false;
    clearing_ = false;
    waiting_.clear();
    return true;
}

bool TapeFile::appendWaiting()
{
    QFile file;
    if (!openPlain(file, path(), O_RDWR | O_CREAT))
        return false;
    std::optional<qint64> end = wholeEnd(file);
    if (!end) {
        file.close();
        lines_ = 0;
        if (!setAside() || !openPlain(file, path(), O_RDWR | O_CREAT | O_EXCL))
            return false;
        end = 0;
    }
    QByteArray lines = *end == 0 ? Header : QByteArray();
    for (const TapeEntry &entry : waiting_)
        lines += fileLine(entry);
    if (*end + lines.size() > CutBackAt || lines_ + waiting_.size() > 2 * Kept)
        return cutBack(file);
    // A failed write leaves nothing of an entry behind, to be written twice.
    if ((file.size() != *end && !file.resize(*end)) || !file.seek(*end) || !put(file, lines)) {
        file.resize(*end);
        return false;
    }
    lines_ += waiting_.size();
    waiting_.clear();
    return true;
}

bool TapeFile::cutBack(QFile &file)
{
    // Only ever to what was read whole: a file damaged within is set aside.
    std::optional<Read> read = newestOf(file);
    file.close();
    if (!read) {
        if (!setAside())
            return false;
        read.emplace();
    }
    read->entries.insert(read->entries.end(), waiting_.begin(), waiting_.end());
    if (!rewrite(read->entries))
        return false;
    waiting_.clear();
    return true;
}

bool TapeFile::rewrite(const std::deque<TapeEntry> &entries)
{
    const std::size_t kept = newestFitting(entries);
    QByteArray all = Header;
    for (auto entry = entries.end() - kept; entry != entries.end(); ++entry)
        all += fileLine(*entry);
    // All or nothing: until the rename the old file stays whole. The copy
    // has one name, so that one a crash left behind is found.
    const QString canonical = QFileInfo(path()).canonicalFilePath();
    const QString target = canonical.isEmpty() ? path() : canonical;
    const QString copy = target + QStringLiteral(".new");
    QFile::remove(copy);
    QFile file;
    if (!openPlain(file, copy, O_WRONLY | O_CREAT | O_EXCL))
        return false;
    if (!canonical.isEmpty())
        file.setPermissions(QFile::permissions(target));
    const bool written = put(file, all) && ::fsync(file.handle()) == 0;
    file.close();
    if (!written || ::rename(QFile::encodeName(copy), QFile::encodeName(target)) != 0) {
        QFile::remove(copy);
        return false;
    }
    lines_ = kept;
    return true;
}

bool TapeFile::setAside()
{
    setAsideAs_ = moveAside(
        path(), QDir(folder_).filePath(QStringLiteral("tape-unreadable")), QStringLiteral(".txt"));
    return !setAsideAs_.isEmpty();
}

QStringList TapeFile::leftovers() const
{
    // The copy of a cut-back that was stopped, and those earlier versions
    // left under random names ("tape.txt." and six characters). Told apart
    // by hand: name filters would compile regular expressions at every
    // start, which costs more memory than the tape.
    const QString stem = QStringLiteral("tape.txt.");
    QStringList names = QDir(folder_).entryList(QDir::Files | QDir::Hidden | QDir::System);
    names.removeIf([&](const QString &name) {
        return name != stem + QStringLiteral("new")
            && !(name.size() == stem.size() + 6 && name.startsWith(stem));
    });
    return names;
}
