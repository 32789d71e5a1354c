// Settings files that are missing, empty, cut short, full of garbage,
// absurd numbers or far too long. None of them may stop the editor from
// opening, checking and saving a deck, or cost a cell of it; reading a
// settings file never changes it.

#include "checkrun.h"
#include "columnconfig.h"
#include "columndescriptions.h"
#include "deckreader.h"
#include "deckwriter.h"
#include "inifile.h"
#include "testsupport.h"
#include "textrules.h"
#include "wholefile.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>

using namespace galewright;
using namespace galewright::test;

namespace {

struct Variant {
    std::string name;
    std::optional<std::string> bytes; // nothing: the file is missing
};

// The bad forms of one settings file, made from its shipped content.
std::vector<Variant> variantsOf(const std::string& name, const std::string& shipped)
{
    std::vector<Variant> variants = {
        {"missing", std::nullopt},
        {"empty", ""},
        {"truncated", shipped.substr(0, shipped.size() / 3 + 1)},
        {"garbage", randomBytes(4096, 7)},
    };
    if (name == "Method.set") {
        variants.push_back({"odd numbers", "[-7]\r\nType=minus\r\n[99999999999]\r\nType=huge\r\n[0007]\r\nType=zeros\r\n"
                                           "[7]\r\nType=-2147483649\r\nError=" + std::string(20000, 'e') + "\r\n"});
        std::string many;
        for (int i = 0; i < 10000; ++i)
            many += "[" + std::to_string(i % 100) + "]\r\nType=t" + std::to_string(i) + "\r\n";
        variants.push_back({"10000 entries", many + "[1]\r\n" + repeated("Text=again\r\n", 10000)});
    } else {
        variants.push_back({"odd numbers", "-35,99999999999,2147483648,-2147483648,4294967298,-0, +7 ,0x10"});
        variants.push_back({"huge numbers", repeated("2147483647,", 45)});
        variants.push_back({"10000 entries", repeated("3,", 9999) + "3"});
    }
    return variants;
}

class CountingReporter : public CheckReporter {
public:
    explicit CountingReporter(const DeckTable& table) : table_(table) {}
    void moveCursor(int, int) override {}
    void setTextColour(int, int, int lastRow, int lastColumn, std::uint32_t) override
    {
        EXPECT_LT(lastRow, table_.rowCount());
        EXPECT_LE(lastColumn, 45);
    }
    CheckAnswer showWarning(const CheckViolation& violation) override
    {
        EXPECT_GE(violation.row, 1);
        EXPECT_LT(violation.row, table_.rowCount());
        EXPECT_LE(violation.column, 45);
        EXPECT_FALSE(violation.message.empty());
        ++warnings;
        return CheckAnswer::kOk;
    }
    void showSummary(const std::string&) override { ++summaries; }
    void refreshStatusBar() override {}

    int warnings = 0;
    int summaries = 0;

private:
    const DeckTable& table_;
};

std::vector<std::vector<std::string>> nonEmptyRows(const DeckTable& table)
{
    std::vector<std::vector<std::string>> rows;
    for (int r = 1; r < table.rowCount(); ++r) {
        if (table.lastFilledColumn(r) == 0)
            continue;
        rows.emplace_back();
        for (int k = 1; k <= table.lastFilledColumn(r); ++k)
            rows.back().push_back(table.cellText(r, k));
    }
    return rows;
}

} // namespace

TEST(BadSettings, EveryFormOfEveryFileLeavesOpenCheckAndSaveWorking)
{
    const std::string deckPath = (testData("realdata") / "wp2014" / "bwp082014.dat").string();
    for (const std::string file : {"Byte.set", "Width.set", "Method.set"}) {
        for (const auto& variant : variantsOf(file, readFile(dataDir() / file))) {
            SCOPED_TRACE(file + " " + variant.name);
            ScratchDir dir;
            for (const char* shipped : {"Byte.set", "Width.set", "Method.set"})
                writeFile(dir.path() / shipped, readFile(dataDir() / shipped));
            std::filesystem::remove(dir.path() / file);
            if (variant.bytes)
                writeFile(dir.path() / file, *variant.bytes);

            ColumnConfig config(dir.path().string());
            config.readColumnSettings();
            EXPECT_LE(config.columnWidths().size(), 46u);
            EXPECT_LE(config.lengthLimits().size(), 46u);
            for (int k = 1; k <= 45; ++k)
                for (int kind = 0; kind <= 2; ++kind)
                    EXPECT_LE(config.columnDescription(k, kind).size(), IniFile::kMaxValueBytes);

            DeckTable table;
            loadDeckFile(table, deckPath);
            ASSERT_GT(table.rowCount(), 10);

            CountingReporter reporter(table);
            const auto descriptions = ColumnDescriptions::snapshot(config);
            const CheckOutcome outcome = CheckRun(table, config, descriptions).checkErrors(reporter);
            EXPECT_FALSE(outcome.cancelled);
            EXPECT_EQ(outcome.errorCount, reporter.warnings);
            EXPECT_EQ(reporter.summaries, 1);

            // Saving either writes every cell or refuses and leaves the old file.
            const std::string target = dir.file("saved.dat");
            writeFile(target, "old deck\n");
            const auto bytes = formatDeck(table, config);
            EXPECT_EQ(writeDeck(target, table, config), bytes.has_value());
            if (bytes) {
                DeckTable back;
                loadDeckFile(back, target);
                EXPECT_EQ(nonEmptyRows(back), nonEmptyRows(table));
            } else {
                EXPECT_EQ(readFile(target), "old deck\n");
            }

            if (variant.bytes)
                EXPECT_EQ(readFile(dir.path() / file), *variant.bytes);
            else
                EXPECT_FALSE(std::filesystem::exists(dir.path() / file));
        }
    }
}

TEST(BadSettings, WhatTheOddFormsMean)
{
    ScratchDir dir;
    // A limit that is negative is exceeded by every cell, empty ones too;
    // one too large to fill refuses the save rather than exhausting memory.
    writeFile(dir.file("Byte.set"), "-1" + repeated(",2147483647", 5));
    writeFile(dir.file("Width.set"), "-35,99999999999," + repeated("5,", 100));
    writeFile(dir.file("Method.set"), "[7]\r\nType=-2147483649\r\n[-7]\r\nType=minus\r\n[99999999999]\r\nType=x\r\n");
    ColumnConfig config(dir.path().string());
    config.readColumnSettings();
    ASSERT_EQ(config.columnWidths().size(), 46u);
    EXPECT_EQ(config.columnWidths()[0], -35);
    EXPECT_EQ(config.columnWidths()[1], textToInt("99999999999")); // wrapped, as the file reader always did
    EXPECT_EQ(config.columnDescription(7, ColumnConfig::kType), "-2147483649");
    EXPECT_EQ(config.columnDescription(-7, ColumnConfig::kType), "minus");

    DeckTable table;
    loadDeckText(table, "WP, 01, a, b, c, d\n,\n");
    CountingReporter reporter(table);
    const auto descriptions = ColumnDescriptions::snapshot(config);
    CheckRun(table, config, descriptions).checkErrors(reporter);
    EXPECT_GE(reporter.warnings, 2); // column 1 of both rows is over its limit of -1
    EXPECT_FALSE(formatDeck(table, config).has_value());
}
