#pragma once

#include "cellrange.h"
#include "deckdocument.h"
#include "gridpresentation.h"

#include <QTableView>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace galewright {

class DeckTableModel;

// The table widget of the main window: shows the document's DeckTable with
// row 0 and column 0 as fixed headers, edits cells in place, and keeps a
// cursor (the current cell) and a selection. Everything here speaks table
// numbering (data rows and columns from 1, -1 for "none").
//
// cursorChanged is raised when the cursor moves to another cell by
// setCursorCell (at once), a navigation key or a mouse click (at the end of
// that key or click), a header click or an editor's Tab, and by no other
// operation: row changes keep or drop the cursor silently.
class DeckGrid : public QTableView {
    Q_OBJECT
public:
    static constexpr int kDefaultRowHeight = 24;
    static constexpr int kDefaultColumnWidth = 35;

    explicit DeckGrid(DeckDocument& document, QWidget* parent = nullptr);
    ~DeckGrid() override;

    DeckDocument& document() const { return document_; }
    DeckTableModel& tableModel() const { return *model_; }
    int rowCount() const { return document_.rowCount(); }
    int columnCount() const { return document_.columnCount(); }
    std::string cellText(int row, int column) const { return document_.table().cellText(row, column); }

    int cursorRow() const;
    int cursorColumn() const;
    // Clears the selection and the cursor, then puts the cursor on the cell
    // (row or column 0 become 1); a cell outside the table leaves no cursor.
    void setCursorCell(int row, int column);

    // The bounding box of the selected cells, -1 each when none.
    CellRange selectedRange() const;
    // Selects the existing data cells of the range and nothing else; the
    // cursor stays.
    void selectCells(int row, int column) { selectCells(row, column, row, column); }
    void selectCells(int firstRow, int firstColumn, int lastRow, int lastColumn);
    void clearCellSelection();

    // Presentation by range; a range past the table is cut to it, a range
    // with a negative bound, inverted bounds or a corner outside is ignored.
    void setRangeTextColour(const CellRange& range, const QColor& colour);
    void setRangeFontFace(const CellRange& range, const QString& face);
    void setRangeFontHeight(const CellRange& range, int pixels);
    void setRangeAlignment(const CellRange& range, CellAlignment alignment);
    const GridPresentation& presentation() const { return presentation_; }

    // Commits the text of an open cell editor and closes it, so that a
    // command sees what the user typed.
    void finishEditing();

    // Width in pixels; 0 hides the column. -1 / ignored outside the table.
    int tableColumnWidth(int column) const;
    void setTableColumnWidth(int column, int width);

    // The clipboard, in Unicode text; hidden columns (width 0) take no part.
    // Copy: the selection's bounding box, nothing without a selection.
    void copyCells();
    // From the cursor cell, else the top-left visible data cell; never adds
    // rows. Refused cells keep their text and are reported by pasteRefused.
    void pasteCells();
    // Ctrl+X: copies, then empties what it copied of the selected cells and
    // of the cursor cell (with nothing selected, the cursor cell alone).
    void cutCells();
    // Delete: empties the cursor cell and the selection's bounding box.
    void clearCursorAndSelection();
    void selectAllCells() { selectCells(1, 1, rowCount(), columnCount()); }

signals:
    void cursorChanged();
    // A paste left `cells` cells alone because GBK has no code for a
    // character of theirs (the first: `character` at row, column); the
    // other cells were pasted.
    void pasteRefused(int cells, int row, int column, const QString& character);

protected:
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    std::pair<int, int> cursorCell() const { return {cursorRow(), cursorColumn()}; }
    void placeCursorSilently(int row, int column);
    void onCurrentChanged();
    void flushCursorChanged();
    void beforeStructureChange();
    void afterStructureChange(const DeckDocument::RowChange& change);
    std::optional<CellRange> clampedRange(const CellRange& range) const;
    bool runEditingKey(const QKeyEvent* event);
    std::vector<CellRange> selectedRanges() const;
    // Data columns first..last whose width is not 0.
    std::vector<int> visibleColumns(int first, int last) const;
    void copyBlock(const CellRange& block);
    void presentationChanged(const CellRange& range);

    DeckDocument& document_;
    GridPresentation presentation_;
    DeckTableModel* model_;
    int silent_ = 0;
    // A key or mouse action moves the cursor before it changes the
    // selection; the event waits for the end of the action (or, for moves
    // made elsewhere, such as a header click, for the event loop) so that
    // its handlers see both.
    int inputDepth_ = 0;
    bool cursorChangePending_ = false;
    std::pair<int, int> lastCursor_{-1, -1};
    std::pair<int, int> cursorBeforeChange_{-1, -1};
};

} // namespace galewright
