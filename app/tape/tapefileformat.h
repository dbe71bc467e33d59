#pragma once

#include "app/tape/tapefile.h"

#include <QByteArray>
#include <QByteArrayView>

// The tape's file as bytes: its lines, its limits, and how its end is found.
// Shared by the parts of TapeFile, in files of their own.
namespace tapefileformat {

extern const QByteArray Header;
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

// Which file a handle reads: another window's cut-back puts a new one in
// the tape's place.
FileIdentity identity(int handle);
// The entry's line, a text too long for it shortened, with its line feed.
QByteArray fileLine(TapeEntry entry);
// How many of the newest entries a cut-back keeps.
std::size_t newestFitting(const std::deque<TapeEntry> &entries);
// The newest entries, as many as a cut-back keeps.
std::deque<TapeEntry> newestOnly(std::deque<TapeEntry> entries);
// Whole lines, or nothing when one of them does not read.
std::optional<TapeFile::Read> parsed(QByteArrayView data);
// The newest entries of the file, read from no more than its last ReadLimit
// bytes; nothing when it is not a tape this version reads.
std::optional<TapeFile::Read> newestOf(QFile &file);
// Where the file's whole lines end, before a line a crash tore; nothing when
// another program or version has put a file here since.
std::optional<qint64> wholeEnd(QFile &file);

} // namespace tapefileformat
