#include "decktable.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace galewright;
using galewright::test::gbk;

namespace {

DeckTable tableWithRows(int rows)
{
    DeckTable table;
    for (int r = 1; r <= rows; ++r) {
        const std::string text = "r" + std::to_string(r);
        const std::string_view field = text;
        table.appendRow(std::span<const std::string_view>(&field, 1));
    }
    return table;
}

std::vector<std::string> column1(const DeckTable& table)
{
    std::vector<std::string> texts;
    for (int r = 1; r < table.rowCount(); ++r)
        texts.push_back(table.cellText(r, 1));
    return texts;
}

} // namespace

TEST(DeckTable, StartsWithTheHeaderRowOnly)
{
    DeckTable table;
    EXPECT_EQ(table.rowCount(), 1);
    EXPECT_EQ(table.columnCount(), 46);
    EXPECT_EQ(table.cellText(1, 1), gbk("假"));
    EXPECT_FALSE(table.setCellText(1, 1, "x"));
    EXPECT_EQ(table.rowCount(), 1);
    EXPECT_EQ(table.cellText(0, 0), "");
}

TEST(DeckTable, OutsideCellsReadFalseAndIgnoreWrites)
{
    DeckTable table = tableWithRows(2);
    for (int r : {0, 1, 2}) {
        EXPECT_EQ(table.cellText(r, 46), gbk("假"));
        EXPECT_FALSE(table.setCellText(r, 46, "x"));
    }
    EXPECT_EQ(table.cellText(-1, 1), gbk("假"));
    EXPECT_EQ(table.cellText(3, 1), gbk("假"));
    EXPECT_EQ(table.cellText(1, -1), gbk("假"));
}

TEST(DeckTable, StoresTextsUnchanged)
{
    DeckTable table = tableWithRows(1);
    const std::string texts[] = {"  padded  ", "a,b", "\r", gbk("台风"), std::string(70000, 'x'), ""};
    int column = 45;
    for (const auto& text : texts) {
        ASSERT_TRUE(table.setCellText(1, column, text));
        EXPECT_EQ(table.cellText(1, column), text);
        --column;
    }
    // Earlier cells survive rebuilding the row around them, short and long.
    EXPECT_EQ(table.cellText(1, 45), "  padded  ");
    EXPECT_EQ(table.cellText(1, 41), std::string(70000, 'x'));
    EXPECT_EQ(table.cellText(1, 1), "r1");
    EXPECT_EQ(table.lastFilledColumn(1), 45);
    ASSERT_TRUE(table.setCellText(1, 45, ""));
    EXPECT_EQ(table.lastFilledColumn(1), 44);
}

TEST(DeckTable, InsertRowPositions)
{
    for (int position : {0, -1, 3, 99}) {
        DeckTable table = tableWithRows(2);
        EXPECT_EQ(table.insertRow(position), 3) << position;
        EXPECT_EQ(column1(table), (std::vector<std::string>{"r1", "r2", ""}));
    }
    DeckTable table = tableWithRows(2);
    EXPECT_EQ(table.insertRow(1), 1);
    EXPECT_EQ(column1(table), (std::vector<std::string>{"", "r1", "r2"}));
    EXPECT_EQ(table.insertRows(2, 3), 2);
    EXPECT_EQ(column1(table), (std::vector<std::string>{"", "", "", "", "r1", "r2"}));
}

TEST(DeckTable, DeleteRowNeverTouchesTheHeader)
{
    DeckTable table = tableWithRows(3);
    EXPECT_FALSE(table.deleteRow(table.rowCount()));
    EXPECT_FALSE(table.deleteRow(0));
    EXPECT_FALSE(table.deleteRow(-1));
    EXPECT_TRUE(table.deleteRow(2));
    EXPECT_EQ(column1(table), (std::vector<std::string>{"r1", "r3"}));
    EXPECT_TRUE(table.deleteRows(-5, 100));
    EXPECT_EQ(table.rowCount(), 1);
    EXPECT_FALSE(table.deleteRows(1, 1));
}

TEST(DeckTable, ClearRangeClampsAndRefuses)
{
    DeckTable table = tableWithRows(3);
    table.numberHeaders();
    table.setCellText(2, 45, "x");
    EXPECT_TRUE(table.clearRange(1, 1, 1000, 1000));
    for (int r = 1; r <= 3; ++r) {
        EXPECT_EQ(table.cellText(r, 1), "");
        EXPECT_EQ(table.cellText(r, 45), "");
        EXPECT_EQ(table.cellText(r, 0), std::to_string(r));
    }
    EXPECT_EQ(table.cellText(0, 7), "7");

    table.setCellText(1, 1, "keep");
    for (auto bounds : std::vector<std::array<int, 4>>{
             {-1, 1, 2, 2}, {2, 1, 1, 2}, {1, 3, 1, 2}, {4, 1, 4, 1}, {1, 46, 1, 46}})
        EXPECT_FALSE(table.clearRange(bounds[0], bounds[1], bounds[2], bounds[3]));
    EXPECT_EQ(table.cellText(1, 1), "keep");
}

TEST(DeckTable, SetRowCellsWritesLikeSetCellText)
{
    DeckTable table = tableWithRows(2);
    table.numberHeaders();
    const std::pair<int, std::string_view> cells[] = {{3, "c"}, {1, ""}, {45, "last"}, {46, "lost"}, {-1, "lost"}};
    EXPECT_TRUE(table.setRowCells(2, cells));
    EXPECT_EQ(table.cellText(2, 1), "");
    EXPECT_EQ(table.cellText(2, 2), "");
    EXPECT_EQ(table.cellText(2, 3), "c");
    EXPECT_EQ(table.cellText(2, 45), "last");
    EXPECT_EQ(table.cellText(2, 0), "2");
    EXPECT_EQ(table.cellText(1, 1), "r1");

    const std::pair<int, std::string_view> header[] = {{0, "007"}, {2, "b"}};
    EXPECT_TRUE(table.setRowCells(1, header));
    EXPECT_EQ(table.cellText(1, 0), "007");
    EXPECT_EQ(table.cellText(1, 1), "r1");
    EXPECT_EQ(table.cellText(1, 2), "b");
    const std::pair<int, std::string_view> number[] = {{0, "12"}};
    EXPECT_TRUE(table.setRowCells(1, number));
    EXPECT_EQ(table.cellText(1, 0), "12");
    EXPECT_FALSE(table.setRowCells(3, number));
    EXPECT_FALSE(table.setRowCells(-1, number));
}

TEST(DeckTable, HeadersAreOrdinaryCells)
{
    DeckTable table = tableWithRows(3);
    EXPECT_EQ(table.cellText(2, 0), "");
    table.numberHeaders();
    EXPECT_EQ(table.cellText(2, 0), "2");
    EXPECT_EQ(table.cellText(0, 45), "45");
    EXPECT_EQ(table.cellText(0, 0), "");
    // A new row's number is empty and the ones below stay stale until renumbered.
    table.insertRow(1);
    EXPECT_EQ(table.cellText(1, 0), "");
    EXPECT_EQ(table.cellText(2, 0), "1");
    // Any text can stand in column 0.
    for (const std::string text : {"007", "x", "0", "", "4294967296"}) {
        EXPECT_TRUE(table.setCellText(3, 0, text));
        EXPECT_EQ(table.cellText(3, 0), text);
    }
    table.numberHeaders();
    EXPECT_EQ(table.cellText(3, 0), "3");
    EXPECT_EQ(table.cellText(3, 1), "r2");
}
