#include "deckdocument.h"

#include "deckreader.h"

#include <algorithm>
#include <optional>

namespace galewright {

DeckDocument::DeckDocument(QObject* parent) : QObject(parent) {}

bool DeckDocument::setCellText(int row, int column, std::string_view text)
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return false;
    if (table_.cellText(row, column) == text)
        return true;
    table_.setCellText(row, column, text);
    emit cellsChanged(CellRange::cell(row, column));
    return true;
}

int DeckDocument::insertRows(int position, int count)
{
    if (count <= 0)
        return -1;
    if (position < 1 || position >= rowCount())
        position = rowCount();
    emit structureAboutToChange();
    emit rowsAboutToBeInserted(position, count);
    table_.insertRows(position, count);
    emit rowsInserted(position, count);
    emit structureChanged({ChangeKind::RowsInserted, position, count, 0});
    return position;
}

bool DeckDocument::deleteRows(int firstRow, int lastRow)
{
    firstRow = std::max(firstRow, 1);
    lastRow = std::min(lastRow, rowCount() - 1);
    if (firstRow > lastRow)
        return false;
    emit structureAboutToChange();
    emit rowsAboutToBeRemoved(firstRow, lastRow);
    table_.deleteRows(firstRow, lastRow);
    emit rowsRemoved(firstRow, lastRow);
    emit structureChanged({ChangeKind::RowsRemoved, firstRow, lastRow - firstRow + 1, 0});
    return true;
}

bool DeckDocument::clearRange(int firstRow, int firstColumn, int lastRow, int lastColumn)
{
    const auto range = CellRange::clamped({firstRow, firstColumn, lastRow, lastColumn}, rowCount(), columnCount());
    if (!range || !table_.clearRange(firstRow, firstColumn, lastRow, lastColumn))
        return false;
    emit cellsChanged(*range);
    return true;
}

namespace {

void extend(std::optional<CellRange>& box, const CellRange& cells)
{
    if (!box) {
        box = cells;
        return;
    }
    box->firstRow = std::min(box->firstRow, cells.firstRow);
    box->firstColumn = std::min(box->firstColumn, cells.firstColumn);
    box->lastRow = std::max(box->lastRow, cells.lastRow);
    box->lastColumn = std::max(box->lastColumn, cells.lastColumn);
}

} // namespace

void DeckDocument::setCells(const std::vector<CellEdit>& edits)
{
    std::optional<CellRange> changed;
    // Neighbouring edits of one row are written with one rebuild of it.
    std::vector<std::pair<int, std::string_view>> row;
    for (std::size_t i = 0; i < edits.size(); ++i) {
        const CellEdit& edit = edits[i];
        const bool inside = edit.row >= 0 && edit.row < rowCount() && edit.column >= 0 && edit.column < columnCount();
        // Unchanged cells cost no rebuild and widen no announcement.
        if (inside && (edit.column == 0 || table_.dataCell(edit.row, edit.column) != edit.text)) {
            row.emplace_back(edit.column, edit.text);
            extend(changed, CellRange::cell(edit.row, edit.column));
        }
        if (!row.empty() && (i + 1 == edits.size() || edits[i + 1].row != edit.row)) {
            table_.setRowCells(edit.row, row);
            row.clear();
        }
    }
    if (changed)
        emit cellsChanged(*changed);
}

void DeckDocument::clearRanges(const std::vector<CellRange>& ranges)
{
    std::optional<CellRange> changed;
    for (const CellRange& range : ranges) {
        const auto cells = CellRange::clamped(range, rowCount(), columnCount());
        if (cells && table_.clearRange(cells->firstRow, cells->firstColumn, cells->lastRow, cells->lastColumn))
            extend(changed, *cells);
    }
    if (changed)
        emit cellsChanged(*changed);
}

void DeckDocument::numberHeaders()
{
    table_.numberHeaders();
    emit cellsChanged({0, 0, 0, columnCount() - 1});
    emit cellsChanged({0, 0, rowCount() - 1, 0});
}

void DeckDocument::loadText(std::string_view text)
{
    const int oldCount = rowCount() - 1;
    emit structureAboutToChange();
    emit aboutToReplaceRows();
    loadDeckText(table_, text);
    emit rowsReplaced();
    emit structureChanged({ChangeKind::RowsReplaced, 1, oldCount, rowCount() - 1});
}

} // namespace galewright
