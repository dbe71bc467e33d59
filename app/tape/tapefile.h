#pragma once

#include "app/tape/tapeline.h"
#include "core/tape.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QFile;

// A file's device and inode.
using FileIdentity = std::pair<quint64, quint64>;

// The tape on disk, in the person's data folder: a text file that several
// windows append to in turn, one entry a line (see tapeLine()), which another
// program can read. The first line names the format and its version:
//
//     roman-calculator-tape<TAB>1
//
// A line is only ever added at the end, so a crash can tear nothing but the
// last line, which has no line feed yet and is ignored. A file with any other
// damage, of a newer version, not of this program, or not a file at all is
// set aside under another name, never written into; a new tape begins.
//
// Nothing here waits: while the file cannot be written (the disk is full,
// another window holds the lock) the entries wait in memory, and go in at
// the next entry, or at the end.
class TapeFile
{
public:
    // The entries the tape keeps.
    static constexpr std::size_t Kept = 1000;

    // An empty folder keeps the tape in memory only.
    explicit TapeFile(const QString &folder);
    virtual ~TapeFile();
    TapeFile(const TapeFile &) = delete;
    TapeFile &operator=(const TapeFile &) = delete;

    // The newest entries, oldest first.
    std::deque<TapeEntry> load();
    // Adds the entries at the end, after any still waiting; false while some wait.
    bool append(const std::vector<TapeEntry> &entries);
    // Empties the tape, now or as soon as the file can be written.
    bool clear();
    // The tape holds these entries alone, now or as soon as the file can be
    // written: after some were deleted, or brought back. Given what the
    // window showed before, entries that other windows added since stay,
    // after these: a person deletes only what they saw.
    bool replace(const std::deque<TapeEntry> &entries,
        std::optional<std::deque<TapeEntry>> shownBefore = std::nullopt);
    // Keeps entries the person cleared beside the tape, as a tape of their
    // own (ClearedName), in place of those cleared before; false when it
    // cannot be written.
    bool keepCleared(const std::deque<TapeEntry> &entries);
    static constexpr const char *ClearedName = "tape-cleared.txt";
    // The entries that wait to be saved.
    std::size_t unsaved() const { return waiting_.size(); }

    QString path() const;
    // Where the last call set an unreadable file aside, or "".
    QString setAsideAs() const { return setAsideAs_; }

protected:
    // Every byte written to the file passes here.
    virtual bool put(QFile &file, QByteArrayView bytes);

public:
    // What the file holds: its newest entries, or none when it is not a
    // tape this version reads, and its size.
    struct Read
    {
        std::deque<TapeEntry> entries;
        std::size_t lines = 0;
    };
    struct Found
    {
        std::optional<Read> read;
        qint64 size = 0;
    };

private:
    bool inMemory() const { return folder_.isEmpty(); }
    // Nothing when there is no file, or one that cannot be opened now.
    std::optional<Found> readFile() const;
    bool save(int lockWait);
    bool appendWaiting();
    std::size_t linesUpTo(QFile &file, qint64 end);
    bool cutBack(QFile &file);
    bool rewrite(const std::deque<TapeEntry> &entries);
    // The entries, then those the file holds that the window did not show
    // before its edit.
    std::deque<TapeEntry> withOthers(std::deque<TapeEntry> entries) const;
    // False when it could not be moved.
    bool setAside();
    // What a stopped cut-back left in the folder.
    QStringList leftovers() const;
    // Entries that could not be saved as a window closed are kept in a file
    // of their own beside the tape: tape-unsaved.txt, -2, -3… Its name, or
    // "" when even that could not be written.
    QString keepBeside();
    // Appends those files to the tape, and removes them once it has them.
    void takeKeptBeside();
    QString keptName(int n) const;
    static constexpr int MostKept = 100;
    // Does the work with the file's lock held, if it can be had at once.
    bool underLock(const std::function<void()> &work);

    QString folder_;
    QString setAsideAs_;
    std::deque<TapeEntry> waiting_;
    // The file is to hold the waiting entries alone: the person cleared or
    // deleted entries before the file could be written.
    bool clearing_ = false;
    // What the window showed before the first edit that waits.
    std::optional<std::deque<TapeEntry>> shownBefore_;
    // The lines of the file, as far as this window knows: counted up to
    // known_.size in the file known_.identity names.
    std::size_t lines_ = 0;
    struct
    {
        FileIdentity identity;
        qint64 size = -1;
    } known_;
};
