#pragma once

// The arithmetic of the picker window's frame, kept apart from any toolkit:
// where each part goes for a client size, the scroll bars' ranges, the wheel
// and the window's first place. The window only applies the numbers.
//
// The map canvas lies beneath the other parts; only the viewport from
// (0, 25) to (cw - 220, ch - 20 - hs) shows it.

namespace galewright {

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

struct ScrollBarState {
    int maximum = 0;
    int position = 0;
    bool enabled = false;

    friend bool operator==(const ScrollBarState&, const ScrollBarState&) = default;
};

struct ScrollPositions {
    int horizontal = 0;
    int vertical = 0;
    int panel = 0;
};

inline constexpr int kPickerToolRowHeight = 25;
inline constexpr int kPickerBarThickness = 20;
inline constexpr int kColumnPanelWidth = 180;
inline constexpr int kColumnPanelRowHeight = 24;
inline constexpr int kColumnPanelRows = 45;
inline constexpr int kColumnPanelHeight = kColumnPanelRows * kColumnPanelRowHeight; // 1080
inline constexpr int kMapLineStep = 10;
inline constexpr int kMapPageStep = 100;
inline constexpr int kPanelLineStep = kColumnPanelRowHeight;
inline constexpr int kPanelPageStep = 2 * kColumnPanelRowHeight;
// The first client size is 580 x (hs + 225): a viewport of exactly the
// smallest map allowed, 360 x 180.
inline constexpr int kPickerFirstClientWidth = 580;
inline constexpr int kPickerFirstClientHeightBesideStatus = 225;

struct PickerLayout {
    PixelRect toolRow;
    PixelRect verticalBar;
    PixelRect horizontalBar;
    PixelRect cornerFiller;
    PixelRect columnPanel;
    PixelRect panelBar;
    PixelRect canvas;
    ScrollBarState horizontal;
    ScrollBarState vertical;
    ScrollBarState panel;
};

// Keeps a position within [0, maximum]; a maximum of 0 or less becomes 0
// and disables the bar.
ScrollBarState fitScrollBar(int maximum, int position);

// Every part's place and the three bars for a client area of cw x ch with a
// status bar hs high, a map of mapWidth x mapHeight and the bars' current
// positions. Parts of a window smaller than its fixed frame come out with
// negative sizes; they are simply not visible.
PickerLayout computePickerLayout(int clientWidth, int clientHeight, int statusHeight, int mapWidth, int mapHeight,
                                 ScrollPositions positions);

// The bar position after a wheel turn of `wheelDelta` (positive away from
// the user, 120 a notch; partial notches do nothing), moved a line step per
// notch and kept within [0, maximum].
int wheelScrollPosition(int position, int maximum, int wheelDelta, int lineStep);

// The picker window's first outer rectangle: the outer size grows or shrinks
// so that the client area becomes 580 x (hs + 225), and it is centred on
// `centreOn` (the main window's outer rectangle, or the screen at 0, 0).
PixelRect pickerPlacement(int outerWidth, int outerHeight, int clientWidth, int clientHeight, int statusHeight,
                          PixelRect centreOn);

} // namespace galewright
