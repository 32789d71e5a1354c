#include "columnsettingscommands.h"

#include "columnconfig.h"
#include "deckgrid.h"
#include "dialogservice.h"

#include <algorithm>

namespace galewright {

ColumnSettingsCommands::ColumnSettingsCommands(DeckGrid& grid, ColumnConfig& config, DialogService& dialogs)
    : grid_(grid), config_(config), dialogs_(dialogs)
{
}

void ColumnSettingsCommands::readColumnSettings()
{
    config_.readColumnSettings();
    const std::vector<int>& widths = config_.columnWidths();
    // An entry past the grid's last column has no column to size.
    const int count = std::min(static_cast<int>(widths.size()), grid_.columnCount() - 1);
    for (int k = 1; k <= count; ++k)
        grid_.setTableColumnWidth(k, widths[static_cast<std::size_t>(k - 1)]);
}

void ColumnSettingsCommands::saveColumnWidths()
{
    std::vector<int> widths;
    for (int k = 1; k < grid_.columnCount(); ++k)
        widths.push_back(grid_.tableColumnWidth(k));
    const QString title = QStringLiteral("保存列宽");
    if (config_.saveColumnWidths(widths))
        dialogs_.showMessage(nullptr, QStringLiteral("列宽保存成功。"), title, DialogService::Icon::Information,
                             DialogService::Buttons::Ok);
    else
        dialogs_.showMessage(nullptr, QStringLiteral("列宽保存失败！"), title, DialogService::Icon::Warning,
                             DialogService::Buttons::Ok);
}

} // namespace galewright
