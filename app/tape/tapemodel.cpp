#include "app/tape/tapemodel.h"

#include "app/tape/tapefile.h"

#include <algorithm>
#include <iterator>

int TapeModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(entries_.size());
}

QVariant TapeModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const TapeEntry &entry = entries_[std::size_t(index.row())];
    if (role == FailedRole)
        return !entry.result;
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    return QString(entry.decimal + u'\n' + entry.roman);
}

void TapeModel::add(const TapeEntry &entry)
{
    if (entries_.size() == TapeFile::Kept) {
        beginRemoveRows({}, 0, 0);
        entries_.pop_front();
        endRemoveRows();
        ++dropped_;
    }
    beginInsertRows({}, rowCount(), rowCount());
    entries_.push_back(entry);
    endInsertRows();
}

void TapeModel::reset(std::deque<TapeEntry> all)
{
    beginResetModel();
    entries_ = std::move(all);
    endResetModel();
}

std::size_t TapeModel::remove(std::vector<int> rows)
{
    std::ranges::sort(rows);
    const auto [end, last] = std::ranges::unique(rows);
    rows.erase(end, last);
    std::erase_if(rows, [&](int row) { return row < 0 || row >= rowCount(); });
    if (rows.empty())
        return 0;
    Removal removal {{}, dropped_};
    for (const int row : rows)
        removal.entries.emplace_back(std::size_t(row), entries_[std::size_t(row)]);
    // From the end, a run of neighbours at a time, so that the rows before
    // keep their numbers.
    for (auto run = rows.rbegin(); run != rows.rend();) {
        auto first = run;
        while (std::next(first) != rows.rend() && *std::next(first) == *first - 1)
            ++first;
        beginRemoveRows({}, *first, *run);
        entries_.erase(entries_.begin() + *first, entries_.begin() + *run + 1);
        endRemoveRows();
        run = std::next(first);
    }
    removals_.push_back(std::move(removal));
    return rows.size();
}

std::size_t TapeModel::restore()
{
    if (removals_.empty())
        return 0;
    Removal removal = std::move(removals_.back());
    removals_.pop_back();
    // Rows count from the oldest entry kept; those that made way since
    // moved every row up.
    const std::size_t shift = dropped_ - removal.dropped;
    for (auto &[row, entry] : removal.entries) {
        const std::size_t at = std::min(row - std::min(row, shift), entries_.size());
        beginInsertRows({}, int(at), int(at));
        entries_.insert(entries_.begin() + std::ptrdiff_t(at), std::move(entry));
        endInsertRows();
    }
    while (entries_.size() > TapeFile::Kept) {
        beginRemoveRows({}, 0, 0);
        entries_.pop_front();
        endRemoveRows();
        ++dropped_;
    }
    return removal.entries.size();
}
