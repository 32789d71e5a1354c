#pragma once

#include "cellrange.h"

#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

namespace galewright {

// One presentation attribute (alignment, colour, ...) of every cell, stored
// by range so that a million-row table costs a handful of entries: later
// ranges win over earlier ones, and a range that covers an older one
// replaces it. Single cells (the check run's red marks) go into a sparse
// map instead of the range list, so marking many cells one by one stays
// cheap; a later range over such a cell drops its mark.
//
// Row insertion and deletion shift everything with the rows. A layer that
// inherits from above gives new rows the value of the row above them (the
// grid's rule for alignment); the others give new rows the fallback.
template <typename T>
class StyleLayer {
public:
    StyleLayer(T fallback, bool inheritFromAbove) : fallback_(std::move(fallback)), inherit_(inheritFromAbove) {}

    void set(const CellRange& range, const T& value)
    {
        if (range.isSingleCell() && !inherit_) {
            cells_[key(range.firstRow, range.firstColumn)] = value;
            return;
        }
        std::erase_if(ranges_, [&](const Entry& entry) { return range.covers(entry.range); });
        std::erase_if(cells_, [&](const auto& cell) { return range.contains(rowOf(cell.first), columnOf(cell.first)); });
        ranges_.push_back({range, value});
    }

    const T& value(int row, int column) const
    {
        if (!cells_.empty()) {
            const auto found = cells_.find(key(row, column));
            if (found != cells_.end())
                return found->second;
        }
        for (auto entry = ranges_.rbegin(); entry != ranges_.rend(); ++entry)
            if (entry->range.contains(row, column))
                return entry->value;
        return fallback_;
    }

    void rowsInserted(int position, int count)
    {
        if (count <= 0)
            return;
        std::vector<Entry> shifted;
        shifted.reserve(ranges_.size() + 1);
        for (Entry entry : ranges_) {
            CellRange& r = entry.range;
            if (r.firstRow >= position) {
                r.firstRow += count;
                r.lastRow += count;
            } else if (r.lastRow >= position - 1 && inherit_) {
                r.lastRow += count; // the new rows take the value of the row above
            } else if (r.lastRow >= position) {
                Entry below = entry;
                below.range.firstRow = position + count;
                below.range.lastRow += count;
                r.lastRow = position - 1;
                shifted.push_back(entry);
                entry = below;
            }
            shifted.push_back(entry);
        }
        ranges_ = std::move(shifted);
        remapCells([&](int row) { return row >= position ? row + count : row; });
    }

    void rowsRemoved(int first, int last)
    {
        if (last < first)
            return;
        const int count = last - first + 1;
        for (Entry& entry : ranges_) {
            CellRange& r = entry.range;
            const int newFirst = r.firstRow < first ? r.firstRow : (r.firstRow > last ? r.firstRow - count : first);
            const int newLast = r.lastRow < first ? r.lastRow : (r.lastRow > last ? r.lastRow - count : first - 1);
            r.firstRow = newFirst;
            r.lastRow = newLast;
        }
        std::erase_if(ranges_, [](const Entry& entry) { return entry.range.lastRow < entry.range.firstRow; });
        remapCells([&](int row) { return row < first ? row : (row > last ? row - count : -1); });
    }

    void clear()
    {
        ranges_.clear();
        cells_.clear();
    }

    std::size_t rangeCount() const { return ranges_.size(); }
    std::size_t cellCount() const { return cells_.size(); }

private:
    struct Entry {
        CellRange range;
        T value;
    };

    static std::uint64_t key(int row, int column)
    {
        return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(row)) << 32) | static_cast<std::uint32_t>(column);
    }
    static int rowOf(std::uint64_t key) { return static_cast<int>(key >> 32); }
    static int columnOf(std::uint64_t key) { return static_cast<int>(key & 0xFFFFFFFFu); }

    // newRow returns -1 for a cell whose row is gone.
    template <typename F>
    void remapCells(F newRow)
    {
        if (cells_.empty())
            return;
        std::unordered_map<std::uint64_t, T> moved;
        moved.reserve(cells_.size());
        for (auto& [cellKey, cellValue] : cells_) {
            const int row = newRow(rowOf(cellKey));
            if (row >= 0)
                moved.emplace(key(row, columnOf(cellKey)), std::move(cellValue));
        }
        cells_ = std::move(moved);
    }

    std::vector<Entry> ranges_;
    std::unordered_map<std::uint64_t, T> cells_;
    T fallback_;
    bool inherit_;
};

} // namespace galewright
