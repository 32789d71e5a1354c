#include "pickerlayout.h"

#include "textrules.h"

#include <cstdint>

namespace galewright {

ScrollBarState fitScrollBar(int maximum, int position)
{
    ScrollBarState bar{maximum, position, true};
    if (bar.position > bar.maximum)
        bar.position = bar.maximum;
    if (bar.position < 0)
        bar.position = 0;
    if (bar.maximum <= 0) {
        bar.maximum = 0;
        bar.enabled = false;
    }
    return bar;
}

PickerLayout computePickerLayout(int clientWidth, int clientHeight, int statusHeight, int mapWidth, int mapHeight,
                                 ScrollPositions positions)
{
    const int cw = clientWidth;
    const int ch = clientHeight;
    const int hs = statusHeight;
    const int bar = kPickerBarThickness;
    const int mapRight = cw - kColumnPanelWidth - 2 * bar; // cw - 220
    const int mapBottom = ch - bar - hs;

    PickerLayout layout;
    layout.toolRow = {0, 0, cw - kColumnPanelWidth - bar, kPickerToolRowHeight};
    layout.verticalBar = {mapRight, kPickerToolRowHeight, bar, ch - kPickerToolRowHeight - hs - bar};
    layout.horizontalBar = {0, mapBottom, mapRight, bar};
    layout.cornerFiller = {mapRight, mapBottom, bar, bar};
    layout.panelBar = {cw - bar, 0, bar, ch - hs};

    layout.vertical = fitScrollBar(mapHeight - ch + hs + kPickerToolRowHeight + bar, positions.vertical);
    layout.horizontal = fitScrollBar(mapWidth - mapRight, positions.horizontal);
    layout.panel = fitScrollBar(kColumnPanelHeight - ch + hs, positions.panel);

    layout.columnPanel = {cw - kColumnPanelWidth - bar, -layout.panel.position, kColumnPanelWidth,
                          kColumnPanelHeight};
    layout.canvas = {-layout.horizontal.position, kPickerToolRowHeight - layout.vertical.position, mapWidth,
                     mapHeight};
    return layout;
}

int wheelScrollPosition(int position, int maximum, int wheelDelta, int lineStep)
{
    const std::int64_t notches = wheelDelta / 120;
    std::int64_t moved = static_cast<std::int64_t>(position) - notches * lineStep;
    if (moved > maximum)
        moved = maximum;
    if (moved < 0)
        moved = 0;
    return static_cast<int>(moved);
}

PixelRect pickerPlacement(int outerWidth, int outerHeight, int clientWidth, int clientHeight, int statusHeight,
                          PixelRect centreOn)
{
    PixelRect placed;
    placed.width = outerWidth - clientWidth + kPickerFirstClientWidth;
    placed.height = outerHeight - clientHeight + statusHeight + kPickerFirstClientHeightBesideStatus;
    placed.left = centreOn.left + static_cast<int>(intDivide(centreOn.width - placed.width, 2));
    placed.top = centreOn.top + static_cast<int>(intDivide(centreOn.height - placed.height, 2));
    return placed;
}

} // namespace galewright
