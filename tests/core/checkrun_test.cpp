#include "checkmessages.h"
#include "checkrun.h"
#include "columnconfig.h"
#include "decktable.h"
#include "testsupport.h"

#include <deque>
#include <functional>
#include <gtest/gtest.h>

using namespace galewright;
using galewright::test::gbk;
using galewright::test::ScratchDir;
using galewright::test::writeFile;

namespace {

using Events = std::vector<std::string>;

// Plays the window: records every call in order and answers the warnings
// from a script (OK once the script runs out).
class ScriptedReporter : public CheckReporter {
public:
    explicit ScriptedReporter(std::deque<CheckAnswer> answers = {}) : answers_(std::move(answers)) {}

    void moveCursor(int row, int column) override
    {
        events.push_back("cursor " + std::to_string(row) + "," + std::to_string(column));
    }
    void setTextColour(int firstRow, int firstColumn, int lastRow, int lastColumn, std::uint32_t colour) override
    {
        events.push_back("colour " + std::to_string(firstRow) + "," + std::to_string(firstColumn) + "-" +
                         std::to_string(lastRow) + "," + std::to_string(lastColumn) + "=" + std::to_string(colour));
    }
    CheckAnswer showWarning(const CheckViolation& violation) override
    {
        events.push_back(std::string(violation.pass == CheckPass::kLength ? "length " : "rule ") +
                         std::to_string(violation.row) + "," + std::to_string(violation.column));
        messages.push_back(violation.message);
        if (onWarning)
            onWarning();
        if (answers_.empty())
            return CheckAnswer::kOk;
        const CheckAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    void showSummary(const std::string& message) override
    {
        events.push_back("summary");
        summaries.push_back(message);
    }
    void refreshStatusBar() override { events.push_back("status"); }

    Events events;
    std::vector<std::string> messages;
    std::vector<std::string> summaries;
    std::function<void()> onWarning;

private:
    std::deque<CheckAnswer> answers_;
};

// A record that passes every length limit of the shipped Byte.set and every rule.
const std::vector<std::string> kGoodRecord = {"WP", "01", "2014011618", "", "BEST", "0", "92N", "1284E",
                                              "15", "1010", "DB", "0", "", "0", "0", "0", "0", "1007",
                                              "190", "40", "0", "0"};

void addRecord(DeckTable& table, const std::vector<std::string>& fields)
{
    std::vector<std::string_view> views(fields.begin(), fields.end());
    table.appendRow(views);
}

class CheckRunTest : public ::testing::Test {
protected:
    CheckRunTest() : config(dir.path().string())
    {
        writeFile(dir.path() / "Byte.set", test::readFile(test::dataDir() / "Byte.set"));
        writeFile(dir.path() / "Method.set", test::readFile(test::dataDir() / "Method.set"));
        config.readColumnSettings();
    }

    CheckOutcome run(ScriptedReporter& reporter)
    {
        const ColumnDescriptions descriptions = ColumnDescriptions::live(config);
        return CheckRun(table, config, descriptions).checkErrors(reporter);
    }

    void addGoodRecords(int count)
    {
        for (int i = 0; i < count; ++i)
            addRecord(table, kGoodRecord);
    }

