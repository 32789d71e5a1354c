#include "columnconfig.h"
#include "deckreader.h"
#include "deckwriter.h"
#include "decktestsupport.h"
#include "testsupport.h"
#include "textrules.h"
#include "wholefile.h"

#include <gtest/gtest.h>

using namespace galewright;
using namespace galewright::test;

namespace {

DeckTable load(std::string_view text)
{
    DeckTable table;
    table.appendRow(std::vector<std::string_view>{"stale"}); // replaced by every load
    loadDeckText(table, text);
    return table;
}

ColumnConfig limits(std::vector<std::string> entries)
{
    ColumnConfig config;
    config.setLengthLimits(std::move(entries));
    return config;
}

} // namespace

TEST(DeckReading, LinesAndFields)
{
    struct Case {
        const char* name;
        std::string text;
        Rows rows;
    };
    const Case cases[] = {
        {"trailing line feed adds no row", "a\nb\n", {{"a"}, {"b"}}},
        {"no final line feed", "a\nb", {{"a"}, {"b"}}},
        {"fields trimmed", "WP, 01, 2014011618", {{"WP", "01", "2014011618"}}},
        {"writer's line", "WP, 01,   , BEST, \n", {{"WP", "01", "", "BEST"}}},
        {"adjacent commas", "a,,b", {{"a", "", "b"}}},
        {"leading comma", ",a", {{"", "a"}}},
        {"empty lines add no row", "\n\na\n\n\nb", {{"a"}, {"b"}}},
        {"blank line gives an empty row", "a\n   \nb", {{"a"}, {}, {"b"}}},
        {"tab stays", "\ta\t,b", {{"\ta\t", "b"}}},
        {"carriage returns stay", "a,b\r\n\r\nc,\r\n", {{"a", "b\r"}, {"\r"}, {"c", "\r"}}},
        {"one field per line", "x\ny", {{"x"}, {"y"}}},
        {"double-byte comma is no separator", "\x81,b,c", {{"\x81,b", "c"}}},
        {"lead byte keeps the line feed", "a\x81\nb", {{"a\x81\nb"}}},
        {"full-width blanks trimmed", "\xA1\xA1" "AL\xA1\xA1,x", {{"AL", "x"}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rowsOf(load(c.text)), c.rows) << c.name;
}

TEST(DeckReading, KeepsFortyFiveFieldsOfAtMostFortySix)
{
    std::string line;
    for (int k = 1; k <= 50; ++k)
        line += "f" + std::to_string(k) + ",";
    const DeckTable table = load(line);
    ASSERT_EQ(table.rowCount(), 2);
    EXPECT_EQ(table.cellText(1, 45), "f45");
    EXPECT_EQ(table.lastFilledColumn(1), 45);
}

TEST(DeckReading, FileStopsAtTheFirstZeroByteAndMissingFilesReadEmpty)
{
    ScratchDir dir;
    writeFile(dir.file("zero.dat"), std::string("a,b\nc\0d\ne", 9));
    DeckTable table;
    loadDeckFile(table, dir.file("zero.dat"));
    EXPECT_EQ(rowsOf(table), (Rows{{"a", "b"}, {"c"}}));
    loadDeckFile(table, dir.file("missing.dat"));
    EXPECT_EQ(table.rowCount(), 1);
    loadDeckFile(table, dir.path().string());
    EXPECT_EQ(table.rowCount(), 1);
}

TEST(DeckWriting, PadsFixedFieldsAndEndsEveryField)
{
    const ColumnConfig config = shippedSettings();
    struct Case {
        const char* name;
        Rows rows;
        std::string bytes;
    };
    const Case cases[] = {
        {"three fields", {{"WP", "1", "2014011618"}}, "WP,  1, 2014011618, \n"},
        {"empty cell between filled ones", {{"WP", "01", "2014011618", "", "BEST"}},
         "WP, 01, 2014011618,   , BEST, \n"},
        {"too long is written whole", {{"WPX", "12345"}}, "WPX, 12345, \n"},
        {"blanks count as filled", {{"WP", "", "", "  "}}, "WP,   ,           ,     , \n"},
        {"all-empty rows write nothing", {{}, {"a"}, {}}, " a, \n"},
        {"comma written unchanged", {{"a,b"}}, "a,b, \n"},
    };
    for (const auto& c : cases) {
        DeckTable table;
        for (const auto& row : c.rows) {
            std::vector<std::string_view> fields(row.begin(), row.end());
            table.appendRow(fields);
        }
        EXPECT_EQ(formatDeck(table, config).value(), c.bytes) << c.name;
    }
    DeckTable free;
    std::vector<std::string_view> fields(36, "x");
    free.appendRow(fields);
    const std::string line = formatDeck(free, config).value();
    EXPECT_EQ(line.substr(line.size() - 7), "x, x, \n"); // column 36: no padding

    EXPECT_EQ(formatDeck(DeckTable(), config).value(), "");
}

TEST(DeckWriting, MissingOrOddWidthsPadNothing)
{
    DeckTable table;
    table.appendRow(std::vector<std::string_view>{"a", "b", "c"});
    EXPECT_EQ(formatDeck(table, limits({})).value(), "a, b, c, \n");
    EXPECT_EQ(formatDeck(table, limits({"3", "-4", "x"})).value(), "  a, b, c, \n");
    EXPECT_EQ(formatDeck(table, limits({" 2 "})).value(), " a, b, c, \n");
    // Widths no deck could fill are refused rather than exhausting memory.
    EXPECT_FALSE(formatDeck(table, limits({"2147483647", "2147483647", "2147483647", "2147483647", "2147483647"})));
}

TEST(DeckWriting, WritingThenReadingGivesTheSameCells)
{
    const Rows rows = {{"WP", "01", "2014011618", "", "BEST", "0", "92N", "1284E"},
                       {"a", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "",
                        "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "z"},
                       {gbk("台风"), "x"}};
    DeckTable table;
    for (const auto& row : rows)
        table.appendRow(std::vector<std::string_view>(row.begin(), row.end()));
    table.insertRow(2); // an empty row disappears on the way
    const DeckTable back = load(formatDeck(table, shippedSettings()).value());
    EXPECT_EQ(rowsOf(back), rows);
}

TEST(DeckWriting, RealDecksRoundTrip)
{
    const ColumnConfig config = shippedSettings();
    int sameBytes = 0;
    int decks = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(testData("realdata"))) {
        if (entry.path().extension() != ".dat")
            continue;
        ++decks;
        const std::string original = readFile(entry.path());
        DeckTable table;
        loadDeckText(table, original);
        const std::string once = formatDeck(table, config).value();
        DeckTable again;
        loadDeckText(again, once);
        EXPECT_EQ(rowsOf(again), rowsOf(table)) << entry.path();
        EXPECT_EQ(formatDeck(again, config).value(), once) << entry.path();
        if (once == original)
            ++sameBytes;
        // JTWC decks come back byte for byte except the one line where the
        // agency pads field 36 and leaves off the final ", ".
        if (entry.path().parent_path().filename() == "wp2014") {
            const auto lines = splitText(original, "\n");
            const auto written = splitText(once, "\n");
            ASSERT_EQ(lines.size(), written.size()) << entry.path();
            for (std::size_t i = 0; i < lines.size(); ++i) {
                if (lines[i].find("TRANSITIONED") == std::string::npos) {
                    EXPECT_EQ(written[i], lines[i]) << entry.path() << " line " << i + 1;
                }
            }
        }
    }
    EXPECT_EQ(decks, 32);
    EXPECT_GE(sameBytes, 7);
}

TEST(WholeFile, WriteReplacesAtomicallyAndRefusesBadTargets)
{
    ScratchDir dir;
    const std::string path = dir.file("deck.dat");
    EXPECT_FALSE(writeWholeFile("", "x"));
    ASSERT_TRUE(writeWholeFile(path, "first"));
    ::chmod(path.c_str(), 0640);
    ASSERT_TRUE(writeWholeFile(path, "second"));
    EXPECT_EQ(readFile(path), "second");
    EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::all,
              std::filesystem::perms(0640));

    EXPECT_FALSE(writeWholeFile(dir.path().string(), "x"));            // a directory
    EXPECT_FALSE(writeWholeFile(dir.file("no/such/dir/deck.dat"), "x")); // missing directory
    EXPECT_FALSE(writeWholeFile("/dev/full", "x"));                    // not a regular file
    ::chmod(path.c_str(), 0444);
    EXPECT_FALSE(writeWholeFile(path, "third"));
    EXPECT_EQ(readFile(path), "second");

    // A link keeps pointing at the file it names.
    ::chmod(path.c_str(), 0644);
    std::filesystem::create_symlink(path, dir.file("link.dat"));
    ASSERT_TRUE(writeWholeFile(dir.file("link.dat"), "via link"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.dat")));
    EXPECT_EQ(readFile(path), "via link");

    // No temporary file is left behind.
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path()))
        ++files;
    EXPECT_EQ(files, 2);
}
