#pragma once

#include <QObject>

#include <functional>

namespace galewright {

class ColumnConfig;
class DeckGrid;
class StatusPanel;

// What the grid and the status bar show: numbering, alignment and fonts
// (applyGridPresentation), the three status parts (refreshStatusBar), and
// the frame every wholesale row change runs in (runBulkChange).
class GridPresenter : public QObject {
    Q_OBJECT
public:
    GridPresenter(DeckGrid& grid, StatusPanel& status, const ColumnConfig& config, QObject* parent = nullptr);

    void applyGridPresentation();
    // Also the handler of the grid's cursor-changed event.
    void refreshStatusBar();
    // Hide the grid, make the change, place cursor and selection, present,
    // show, refresh the status bar, focus the grid.
    void runBulkChange(const std::function<void()>& change, const std::function<void()>& placeCursor);

signals:
    // Raised by every status refresh with the cursor row (-1 for none); the
    // coordinate picker follows it while it is open.
    void cursorRowShown(int row);

private:
    DeckGrid& grid_;
    StatusPanel& status_;
    const ColumnConfig& config_;
};

} // namespace galewright
