#pragma once

#include <QObject>

class QWidget;

namespace galewright {

class DeckGrid;
class DialogService;
class GridPresenter;

// The Edit menu: inserting rows above, below or after the cursor row,
// deleting the selected rows, emptying the selected cells, and copy, paste
// and select all through the grid. The row commands run in the presenter's
// bulk-change frame; the cell commands touch nothing but the cells. Each
// command first commits an open cell editor, so it sees what was typed.
class EditCommands : public QObject {
    Q_OBJECT
public:
    EditCommands(QWidget& window, DeckGrid& grid, GridPresenter& presenter, DialogService& dialogs);

    void insertRowAbove();
    void insertRowBelow();
    void appendRow();
    void deleteSelectedRows();
    void clearSelectedCells();
    void copyCells();
    void pasteCells();
    void selectAllCells();

private:
    void refusePaste(int cells, int row, int column, const QString& character);

    QWidget& window_;
    DeckGrid& grid_;
    GridPresenter& presenter_;
    DialogService& dialogs_;
};

} // namespace galewright
