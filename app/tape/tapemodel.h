#pragma once

#include "core/tape.h"

#include <QAbstractListModel>

#include <deque>
#include <utility>
#include <vector>

// The tape's entries as the panel lists them, oldest first, at most the
// newest TapeFile::Kept. What the person deletes or clears is remembered
// while the window is open, so that it can be brought back where it was.
class TapeModel : public QAbstractListModel
{
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = {}) const override;
    // Whether the entry's calculation failed.
    static constexpr int FailedRole = Qt::UserRole;

    // Both lines of the entry, for the list and its tooltip alike.
    QVariant data(const QModelIndex &index, int role) const override;

    void add(const TapeEntry &entry);
    void reset(std::deque<TapeEntry> all);

    // Takes the rows out, remembering them; how many were taken.
    std::size_t remove(std::vector<int> rows);
    // Puts back what the last remove() took, where it was; how many.
    std::size_t restore();
    bool canRestore() const { return !removals_.empty(); }

    const std::deque<TapeEntry> &entries() const { return entries_; }

private:
    // Entries with their rows at the time, and how many of the oldest had
    // made way for new ones by then.
    struct Removal
    {
        std::vector<std::pair<std::size_t, TapeEntry>> entries;
        std::size_t dropped = 0;
    };

    std::deque<TapeEntry> entries_;
    std::vector<Removal> removals_;
    // The oldest entries that made way for new ones since the window opened.
    std::size_t dropped_ = 0;
};
