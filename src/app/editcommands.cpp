#include "editcommands.h"

#include "deckgrid.h"
#include "dialogservice.h"
#include "gridpresenter.h"

namespace galewright {

EditCommands::EditCommands(QWidget& window, DeckGrid& grid, GridPresenter& presenter, DialogService& dialogs)
    : window_(window), grid_(grid), presenter_(presenter), dialogs_(dialogs)
{
    connect(&grid_, &DeckGrid::pasteRefused, this, &EditCommands::refusePaste);
}

void EditCommands::insertRowAbove()
{
    int row = -1;
    presenter_.runBulkChange(
        [&] {
            row = grid_.cursorRow();
            // With no cursor (-1) the position appends.
            grid_.document().insertRows(row, 1);
        },
        [&] {
            // The grid kept the cursor's numbers, so it already stands on the
            // new row: setting it again raises no cursor event.
            const int column = grid_.cursorColumn();
            grid_.setCursorCell(row, column);
            grid_.selectCells(row, column);
        });
}

void EditCommands::insertRowBelow()
{
    int below = 0;
    presenter_.runBulkChange(
        [&] {
            below = grid_.cursorRow() + 1;
            // Below the last row, or with no cursor (0), the position appends.
            grid_.document().insertRows(below, 1);
        },
        [&] {
            const int column = grid_.cursorColumn();
            grid_.setCursorCell(below, column);
            grid_.selectCells(below, column);
        });
}

void EditCommands::appendRow()
{
    // The cursor keeps its numbers and inserting clears the selection.
    presenter_.runBulkChange([&] { grid_.document().insertRows(grid_.rowCount() + 1, 1); }, {});
}

void EditCommands::deleteSelectedRows()
{
    int row = -1;
    presenter_.runBulkChange(
        [&] {
            row = grid_.cursorRow();
            const CellRange selected = grid_.selectedRange();
            // Whole rows of the selection's bounding box, in one removal;
            // with nothing selected (-1) nothing goes.
            if (selected.firstRow >= 1)
                grid_.document().deleteRows(selected.firstRow, selected.lastRow);
        },
        [&] {
            // The old cursor row number, which now holds the record below the
            // deleted ones; none when the table no longer reaches it.
            grid_.setCursorCell(row, 1);
            grid_.selectCells(row, 1);
        });
}

void EditCommands::clearSelectedCells()
{
    grid_.finishEditing();
    const CellRange selected = grid_.selectedRange();
    grid_.document().clearRange(selected.firstRow, selected.firstColumn, selected.lastRow, selected.lastColumn);
}

void EditCommands::copyCells()
{
    grid_.finishEditing();
    grid_.copyCells();
}

void EditCommands::pasteCells()
{
    grid_.finishEditing();
    grid_.pasteCells();
}

void EditCommands::selectAllCells()
{
    grid_.finishEditing();
    grid_.selectAllCells();
}

void EditCommands::refusePaste(int cells, int row, int column, const QString& character)
{
    dialogs_.showMessage(&window_,
                         QStringLiteral("粘贴时有%1个单元格没有改变：它们的内容含有GBK没有的字符（第一个是第%2行第%3列的“%4”），"
                                        "这些单元格保留了原来的内容，其余单元格已经粘贴。")
                             .arg(cells)
                             .arg(row)
                             .arg(column)
                             .arg(character),
                         QStringLiteral("粘贴"), DialogService::Icon::Warning, DialogService::Buttons::Ok);
}

} // namespace galewright
