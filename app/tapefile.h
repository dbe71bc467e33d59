#pragma once

#include "core/tape.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <deque>
#include <optional>
#include <vector>

// The tape on disk, in the person's data folder: a text file that several
// windows append to in turn, one entry a line, which another program can
// read:
//
//     roman-calculator-tape<TAB>1
//     <result><TAB><decimal line><TAB><Roman line>
//
// The first line names the format and its version. The result is written in
// the C locale with 17 significant digits, and is empty for a calculation
// that failed; in the two texts a backslash, tab, newline or carriage return
// is written \\, \t, \n or \r. Text is UTF-8. A line is only ever added at
// the end, so a crash can tear nothing but the last line, which has no line
// feed yet and is ignored. A file with any other damage, of a newer version
// or not of this program is set aside under another name, never written
// into; a new tape begins.
class TapeFile
{
public:
    // The entries the tape keeps.
    static constexpr std::size_t Kept = 1000;

    // An empty folder keeps the tape in memory only.
    explicit TapeFile(const QString &folder);

    // The newest entries, oldest first.
    std::deque<TapeEntry> load();
    // Adds the entries at the end; false when they could not be saved.
    bool append(const std::vector<TapeEntry> &entries);
    bool clear();

    QString path() const;
    // Where the last call set an unreadable file aside, or "".
    QString setAsideAs() const { return setAsideAs_; }

private:
    bool inMemory() const { return folder_.isEmpty(); }
    void setAside();
    bool rewrite(const std::deque<TapeEntry> &entries);

    QString folder_;
    QString setAsideAs_;
    // The lines of the file, as far as this window knows.
    std::size_t lines_ = 0;
};

// One entry as a line of the file, without its line feed, and back.
QByteArray tapeLine(const TapeEntry &entry);
std::optional<TapeEntry> readTapeLine(QByteArrayView line);
