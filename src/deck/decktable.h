#pragma once

#include "rowcells.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace galewright {

// The records of the open deck: 46 columns (0 is the row-number header,
// 1..45 the deck fields) and rows 0..n (0 is the column-number header).
// Every cell is a GBK text stored exactly as written; the table never
// trims, converts or checks. Operations never fail loudly: a cell outside
// the table reads as "假" and ignores writes.
class DeckTable {
public:
    static constexpr int kColumnCount = 46;
    static constexpr int kLastColumn = 45;

    DeckTable();

    int rowCount() const { return static_cast<int>(rows_.size()); }
    int columnCount() const { return kColumnCount; }

    std::string cellText(int row, int column) const;
    bool setCellText(int row, int column, std::string_view text);
    // setCellText for several cells of one row, with one rebuild of the row
    // (a paste writes whole rows); cells outside the table are skipped.
    bool setRowCells(int row, std::span<const std::pair<int, std::string_view>> cells);
    int insertRow(int position);
    bool deleteRow(int row);
    bool clearRange(int firstRow, int firstColumn, int lastRow, int lastColumn);

    // Whole-table operations, each one pass over the table.
    // Inserts `count` empty rows at `position` with insertRow's rule for the
    // position; returns the index of the first new row.
    int insertRows(int position, int count);
    // Removes data rows first..last (clamped to the data rows); false when
    // nothing was removed.
    bool deleteRows(int firstRow, int lastRow);
    void deleteAllDataRows() { deleteRows(1, rowCount() - 1); }
    // Appends one row whose columns 1.. hold `fields` (at most 45 are kept).
    void appendRow(std::span<const std::string_view> fields);
    void reserveRows(std::size_t rows) { rows_.reserve(rows); }

    // Fast read access for data cells (row >= 0, column 1..45): a view into
    // the table, valid until the row changes; empty outside the table.
    std::string_view dataCell(int row, int column) const;
    // Last column of the row whose cell is not empty, 0 when none.
    int lastFilledColumn(int row) const;
    // Views of cells 1..m of a data row (m = lastFilledColumn) into
    // cells[1..m]; returns m. One decoding of the row for a whole-row walk.
    int rowCells(int row, std::array<std::string_view, kColumnCount>& cells) const;

    // Writes the row numbers into column 0 and the column numbers into row 0.
    void numberHeaders();

    // Bytes held by the table, for measurements.
    std::size_t memoryBytes() const;

private:
    bool validCell(int row, int column) const
    {
        return row >= 0 && row < rowCount() && column >= 0 && column < kColumnCount;
    }
    void rebuildRow(int row, int firstColumn, int lastColumn, std::string_view text);

    std::vector<RowCells> rows_;
};

} // namespace galewright
