#pragma once

#include <optional>

namespace galewright {

// A block of cells in table numbering (row 0 and column 0 are the headers):
// first row, first column, last row, last column, all inclusive.
struct CellRange {
    int firstRow = -1;
    int firstColumn = -1;
    int lastRow = -1;
    int lastColumn = -1;

    bool contains(int row, int column) const
    {
        return row >= firstRow && row <= lastRow && column >= firstColumn && column <= lastColumn;
    }
    bool covers(const CellRange& other) const
    {
        return other.firstRow >= firstRow && other.lastRow <= lastRow && other.firstColumn >= firstColumn &&
               other.lastColumn <= lastColumn;
    }
    bool isSingleCell() const { return firstRow == lastRow && firstColumn == lastColumn; }
    bool operator==(const CellRange&) const = default;

    static CellRange cell(int row, int column) { return {row, column, row, column}; }

    // The table's rule for a range given by a caller: a last row or column
    // beyond the table counts as the last one; then a negative bound,
    // inverted bounds or a corner outside the table make it no range at all.
    static std::optional<CellRange> clamped(CellRange range, int rowCount, int columnCount);
};

} // namespace galewright
