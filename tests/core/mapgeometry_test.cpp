#include "mapgeometry.h"
#include "pickerlayout.h"

#include <gtest/gtest.h>

using namespace galewright;

namespace {

enum class Way { LonText, LatText, Column, Row };

// One conversion on a map of the given size: a text to its pixel
// (LonText, LatText), or a pixel to its entry and readout texts (Column,
// Row).
struct GeometryCase {
    int width;
    int height;
    Way way;
    const char* text;
    int pixel;
    const char* entry;
    const char* readout;
};

std::ostream& operator<<(std::ostream& out, const GeometryCase& c)
{
    return out << c.width << "x" << c.height << " " << (c.text ? c.text : "") << " pixel " << c.pixel;
}

} // namespace

TEST(MapGeometry, ConvertsLikeTheDecksExpect)
{
    const GeometryCase cases[] = {
        // 360 x 180: one pixel a degree.
        {360, 180, Way::LonText, "1200E", 120, nullptr, nullptr},
        {360, 180, Way::LonText, "1200W", 240, nullptr, nullptr},
        {360, 180, Way::LatText, "235N", 66, nullptr, nullptr},
        {360, 180, Way::LatText, "235S", 113, nullptr, nullptr},
        {360, 180, Way::LatText, "900N", 0, nullptr, nullptr},
        {360, 180, Way::LatText, "900S", 180, nullptr, nullptr}, // off the map
        {360, 180, Way::Column, nullptr, 120, "1200E", "120.0E"},
        {360, 180, Way::Column, nullptr, 180, "1800E", "180.0E"}, // the middle column is east
        {360, 180, Way::Column, nullptr, 181, "1790W", "179.0W"},
        {360, 180, Way::Column, nullptr, 0, "0E", "0.0E"},
        {360, 180, Way::Row, nullptr, 66, "240N", "24.0N"},
        {360, 180, Way::Row, nullptr, 90, "0N", "0.0N"}, // the equator row is north
        {360, 180, Way::Row, nullptr, 91, "10S", "1.0S"},
        // Hemisphere letters in either case, or none at all.
        {360, 180, Way::LonText, "1234w", 236, nullptr, nullptr},
        {360, 180, Way::LonText, "1234W", 236, nullptr, nullptr},
        {360, 180, Way::LonText, "1234", 123, nullptr, nullptr},
        {360, 180, Way::LonText, "1234E", 123, nullptr, nullptr},
        {360, 180, Way::LatText, "123s", 102, nullptr, nullptr},
        {360, 180, Way::LatText, "123S", 102, nullptr, nullptr},
        {360, 180, Way::LatText, "123", 77, nullptr, nullptr},
        {360, 180, Way::LatText, " 123n", 77, nullptr, nullptr},
        // Texts that are no coordinates still give a pixel.
        {360, 180, Way::LonText, "", 0, nullptr, nullptr},
        {360, 180, Way::LatText, "", 90, nullptr, nullptr},
        {360, 180, Way::LonText, "2000E", 200, nullptr, nullptr}, // the column of 1600W
        {360, 180, Way::LonText, "1600W", 200, nullptr, nullptr},
        {360, 180, Way::LonText, "3700E", 370, nullptr, nullptr}, // beyond the map
        {360, 180, Way::LatText, "950N", -5, nullptr, nullptr},
        {360, 180, Way::LonText, "12.5E", 1, nullptr, nullptr}, // the number ends at the point
        // 1000 x 500: the single-precision factors lie just below 1000 / 360
        // and 500 / 180, which moves 180°E and the equator one pixel.
        {1000, 500, Way::LonText, "1800E", 499, nullptr, nullptr},
        {1000, 500, Way::LatText, "0N", 249, nullptr, nullptr},
        {1000, 500, Way::Column, nullptr, 500, "1800E", "180.0E"},
        {1000, 500, Way::Row, nullptr, 250, "0N", "0.0N"}, // a few millionths below zero, no sign
        {1000, 500, Way::Column, nullptr, 501, "1796W", "179.6W"},
        {1000, 500, Way::Column, nullptr, 999, "4W", "0.4W"},
        // 720 x 360: half-degree pixels.
        {720, 360, Way::Column, nullptr, 361, "1795W", "179.5W"},
        {720, 360, Way::Row, nullptr, 359, "895S", "89.5S"},
        {720, 360, Way::Row, nullptr, 0, "900N", "90.0N"},
        {720, 360, Way::LonText, "1795W", 361, nullptr, nullptr},
    };
    for (const GeometryCase& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c));
        MapGeometry geometry;
        ASSERT_TRUE(geometry.setMapSize(c.width, c.height));
        switch (c.way) {
        case Way::LonText:
            EXPECT_EQ(geometry.lonTextToX(c.text), c.pixel);
            break;
        case Way::LatText:
            EXPECT_EQ(geometry.latTextToY(c.text), c.pixel);
            break;
        case Way::Column:
        case Way::Row: {
            const MapCoordinate at = c.way == Way::Column ? geometry.xToLongitude(c.pixel) : geometry.yToLatitude(c.pixel);
            EXPECT_EQ(at.entryText(), c.entry);
            EXPECT_EQ(at.readoutText(), c.readout);
            break;
        }
        }
    }
}

