#pragma once

namespace galewright {

class ColumnConfig;
class DeckGrid;
class DialogService;

// Column widths between the grid and Width.set, and the length limits of
// Byte.set, in the settings directory of the ColumnConfig.
class ColumnSettingsCommands {
public:
    ColumnSettingsCommands(DeckGrid& grid, ColumnConfig& config, DialogService& dialogs);

    // Widths from Width.set onto the grid, limits from Byte.set; silent.
    void readColumnSettings();
    // The grid's widths of columns 1..45 into Width.set, with a box either way.
    void saveColumnWidths();

private:
    DeckGrid& grid_;
    ColumnConfig& config_;
    DialogService& dialogs_;
};

} // namespace galewright
