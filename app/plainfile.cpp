#include "app/plainfile.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// rename() without replacing what is at the new name.
bool renameAside(const QByteArray &from, const QByteArray &to)
{
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return true;
    // Some file systems do not offer it; the check below then leaves a race
    // only with another program naming a file just so.
    if (errno != EINVAL)
        return false;
#endif
    struct stat there;
    if (::lstat(to.constData(), &there) == 0) {
        errno = EEXIST;
        return false;
    }
    return errno == ENOENT && ::rename(from.constData(), to.constData()) == 0;
}

} // namespace

FileKind fileKind(const QString &path)
{
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        // A symbolic link to nothing is something, which a write would follow.
        return errno == ENOENT && ::lstat(QFile::encodeName(path).constData(), &status) != 0
            ? FileKind::Absent
            : FileKind::Other;
    return S_ISREG(status.st_mode) ? FileKind::Plain : FileKind::Other;
}

bool openPlain(QFile &file, const QString &path, int flags)
{
    // Checked before opening, since opening a device can do something, and
    // after, since it may have been put there in between: O_NONBLOCK keeps
    // that open from waiting for a pipe's other end.
    if (fileKind(path) == FileKind::Other)
        return false;
    const int handle = ::open(
        QFile::encodeName(path).constData(), flags | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666);
    struct stat status;
    if (handle < 0)
        return false;
    if (::fstat(handle, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(handle);
        return false;
    }
    const int access = flags & O_ACCMODE;
    const QIODevice::OpenMode mode = access == O_RDONLY ? QIODevice::ReadOnly
        : access == O_WRONLY                            ? QIODevice::WriteOnly
                                                        : QIODevice::ReadWrite;
    // Unbuffered, so that a full disk fails the write that meets it.
    if (file.open(handle, mode | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle))
        return true;
    ::close(handle);
    return false;
}

QString moveAside(const QString &path, const QString &base, const QString &suffix)
{
    for (int n = 1; n < 1000; ++n) {
        const QString name = base + (n == 1 ? QString() : QStringLiteral("-%1").arg(n)) + suffix;
        if (renameAside(QFile::encodeName(path), QFile::encodeName(name)))
            return name;
        if (errno != EEXIST)
            return {};
    }
    return {};
}
