#pragma once

#include "cellrange.h"
#include "decktable.h"

#include <QObject>

#include <string>
#include <string_view>
#include <vector>

namespace galewright {

// The open deck: owns the DeckTable and is the only way to change it, so
// that every change (typing, the editing commands, paste, the picker,
// loading) is seen by the views and can later be undone or tracked as
// unsaved. Readers use table().
//
// Each change is announced as: structureAboutToChange (row changes only),
// the model-shaped signal pair around the change, then structureChanged;
// views that must fix things up after the model (cursor, presentation)
// listen to the outer pair.
class DeckDocument : public QObject {
    Q_OBJECT
public:
    enum class ChangeKind { RowsInserted, RowsRemoved, RowsReplaced };
    struct RowChange {
        ChangeKind kind;
        int first = 0;        // first row inserted or removed (1 for a replacement)
        int count = 0;        // rows inserted or removed; for a replacement the old data-row count
        int newCount = 0;     // for a replacement: the new data-row count
    };
    struct CellEdit {
        int row = 0;
        int column = 0;
        std::string text;
    };

    explicit DeckDocument(QObject* parent = nullptr);

    const DeckTable& table() const { return table_; }
    int rowCount() const { return table_.rowCount(); }
    int columnCount() const { return table_.columnCount(); }

    // False (and no signal) for a cell outside the table; no signal either
    // when the text is what the cell holds already.
    bool setCellText(int row, int column, std::string_view text);
    // Inserts `count` empty rows with DeckTable's rule for the position;
    // returns the first new row, -1 when nothing was inserted.
    int insertRows(int position, int count);
    bool deleteRows(int firstRow, int lastRow);
    void deleteAllDataRows() { deleteRows(1, rowCount() - 1); }
    bool clearRange(int firstRow, int firstColumn, int lastRow, int lastColumn);
    // Many cells as one change (a paste): one cellsChanged over the block
    // the written cells span. Cells outside the table are skipped.
    void setCells(const std::vector<CellEdit>& edits);
    // Empties every cell of the ranges (clamped like clearRange) as one
    // change, announced over the block the ranges span.
    void clearRanges(const std::vector<CellRange>& ranges);
    // Row numbers into column 0 and column numbers into row 0.
    void numberHeaders();
    // Replaces every data row with the records of a deck text.
    void loadText(std::string_view text);

signals:
    void structureAboutToChange();
    void structureChanged(const galewright::DeckDocument::RowChange& change);

    void rowsAboutToBeInserted(int first, int count);
    void rowsInserted(int first, int count);
    void rowsAboutToBeRemoved(int first, int last);
    void rowsRemoved(int first, int last);
    void aboutToReplaceRows();
    void rowsReplaced();
    // Texts changed inside this block (table numbering); rows stay.
    void cellsChanged(const galewright::CellRange& range);

private:
    DeckTable table_;
};

} // namespace galewright
