#include "decktable.h"

#include "textrules.h"

#include <algorithm>
#include <array>
#include <limits>

namespace galewright {

namespace {

const std::string kOutside = "\xBC\xD9"; // 假

// A canonical positive decimal that fits the row-number slot, else 0.
std::uint32_t canonicalNumber(std::string_view text)
{
    if (text.empty() || text.size() > 10 || text[0] == '0')
        return 0;
    std::uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return 0;
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    return value <= std::numeric_limits<std::uint32_t>::max() ? static_cast<std::uint32_t>(value) : 0;
}

} // namespace

DeckTable::DeckTable() { rows_.emplace_back(); }

std::string DeckTable::cellText(int row, int column) const
{
    if (!validCell(row, column))
        return kOutside;
    const RowCells& cells = rows_[static_cast<std::size_t>(row)];
    if (column == 0 && cells.number() != 0)
        return numberToText(static_cast<std::int64_t>(cells.number()));
    return std::string(cells.cell(column));
}

std::string_view DeckTable::dataCell(int row, int column) const
{
    if (!validCell(row, column) || column == 0)
        return {};
    return rows_[static_cast<std::size_t>(row)].cell(column);
}

int DeckTable::lastFilledColumn(int row) const
{
    if (row < 0 || row >= rowCount())
        return 0;
    // Stored cells end with a non-empty one, unless only column 0 is stored.
    const int stored = rows_[static_cast<std::size_t>(row)].storedCount();
    return stored > 1 ? stored - 1 : 0;
}

int DeckTable::rowCells(int row, std::array<std::string_view, kColumnCount>& cells) const
{
    const int last = lastFilledColumn(row);
    if (last == 0)
        return 0;
    rows_[static_cast<std::size_t>(row)].cellsFrom(1, last, cells.data() + 1);
    return last;
}

bool DeckTable::setCellText(int row, int column, std::string_view text)
{
    if (!validCell(row, column))
        return false;
    rebuildRow(row, column, column, text);
    return true;
}

void DeckTable::rebuildRow(int row, int firstColumn, int lastColumn, std::string_view text)
{
    std::array<std::pair<int, std::string_view>, kColumnCount> cells;
    std::size_t count = 0;
    for (int k = firstColumn; k <= lastColumn; ++k)
        cells[count++] = {k, text};
    setRowCells(row, std::span<const std::pair<int, std::string_view>>(cells.data(), count));
}

bool DeckTable::setRowCells(int row, std::span<const std::pair<int, std::string_view>> cells)
{
    if (row < 0 || row >= rowCount())
        return false;
    RowCells& stored = rows_[static_cast<std::size_t>(row)];
    std::array<std::string_view, kColumnCount> views{};
    for (int k = 0; k < stored.storedCount(); ++k)
        views[static_cast<std::size_t>(k)] = stored.cell(k);
    std::uint32_t number = stored.number();
    for (const auto& [column, text] : cells) {
        if (column < 0 || column > kLastColumn)
            continue;
        views[static_cast<std::size_t>(column)] = text;
        if (column == 0) {
            number = canonicalNumber(text);
            if (number != 0)
                views[0] = {};
        }
    }
    RowCells rebuilt = RowCells::build(views); // copies out of the old block before it goes
    rebuilt.setNumber(number);
    stored = std::move(rebuilt);
    return true;
}

int DeckTable::insertRow(int position) { return insertRows(position, 1); }

int DeckTable::insertRows(int position, int count)
{
    if (count <= 0)
        return -1;
    if (position < 1 || position >= rowCount())
        position = rowCount();
    const std::size_t old = rows_.size();
    rows_.resize(old + static_cast<std::size_t>(count));
    std::rotate(rows_.begin() + position, rows_.begin() + static_cast<std::ptrdiff_t>(old), rows_.end());
    return position;
}

bool DeckTable::deleteRow(int row)
{
    if (row < 1 || row >= rowCount())
        return false;
    return deleteRows(row, row);
}

bool DeckTable::deleteRows(int firstRow, int lastRow)
{
    firstRow = std::max(firstRow, 1);
    lastRow = std::min(lastRow, rowCount() - 1);
    if (firstRow > lastRow)
        return false;
    rows_.erase(rows_.begin() + firstRow, rows_.begin() + lastRow + 1);
    return true;
}

void DeckTable::appendRow(std::span<const std::string_view> fields)
{
    std::array<std::string_view, kColumnCount> views{};
    const std::size_t count = std::min<std::size_t>(fields.size(), kLastColumn);
    std::copy_n(fields.begin(), count, views.begin() + 1);
    rows_.push_back(RowCells::build(std::span<const std::string_view>(views.data(), count + 1)));
}

bool DeckTable::clearRange(int firstRow, int firstColumn, int lastRow, int lastColumn)
{
    if (lastRow >= rowCount())
        lastRow = rowCount() - 1;
    if (lastColumn > kLastColumn)
        lastColumn = kLastColumn;
    if (firstRow < 0 || firstColumn < 0 || lastRow < 0 || lastColumn < 0 || firstRow > lastRow ||
        firstColumn > lastColumn || !validCell(firstRow, firstColumn) || !validCell(lastRow, lastColumn))
        return false;
    for (int r = firstRow; r <= lastRow; ++r) {
        const RowCells& cells = rows_[static_cast<std::size_t>(r)];
        // Nothing stored in the range and no number to drop: no need to rebuild.
        const bool touchesNumber = firstColumn == 0 && cells.number() != 0;
        if (!touchesNumber && cells.storedCount() <= firstColumn)
            continue;
        rebuildRow(r, firstColumn, lastColumn, {});
    }
    return true;
}

void DeckTable::numberHeaders()
{
    for (int r = 1; r < rowCount(); ++r) {
        RowCells& cells = rows_[static_cast<std::size_t>(r)];
        if (!cells.cell(0).empty())
            rebuildRow(r, 0, 0, {});
        cells.setNumber(static_cast<std::uint32_t>(r));
    }
    bool headerDone = rows_[0].storedCount() == kColumnCount;
    for (int k = 1; headerDone && k < kColumnCount; ++k)
        headerDone = rows_[0].cell(k) == numberToText(k);
    if (!headerDone) {
        std::array<std::string, kColumnCount> texts;
        std::array<std::string_view, kColumnCount> views{};
        texts[0] = std::string(rows_[0].cell(0));
        views[0] = texts[0];
        for (int k = 1; k < kColumnCount; ++k) {
            texts[static_cast<std::size_t>(k)] = numberToText(k);
            views[static_cast<std::size_t>(k)] = texts[static_cast<std::size_t>(k)];
        }
        const std::uint32_t number = rows_[0].number();
        rows_[0] = RowCells::build(views);
        rows_[0].setNumber(number);
    }
}

std::size_t DeckTable::memoryBytes() const
{
    std::size_t total = rows_.capacity() * sizeof(RowCells);
    for (const auto& row : rows_)
        total += row.blockBytes();
    return total;
}

} // namespace galewright
