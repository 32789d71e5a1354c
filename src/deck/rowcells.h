#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace galewright {

// The cells of one table row packed into a single heap block: a cell count,
// the end offset of each stored cell, then the cell bytes back to back.
// Cells past the stored count are empty, so trailing empty columns cost
// nothing. A million-row deck would spend more on 46 std::strings a row than
// on the deck itself.
//
// The row-number header (column 0) is usually a plain number; it is kept as
// `number` beside the block so that renumbering a million rows writes
// integers instead of rebuilding a million blocks.
class RowCells {
public:
    RowCells() = default;
    ~RowCells();
    RowCells(RowCells&& other) noexcept;
    RowCells& operator=(RowCells&& other) noexcept;
    RowCells(const RowCells&) = delete;
    RowCells& operator=(const RowCells&) = delete;

    // cells[i] is column i; trailing empty cells are not stored.
    static RowCells build(std::span<const std::string_view> cells);

    int storedCount() const;
    std::string_view cell(int column) const;
    // Views of columns first..last (all stored) into out[0..last-first].
    void cellsFrom(int first, int last, std::string_view* out) const;

    std::uint32_t number() const { return number_; }
    void setNumber(std::uint32_t number) { number_ = number; }

    std::size_t blockBytes() const;

private:
    char* block_ = nullptr;
    std::uint32_t number_ = 0;
};

} // namespace galewright