TEST(MapGeometry, KeepsItsSizeAgainstNonsense)
{
    MapGeometry geometry;
    EXPECT_EQ(geometry.width(), 360);
    EXPECT_EQ(geometry.height(), 180);
    EXPECT_TRUE(geometry.setMapSize(1000, 500));
    EXPECT_LT(static_cast<double>(geometry.scaleX()), 1000.0 / 360.0);
    EXPECT_FALSE(geometry.setMapSize(0, 500));
    EXPECT_FALSE(geometry.setMapSize(1000, -1));
    EXPECT_EQ(geometry.width(), 1000);
    EXPECT_EQ(geometry.lonTextToX("1800E"), 499);
    // Numbers far past a large map saturate instead of overflowing.
    ASSERT_TRUE(geometry.setMapSize(36000, 18000));
    EXPECT_EQ(geometry.lonTextToX("2147483647E"), 2147483647);
    EXPECT_EQ(geometry.latTextToY("2147483647N"), -2147483647 - 1);
    geometry.reset();
    EXPECT_EQ(geometry.width(), 360);
    EXPECT_EQ(geometry.lonTextToX("1800E"), 180);
}

TEST(PickerLayout, FirstSizeShowsTheSmallestMapWhole)
{
    const int hs = 22;
    const PickerLayout first = computePickerLayout(580, hs + 225, hs, 360, 180, {});
    // The viewport between tool row, map bars and panel is 360 x 180.
    EXPECT_EQ(first.horizontalBar.width, 360);
    EXPECT_EQ(first.verticalBar.height, 180);
    EXPECT_EQ(first.horizontal, (ScrollBarState{0, 0, false}));
    EXPECT_EQ(first.vertical, (ScrollBarState{0, 0, false}));
    EXPECT_EQ(first.panel, (ScrollBarState{855, 0, true}));
    EXPECT_EQ(first.toolRow, (PixelRect{0, 0, 380, 25}));
    EXPECT_EQ(first.verticalBar, (PixelRect{360, 25, 20, 180}));
    EXPECT_EQ(first.horizontalBar, (PixelRect{0, 205, 360, 20}));
    EXPECT_EQ(first.cornerFiller, (PixelRect{360, 205, 20, 20}));
    EXPECT_EQ(first.columnPanel, (PixelRect{380, 0, 180, 1080}));
    EXPECT_EQ(first.panelBar, (PixelRect{560, 0, 20, 225}));
    EXPECT_EQ(first.canvas, (PixelRect{0, 25, 360, 180}));

    // A large map gets scroll ranges; positions beyond them are pulled back.
    const PickerLayout large = computePickerLayout(580, hs + 225, hs, 2000, 1000, {5000, 300, -4});
    EXPECT_EQ(large.horizontal, (ScrollBarState{1640, 1640, true}));
    EXPECT_EQ(large.vertical, (ScrollBarState{820, 300, true}));
    EXPECT_EQ(large.panel, (ScrollBarState{855, 0, true}));
    EXPECT_EQ(large.canvas, (PixelRect{-1640, 25 - 300, 2000, 1000}));

    // A window taller than the panel disables its bar.
    const PickerLayout tall = computePickerLayout(580, 1200, hs, 360, 180, {0, 0, 100});
    EXPECT_EQ(tall.panel, (ScrollBarState{0, 0, false}));
    EXPECT_EQ(tall.columnPanel.top, 0);
}

TEST(PickerLayout, WheelMovesALineStepPerNotch)
{
    // One notch towards the user (negative delta) with Ctrl: the horizontal
    // bar moves 10 to the right, so the canvas moves 10 to the left.
    const int moved = wheelScrollPosition(0, 1640, -120, kMapLineStep);
    EXPECT_EQ(moved, 10);
    EXPECT_EQ(computePickerLayout(580, 247, 22, 2000, 1000, {moved, 0, 0}).canvas.left, -10);

    EXPECT_EQ(wheelScrollPosition(50, 855, 120, kPanelLineStep), 26);
    EXPECT_EQ(wheelScrollPosition(10, 820, 360, kMapLineStep), 0);       // stops at 0
    EXPECT_EQ(wheelScrollPosition(815, 820, -240, kMapLineStep), 820);   // stops at the maximum
    EXPECT_EQ(wheelScrollPosition(40, 820, 119, kMapLineStep), 40);      // less than a notch
    EXPECT_EQ(wheelScrollPosition(40, 820, -2147483647 - 1, kMapLineStep), 820);
    EXPECT_EQ(wheelScrollPosition(40, 0, -120, kMapLineStep), 0);        // a disabled bar
}

TEST(PickerLayout, FirstPlacementCentresOnTheMainWindow)
{
    // Frame of 8 + 8 by 31 + 8; the client becomes 580 x (22 + 225).
    const PixelRect main{100, 50, 1000, 700};
    EXPECT_EQ(pickerPlacement(400, 339, 384, 300, 22, main), (PixelRect{100 + 202, 50 + 207, 596, 286}));
    // Odd differences and a main window smaller than the picker both
    // truncate toward zero.
    EXPECT_EQ(pickerPlacement(400, 339, 384, 300, 22, PixelRect{0, 0, 301, 1}),
              (PixelRect{-147, -142, 596, 286}));
    // Without a main window the screen takes its place.
    EXPECT_EQ(pickerPlacement(596, 286, 580, 247, 22, PixelRect{0, 0, 1920, 1080}),
              (PixelRect{662, 397, 596, 286}));
}
