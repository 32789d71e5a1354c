#pragma once

#include "checkreporter.h"

class QWidget;

namespace galewright {

class ColumnConfig;
class DeckGrid;
class DialogService;
class GridPresenter;

// The window's side of the check run ("&C.检查错误"): cursor moves through
// the grid (the status bar follows), red text through the grid's colour
// ranges, and the run's boxes through the dialog service, owned by the
// main window.
class CheckController : public CheckReporter {
public:
    CheckController(QWidget& window, DeckGrid& grid, GridPresenter& presenter, const ColumnConfig& config,
                    DialogService& dialogs);

    void checkErrors();

    void moveCursor(int row, int column) override;
    void setTextColour(int firstRow, int firstColumn, int lastRow, int lastColumn, std::uint32_t colour) override;
    CheckAnswer showWarning(const CheckViolation& violation) override;
    void showSummary(const std::string& message) override;
    void refreshStatusBar() override;

private:
    QWidget& window_;
    DeckGrid& grid_;
    GridPresenter& presenter_;
    const ColumnConfig& config_;
    DialogService& dialogs_;
};

} // namespace galewright
