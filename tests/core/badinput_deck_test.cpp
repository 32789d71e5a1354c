// Deck files nobody should have to open, read from disk as the editor reads
// them: each ends in a table that holds what the file held (within the
// reading rules) and that saves and reads back without losing a byte more.

#include "columnconfig.h"
#include "deckreader.h"
#include "decktable.h"
#include "deckwriter.h"
#include "decktestsupport.h"
#include "testsupport.h"
#include "textrules.h"
#include "wholefile.h"

#include <gtest/gtest.h>

#include <random>

using namespace galewright;
using namespace galewright::test;

namespace {

// Loads the file, saves the table beside it, loads the saved file: the
// non-empty rows must come back cell for cell, and a second save must give
// the same bytes.
void expectSaveKeepsEveryCell(const ScratchDir& dir, const DeckTable& table, const std::string& name)
{
    const ColumnConfig config = shippedSettings();
    const std::string saved = dir.file(name + ".saved");
    ASSERT_TRUE(writeDeck(saved, table, config)) << name;
    DeckTable back;
    loadDeckFile(back, saved);
    Rows expected;
    for (auto& row : rowsOf(table))
        if (!row.empty())
            expected.push_back(std::move(row));
    EXPECT_EQ(rowsOf(back), expected) << name;
    EXPECT_EQ(formatDeck(back, config).value(), readFile(saved)) << name;
}

} // namespace

TEST(BadDeckInput, OddBytesReadByTheRulesAndSaveWithoutLoss)
{
    std::string twoHundredFields;
    for (int k = 1; k <= 200; ++k)
        twoHundredFields += "f" + std::to_string(k) + ", ";
    Rows fortyFive(1);
    for (int k = 1; k <= 45; ++k)
        fortyFive[0].push_back("f" + std::to_string(k));

    struct Case {
        const char* name;
        std::string bytes;
        Rows rows;
    };
    const Case cases[] = {
        {"zero bytes", "", {}},
        // Not GBK at all: bytes are kept as they are, never repaired.
        {"invalid GBK", "WP, \x80\xFF, \xFF\xFF\xFE\n\xFE", {{"WP", "\x80\xFF", "\xFF\xFF\xFE\n"}}},
        // A lead byte before the line feed takes it as its second byte.
        {"lead byte at the end of a line", "WP, 01\x81\nWP, 02\n", {{"WP", "01\x81\nWP", "02"}}},
        // ... and one at the end of the file has nothing to take: dropped.
        {"lead byte at the end of the file", "WP, 01\nWP, 02\x81", {{"WP", "01"}, {"WP", "02"}}},
        {"NUL bytes end the text", std::string("WP, 01\nWP, 0") + '\0' + "2, 3\nlost\n", {{"WP", "01"}, {"WP", "0"}}},
        {"CR-only line ends make one line", "WP, 01\rWP, 02\rWP, 03\r", {{"WP", "01\rWP", "02\rWP", "03\r"}}},
        {"200 fields keep 45", twoHundredFields + "\n", fortyFive},
        {"only separators", ",,,,\n , , \n\n", {{}, {}}},
    };
    ScratchDir dir;
    for (const auto& c : cases) {
        const std::string path = dir.file(std::string(c.name) + ".dat");
        writeFile(path, c.bytes);
        DeckTable table;
        table.insertRows(1, 2); // whatever was open before is replaced
        loadDeckFile(table, path);
        EXPECT_EQ(rowsOf(table), c.rows) << c.name;
        EXPECT_EQ(readFile(path), c.bytes) << c.name; // reading never touches the file
        expectSaveKeepsEveryCell(dir, table, c.name);
    }
}

TEST(BadDeckInput, RandomBinaryLoadsWithinTheTableShape)
{
    ScratchDir dir;
    for (unsigned seed = 1; seed <= 4; ++seed) {
        std::string bytes = randomBytes(256 * 1024, seed);
        if (seed % 2 == 0) // without zero bytes, so the reader sees all of it
            for (auto& c : bytes)
                if (c == '\0')
                    c = '\n';
        const std::string name = "random" + std::to_string(seed);
        writeFile(dir.file(name), bytes);
        DeckTable table;
        loadDeckFile(table, dir.file(name));
        ASSERT_GE(table.rowCount(), 1);
        for (int r = 1; r < table.rowCount(); ++r) {
            ASSERT_LE(table.lastFilledColumn(r), 45);
        }
        if (seed % 2 == 0) {
            EXPECT_GT(table.rowCount(), 100);
        }
        expectSaveKeepsEveryCell(dir, table, name);
    }
}

TEST(BadDeckInput, FiftyMegabyteLineWithoutLineFeed)
{
    ScratchDir dir;
    const std::size_t size = 50u << 20;
    std::string bytes = "WP, 01, ";
    bytes.resize(size, 'x');
    const std::string path = dir.file("long.dat");
    writeFile(path, bytes);
    bytes.clear();
    bytes.shrink_to_fit();

    DeckTable table;
    loadDeckFile(table, path);
    ASSERT_EQ(table.rowCount(), 2);
    EXPECT_EQ(table.cellText(1, 1), "WP");
    EXPECT_EQ(table.dataCell(1, 3).size(), size - 8);
    EXPECT_EQ(table.lastFilledColumn(1), 3);
    expectSaveKeepsEveryCell(dir, table, "long");
}

TEST(BadDeckInput, AMillionLines)
{
    ScratchDir dir;
    constexpr int kLines = 1'000'000;
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(kLines) * 40);
    for (int i = 0; i < kLines; ++i) {
        bytes += "WP, ";
        bytes += std::to_string(i % 100);
        bytes += ", 2014010100, , BEST, 0, 92N, ";
        bytes += std::to_string(i);
        bytes += '\n';
    }
    const std::string path = dir.file("million.dat");
    writeFile(path, bytes);

    DeckTable table;
    loadDeckFile(table, path);
    ASSERT_EQ(table.rowCount(), kLines + 1);
    EXPECT_EQ(table.cellText(kLines, 8), std::to_string(kLines - 1));
    EXPECT_EQ(table.cellText(1, 2), "0");

    const ColumnConfig config = shippedSettings();
    ASSERT_TRUE(writeDeck(dir.file("million.saved"), table, config));
    DeckTable back;
    loadDeckFile(back, dir.file("million.saved"));
    ASSERT_EQ(back.rowCount(), table.rowCount());
    for (int r = 1; r < table.rowCount(); r += 997)
        for (int k = 1; k <= 8; ++k)
            ASSERT_EQ(back.dataCell(r, k), table.dataCell(r, k)) << r << "," << k;
    EXPECT_EQ(back.cellText(kLines, 8), std::to_string(kLines - 1));
}
