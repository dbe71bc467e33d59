// What a window does with the entries it could not save by the time it
// closes, and what the next start does with them.

#include "app/tape/tapefile.h"

#include "app/plainfile.h"
#include "app/tape/tapefileformat.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <memory>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using namespace tapefileformat;

namespace {

// At the end a busy lock is waited for a moment: the window is going away.
constexpr int LockWaitAtEnd = 1000;

} // namespace

TapeFile::~TapeFile()
{
    if (save(LockWaitAtEnd))
        return;
    // Never lost at the end: what still waits goes in a file of its own.
    const int count = int(waiting_.size());
    const QString kept = keepBeside();
    qWarning().noquote() << (kept.isEmpty()
            ? QCoreApplication::translate("TapeFile",
                "roman-calculator: %n entries of the tape could not be saved in %1", nullptr, count)
                  .arg(QDir::toNativeSeparators(path()))
            : QCoreApplication::translate("TapeFile",
                "roman-calculator: %n entries of the tape could not be saved in %1; they are "
                "kept in %2, and go into the tape when the calculator next starts",
                nullptr, count)
                  .arg(QDir::toNativeSeparators(path()), QDir::toNativeSeparators(kept)));
}

QString TapeFile::keptName(int n) const
{
    return QDir(folder_).filePath(QStringLiteral("tape-unsaved")
        + (n == 1 ? QString() : QStringLiteral("-%1").arg(n)) + QStringLiteral(".txt"));
}

QString TapeFile::keepBeside()
{
    QByteArray all = Header;
    for (const TapeEntry &entry : waiting_)
        all += fileLine(entry);
    // Under a name no other window has taken, and locked before its first
    // byte, so that a start never takes half of it.
    for (int n = 1; n < MostKept; ++n) {
        QFile file;
        if (openPlain(file, keptName(n), O_WRONLY | O_CREAT | O_EXCL)) {
            if (::flock(file.handle(), LOCK_EX) == 0 && put(file, all)
                && ::fsync(file.handle()) == 0)
                return keptName(n);
            QFile::remove(keptName(n));
            return {};
        }
        if (errno != EEXIST)
            return {};
    }
    return {};
}

void TapeFile::takeKeptBeside()
{
    // Told apart by hand: name filters would compile regular expressions at
    // every start, which costs more memory than the tape.
    std::vector<int> numbers;
    const QString stem = QStringLiteral("tape-unsaved");
    for (const QString &name : QDir(folder_).entryList(QDir::Files | QDir::Hidden)) {
        if (!name.startsWith(stem) || !name.endsWith(QStringLiteral(".txt")))
            continue;
        const QStringView number = QStringView(name).sliced(stem.size()).chopped(4);
        const int n
            = number.isEmpty() ? 1 : number.sliced(std::min<qsizetype>(1, number.size())).toInt();
        // Exactly the names given, and no other.
        if (n > 0 && n < MostKept && QDir(folder_).filePath(name) == keptName(n))
            numbers.push_back(n);
    }
    std::sort(numbers.begin(), numbers.end());
    if (numbers.empty())
        return;
    underLock([&] {
        // After those, in the order they were kept, the entries waiting now.
        const std::deque<TapeEntry> before = std::exchange(waiting_, {});
        std::vector<std::pair<std::unique_ptr<QFile>, QString>> taken;
        for (const int n : numbers) {
            auto file = std::make_unique<QFile>();
            // One being written is left for the next start; one that does
            // not read whole is left as it is.
            if (!openPlain(*file, keptName(n), O_RDONLY)
                || ::flock(file->handle(), LOCK_EX | LOCK_NB) != 0 || file->size() > CutBackAt
                || file->read(Header.size()) != Header)
                continue;
            std::optional<Read> read = parsed(file->read(CutBackAt));
            if (!read)
                continue;
            waiting_.insert(waiting_.end(), read->entries.begin(), read->entries.end());
            taken.emplace_back(std::move(file), keptName(n));
        }
        waiting_.insert(waiting_.end(), before.begin(), before.end());
        if (taken.empty() || !appendWaiting()) {
            waiting_ = before;
            return;
        }
        for (const auto &[file, name] : taken)
            QFile::remove(name);
    });
}