    ScratchDir dir;
    ColumnConfig config;
    DeckTable table;
};

// The reset of all text colours for a table of `rows` data rows.
std::string reset(int rows) { return "colour 0,0-" + std::to_string(rows) + ",45=0"; }

} // namespace

TEST_F(CheckRunTest, EmptyTableGivesTheCleanSummary)
{
    ScriptedReporter reporter;
    const CheckOutcome outcome = run(reporter);
    EXPECT_EQ(reporter.events, (Events{"cursor 1,1", reset(0), "status", "summary", "status"}));
    EXPECT_EQ(reporter.summaries, std::vector<std::string>{gbk("检查完成。\r\n没有发现致命错误。")});
    EXPECT_FALSE(outcome.cancelled);
    EXPECT_EQ(outcome.errorCount, 0);
}

TEST_F(CheckRunTest, WalksLengthPassThenRulePassInRowAndColumnOrder)
{
    addGoodRecords(3);
    table.setCellText(1, 1, "wpx");        // too long (limit 2) and not a basin code
    table.setCellText(1, 44, "a,b");       // rule only
    table.setCellText(2, 3, "20140116");   // rule only: eight digits
    table.setCellText(2, 19, "12345");     // too long (limit 4) and above 9999
    table.setCellText(3, 19, "19x");       // rule only, in the column that keeps its colour
    table.setCellText(3, 7, "05N");        // rule only
    ScriptedReporter reporter;
    const CheckOutcome outcome = run(reporter);
    EXPECT_EQ(reporter.events, (Events{
                                   "cursor 1,1", reset(3),
                                   "cursor 1,1", "colour 1,1-1,1=255", "length 1,1",
                                   "cursor 2,19", "colour 2,19-2,19=255", "length 2,19",
                                   "status",
                                   "cursor 1,1", "colour 1,1-1,1=255", "rule 1,1",
                                   "cursor 1,44", "colour 1,44-1,44=255", "rule 1,44",
                                   "cursor 2,3", "colour 2,3-2,3=255", "rule 2,3",
                                   "cursor 2,19", "rule 2,19", // stays as the length pass left it
                                   "cursor 3,7", "colour 3,7-3,7=255", "rule 3,7",
                                   "cursor 3,19", "rule 3,19", // reported, counted, not coloured
                                   "summary", "status",
                               }));
    EXPECT_EQ(outcome.errorCount, 8);
    EXPECT_EQ(reporter.summaries, std::vector<std::string>{gbk("检查完成。\r\n共发现了8个错误。")});
}

TEST_F(CheckRunTest, LengthIsTheTrimmedByteLength)
{
    config.setLengthLimits({"2"});
    addRecord(table, {"AB"});           // equal to the limit: passes
    addRecord(table, {"ABC"});          // length 3
    addRecord(table, {gbk("台")});      // one double-byte character: length 2
    addRecord(table, {gbk("台") + "A"}); // length 3
    table.setCellText(1, 1, "  AB \xA1\xA1"); // blanks at the ends do not count
    addRecord(table, {"A B"});          // an inner blank does
    ScriptedReporter reporter;
    run(reporter);
    const Events lengthEvents(reporter.events.begin(), reporter.events.begin() + 8);
    EXPECT_EQ(lengthEvents, (Events{"cursor 1,1", reset(5), "cursor 2,1", "colour 2,1-2,1=255", "length 2,1",
                                    "cursor 4,1", "colour 4,1-4,1=255", "length 4,1"}));
    EXPECT_EQ(reporter.events[8], "cursor 5,1");
    EXPECT_EQ(reporter.messages[0], gbk("错误：内容长度超过限制！\r\n行：2，列：1\r\n内容长度：3；长度限制：2\r\n"
                                        "按【确认】继续检查；按【取消】退出检查。"));
}

TEST_F(CheckRunTest, BothPassesTestTheTrimmedText)
{
    addGoodRecords(4);
    table.setCellText(1, 1, "WP\xA1\xA1"); // trailing full-width space
    table.setCellText(2, 1, " WP");          // leading blank
    table.setCellText(3, 1, "WP\x81");      // a lone lead byte at the end is dropped
    table.setCellText(4, 1, "W\xA1\xA1P"); // a full-width space inside stays: too long, no code
    ScriptedReporter reporter;
    const CheckOutcome outcome = run(reporter);
    EXPECT_EQ(reporter.events, (Events{"cursor 1,1", reset(4), "cursor 4,1", "colour 4,1-4,1=255", "length 4,1",
                                       "status", "cursor 4,1", "colour 4,1-4,1=255", "rule 4,1", "summary",
                                       "status"}));
    EXPECT_EQ(outcome.errorCount, 2);
}

TEST_F(CheckRunTest, LengthMessageQuotesTheLimitEntryAsRead)
{
    config.setLengthLimits({" 2 ", "x"});
    addRecord(table, {"WPX", "7"}); // a limit that is no number reads as 0: every non-empty cell is too long
    ScriptedReporter reporter;
    run(reporter);
    ASSERT_GE(reporter.messages.size(), 2u);
    EXPECT_EQ(reporter.messages[0], gbk("错误：内容长度超过限制！\r\n行：1，列：1\r\n内容长度：3；长度限制： 2 \r\n"
                                        "按【确认】继续检查；按【取消】退出检查。"));
    EXPECT_EQ(reporter.messages[1], gbk("错误：内容长度超过限制！\r\n行：1，列：2\r\n内容长度：1；长度限制：x\r\n"
                                        "按【确认】继续检查；按【取消】退出检查。"));
}

TEST_F(CheckRunTest, ColumnsWithoutALimitEntryAreNotLengthTested)
{
    config.setLengthLimits({"2", "2", "10"});
    addGoodRecords(1);
    table.setCellText(1, 5, std::string(50, 'B')); // far beyond the shipped limit, but no entry here
    table.setCellText(1, 2, "123");
    ScriptedReporter reporter;
    const CheckOutcome outcome = run(reporter);
    EXPECT_EQ(reporter.events, (Events{"cursor 1,1", reset(1), "cursor 1,2", "colour 1,2-1,2=255", "length 1,2",
                                       "status", "summary", "status"}));
    EXPECT_EQ(outcome.errorCount, 1);
}

TEST_F(CheckRunTest, RuleMessageUsesTheMethodSetTextsAndTheTrimmedCell)
{
    writeFile(dir.path() / "Method.set", gbk("[7]\r\nType=纬度\r\nError=格式错误。\r\nText=如235N\r\n"));
    addGoodRecords(1);
    table.setCellText(1, 7, " 05N ");
    table.setCellText(1, 9, "x"); // column 9 has no section: its places stay empty
    ScriptedReporter reporter;
    run(reporter);
    ASSERT_EQ(reporter.messages.size(), 2u);
    EXPECT_EQ(reporter.messages[0], gbk("错误：纬度格式错误。\r\n行：1，列：7\r\n内容：05N\r\n参考内容：如235N\r\n"
                                        "帮助请参照 Western_North_Pacific_Best_Track_Data_Format.html 。\r\n"
                                        "按【确认】继续检查；按【取消】退出检查。"));
    EXPECT_EQ(reporter.messages[1], gbk("错误：\r\n行：1，列：9\r\n内容：x\r\n参考内容：\r\n"
                                        "帮助请参照 Western_North_Pacific_Best_Track_Data_Format.html 。\r\n"
                                        "按【确认】继续检查；按【取消】退出检查。"));
}

TEST_F(CheckRunTest, LiveDescriptionsReadMethodSetForEachMessage)
{
    writeFile(dir.path() / "Method.set", "[9]\r\nType=old\r\n");
    addGoodRecords(2);
    table.setCellText(1, 9, "x");
    table.setCellText(2, 9, "x");
    ScriptedReporter reporter;
    reporter.onWarning = [&] { writeFile(dir.path() / "Method.set", "[9]\r\nType=new\r\n"); };
    run(reporter);
    ASSERT_EQ(reporter.messages.size(), 2u);
    EXPECT_EQ(reporter.messages[0].substr(0, 9), gbk("错误：") + "old");
    EXPECT_EQ(reporter.messages[1].substr(0, 9), gbk("错误：") + "new");

    // A snapshot keeps what it read.
    writeFile(dir.path() / "Method.set", "[9]\r\nType=old\r\n");
    const ColumnDescriptions snapshot = ColumnDescriptions::snapshot(config);
    writeFile(dir.path() / "Method.set", "[9]\r\nType=new\r\n");
    EXPECT_EQ(snapshot.description(9, ColumnConfig::kType), "old");
    EXPECT_EQ(snapshot.description(46, ColumnConfig::kType), "");
}

TEST_F(CheckRunTest, CancelInTheLengthPassEndsAtOnce)
{
    addGoodRecords(2);
    table.setCellText(1, 1, "WPX");
    table.setCellText(2, 1, "WPX");
    ScriptedReporter reporter({CheckAnswer::kCancel});
    const CheckOutcome outcome = run(reporter);
    EXPECT_EQ(reporter.events, (Events{"cursor 1,1", reset(2), "cursor 1,1", "colour 1,1-1,1=255", "length 1,1"}));
    EXPECT_TRUE(outcome.cancelled);
}

TEST_F(CheckRunTest, CancelInTheRulePassEndsAtOnce)
{
    addGoodRecords(2);
    table.setCellText(1, 1, "WPX"); // length and rule
    table.setCellText(2, 1, "wp");  // rule
    ScriptedReporter reporter({CheckAnswer::kOk, CheckAnswer::kOk, CheckAnswer::kCancel});
    const CheckOutcome outcome = run(reporter);
    EXPECT_EQ(reporter.events,
              (Events{"cursor 1,1", reset(2), "cursor 1,1", "colour 1,1-1,1=255", "length 1,1", "status",
                      "cursor 1,1", "colour 1,1-1,1=255", "rule 1,1", "cursor 2,1", "colour 2,1-2,1=255", "rule 2,1"}));
    EXPECT_TRUE(outcome.cancelled);
}

TEST_F(CheckRunTest, ASecondRunStartsByResettingTheColours)
{
    addGoodRecords(2);
    table.setCellText(2, 1, "wp");
    ScriptedReporter first;
    run(first);
    table.setCellText(2, 1, "WP");
    ScriptedReporter second;
    const CheckOutcome outcome = run(second);
    EXPECT_EQ(second.events, (Events{"cursor 1,1", "colour 0,0-2,45=0", "status", "summary", "status"}));
    EXPECT_EQ(outcome.errorCount, 0);
}

TEST(CheckMessages, SummaryAndTitle)
{
    EXPECT_EQ(CheckMessages::summaryMessage(0), gbk("检查完成。\r\n没有发现致命错误。"));
    EXPECT_EQ(CheckMessages::summaryMessage(-5), gbk("检查完成。\r\n没有发现致命错误。"));
    EXPECT_EQ(CheckMessages::summaryMessage(3), gbk("检查完成。\r\n共发现了3个错误。"));
    EXPECT_EQ(CheckMessages::title(), gbk("检查错误"));
}
