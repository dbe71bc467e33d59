#pragma once

#include <QString>

class QFile;

// The calculator reads and writes only plain files. Whatever else stands in
// a file's place (a named pipe, a device, a folder) would stop the window at
// the first read, or never end one, so it is found without opening it.

enum class FileKind { Absent, Plain, Other };
// What stands at the path, a symbolic link followed.
FileKind fileKind(const QString &path);

// Opens the path as file, without waiting, when it is a plain file (created
// with O_CREAT in flags); false when it is anything else.
bool openPlain(QFile &file, const QString &path, int flags);

// Renames the path to base + suffix, else base-2 + suffix, base-3 + suffix…,
// never replacing anything there, and without opening it; the new name, or
// "" when it could not be moved.
QString moveAside(const QString &path, const QString &base, const QString &suffix);
