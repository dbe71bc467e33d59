#include "app/tape/tapefile.h"

#include "app/plainfile.h"
#include "app/tape/tapefileformat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QSaveFile>

#include <fcntl.h>
#include <unistd.h>

using namespace tapefileformat;

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
    takeKeptBeside();
    std::optional<Found> found = readFile();
    if (found && (!found->read || found->size > CutBackAt)) {
        // Read again under the lock: another window may have written since.
        underLock([&] {
            found = readFile();
            if (found && !found->read) {
                setAside();
            } else if (found && found->size > CutBackAt) {
                rewrite(found->read->entries);
            }
        });
    }
    if (!found || !found->read)
        return {};
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
    return replace({});
}

bool TapeFile::replace(
    const std::deque<TapeEntry> &entries, std::optional<std::deque<TapeEntry>> shownBefore)
{
    setAsideAs_.clear();
    waiting_ = entries;
    while (waiting_.size() > Kept)
        waiting_.pop_front();
    // Edits that wait add up: the file is still as the first found it. A
    // replacement of everything wins.
    if (!clearing_ || !shownBefore)
        shownBefore_ = std::move(shownBefore);
    clearing_ = true;
    return save(0);
}

std::deque<TapeEntry> TapeFile::withOthers(std::deque<TapeEntry> entries) const
{
    const std::optional<Found> found = shownBefore_ ? readFile() : std::nullopt;
    if (!found || !found->read)
        return entries;
    QHash<QByteArray, int> shown;
    for (const TapeEntry &entry : *shownBefore_)
        ++shown[fileLine(entry)];
    // Those older than the oldest shown had made way already.
    bool reached = shownBefore_->empty();
    for (const TapeEntry &entry : found->read->entries) {
        if (int &count = shown[fileLine(entry)]; count > 0) {
            --count;
            reached = true;
        } else if (reached) {
            entries.push_back(entry);
        }
    }
    return entries;
}

bool TapeFile::keepCleared(const std::deque<TapeEntry> &entries)
{
    if (inMemory())
        return true;
    QByteArray all = Header;
    for (const TapeEntry &entry : entries)
        all += fileLine(entry);
    // Whole or not at all, in place of the entries cleared before.
    QSaveFile file(QDir(folder_).filePath(QString::fromLatin1(ClearedName)));
    return QDir().mkpath(folder_) && file.open(QIODevice::WriteOnly)
        && file.write(all) == all.size() && file.commit();
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
    if (!rewrite(withOthers(waiting_)))
        return false;
    clearing_ = false;
    shownBefore_.reset();
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
        if (!setAside() || !openPlain(file, path(), O_RDWR | O_CREAT | O_EXCL))
            return false;
        end = 0;
    }
    lines_ = linesUpTo(file, *end);
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
    known_ = {identity(file.handle()), *end + lines.size()};
    waiting_.clear();
    return true;
}

std::size_t TapeFile::linesUpTo(QFile &file, qint64 end)
{
    // Every window appends, so each counts the lines of the file, not its
    // own: only those added since it last wrote, unless another window has
    // put a new file in its place since (a cut-back), or cut it short.
    const bool same = end >= known_.size && identity(file.handle()) == known_.identity;
    std::size_t lines = same ? lines_ : 0;
    qint64 from = same ? known_.size : 0;
    QByteArray block;
    while (from < end && file.seek(from)
        && !(block = file.read(std::min(end - from, ReadLimit))).isEmpty()) {
        lines += std::size_t(block.count('\n'));
        from += block.size();
    }
    // Without the first line, which names the format.
    return same || lines == 0 ? lines : lines - 1;
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
    const FileIdentity copyIdentity = identity(file.handle());
    file.close();
    if (!written || ::rename(QFile::encodeName(copy), QFile::encodeName(target)) != 0) {
        QFile::remove(copy);
        return false;
    }
    lines_ = kept;
    known_ = {copyIdentity, all.size()};
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
    // Only the copy of a cut-back that was stopped, by its one name, and only
    // when it holds what a cut-back writes. Earlier versions wrote their
    // copies under "tape.txt." and six random letters, which cannot be told
    // from a name a person gives a copy of their own ("tape.txt.backup"):
    // those stay, as any name this version did not write.
    const QString copy = path() + QStringLiteral(".new");
    QFile file;
    if (fileKind(copy) != FileKind::Plain || !openPlain(file, copy, O_RDONLY)
        || !Header.startsWith(file.read(Header.size())))
        return {};
    return {QFileInfo(copy).fileName()};
}
