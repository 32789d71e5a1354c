#include "columnrules.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace galewright;
using galewright::test::gbk;

namespace {

struct RuleCase {
    int column;
    std::string text;
    bool passes;
};

void expectRules(const std::vector<RuleCase>& cases)
{
    for (const auto& c : cases)
        EXPECT_EQ(columnRulePasses(c.column, c.text), c.passes) << "column " << c.column << ", text \"" << c.text << "\"";
}

const std::string kDoubleByteDigit = "\xA3\xB1"; // full-width 1, which textToInt would read as 1
const std::string kCharacter = "\xB0\xA1";       // 啊

} // namespace

TEST(ColumnRules, ColumnsTwoAndFortyFiveHaveNoRule)
{
    for (int column = 1; column <= 45; ++column)
        EXPECT_EQ(hasColumnRule(column), column != 2 && column != 45) << column;
    EXPECT_FALSE(hasColumnRule(0));
    EXPECT_FALSE(hasColumnRule(46));
    for (const std::string text : {"", "x,y", "anything at all", "\xB0\xA1"}) {
        EXPECT_TRUE(columnRulePasses(2, text));
        EXPECT_TRUE(columnRulePasses(45, text));
    }
}

TEST(ColumnRules, EmptyCellFailsOnlyInBasinDateTimeForecastHourAndPosition)
{
    for (int column = 1; column <= 45; ++column) {
        const bool fails = column == 1 || column == 3 || column == 6 || column == 7 || column == 8;
        EXPECT_EQ(columnRulePasses(column, ""), !fails) << column;
    }
}

TEST(ColumnRules, CodeLists)
{
    expectRules({
        {1, "WP", true},  {1, "AL", true},   {1, "SL", true},  {1, "wp", false}, {1, "W P", false},
        {1, "WPX", false}, {1, "W", false},  {1, "NA", false},
        {13, "AAA", true}, {13, "NEQ", true}, {13, "NWS", true}, {13, "neq", false}, {13, "NE", false},
        {13, "NEQ ", false}, {13, "AAAA", false},
        {31, "", true},   {31, "SSQ", true}, {31, "XYZ", false},
        {23, "W", true},  {23, "A", true},   {23, "w", false}, {23, "D", false}, {23, "WW", false},
        {29, "S", true},  {29, "X", true},   {29, "DM", false}, {29, "A", false},
    });
}

TEST(ColumnRules, DateTimeIsTenDigitsInRange)
{
    expectRules({
        {3, "0000010100", true},  {3, "9999123123", true},  {3, "2014071806", true},
        {3, "2014139999", true}, // month 13 and hour 99 are not looked at
        {3, "0000010099", false}, {3, "9999123124", false}, {3, "9999999999", false},
        {3, "201407180", false},  {3, "20140718060", false}, {3, "2014-07-18", false},
        {3, "2014/07/18", false}, {3, "-201407180", false},  {3, "2014 71806", false},
        {3, "20140718" + kDoubleByteDigit, false},
    });
}

TEST(ColumnRules, TwoDigitsOrEmpty)
{
    expectRules({{4, "05", true}, {4, "00", true}, {4, "5", false}, {4, "123", false}, {4, "5a", false},
                 {4, "-5", false}, {4, kDoubleByteDigit, false}});
}

TEST(ColumnRules, ForecastHourFromMinus24To120)
{
    expectRules({
        {6, "0", true},    {6, "-24", true},  {6, "120", true},  {6, "12", true},
        {6, "-", true},    // a lone minus reads as 0
        {6, "1-2", true},  // a minus is accepted anywhere; the number ends at it
        {6, "-25", false}, {6, "121", false}, {6, "00", false},  {6, "012", false},
        {6, "+12", false}, {6, "1.5", false}, {6, kDoubleByteDigit, false},
    });
}

TEST(ColumnRules, PositionsInTenthsWithHemisphere)
{
    expectRules({
        {7, "0N", true},     {7, "5S", true},    {7, "900S", true},  {7, "235N", true},
        {7, "05N", false},   {7, "901N", false}, {7, "123n", false}, {7, "N", false},
        {7, "123", false},   {7, "12E", false},  {7, "-5N", false},  {7, "12.5N", false},
        {7, "1 2N", false},  {7, "00N", false},  {7, kDoubleByteDigit + "N", false},
        {8, "0E", true},     {8, "1800W", true}, {8, "1203E", true},
        {8, "1801E", false}, {8, "0150E", false}, {8, "123N", false}, {8, "W", false},
    });
}

TEST(ColumnRules, BoundedCounts)
{
    expectRules({
        {9, "0", true},      {9, "300", true},    {9, "301", false},  {9, "07", false},   {9, "3.5", false},
        {9, "-1", false},    {9, "1 2", false},   {9, kDoubleByteDigit, false}, {9, kCharacter, false},
        {10, "1100", true},  {10, "1101", false}, {12, "999", true},  {12, "1000", false},
        {14, "1200", true},  {17, "1201", false}, {19, "9999", true}, {19, "10000", false},
        {21, "995", true},   {21, "996", false},  {26, "359", true},  {26, "360", false},
        {30, "99", true},    {30, "100", false},  {35, "999", true},  {35, "1000", false},
    });
}

TEST(ColumnRules, OuterIsobarPressureIsZeroOrFromNineHundred)
{
    expectRules({
        {18, "0", true},     {18, "900", true},   {18, "1050", true}, {18, "1008", true},
        {18, "1", false},    {18, "899", false},  {18, "1051", false}, {18, "0900", false},
        {18, "00", false},
    });
}

TEST(ColumnRules, LongDigitRunsDoNotWrapIntoRange)
{
    // 4294967296 is 2^32: read modulo 2^32 it would be 0 and pass every bound.
    expectRules({
        {9, "4294967296", false},   {9, "4294967295", false}, {19, "99999999999999999999", false},
        {6, "4294967296", false},   {6, "-4294967296", false}, {18, "4294968196", false},
        {7, "4294967296N", false},  {8, "4294967296E", false},
    });
}

TEST(ColumnRules, NoCommaColumns)
{
    for (int column : {5, 11, 25, 28, 36, 40, 44}) {
        expectRules({
            {column, "BEST", true},   {column, "any text: at all", true}, {column, gbk("台风"), true},
            {column, "a,b", false},   {column, ",", false},                {column, "ab,", false},
        });
    }
}

TEST(SharedRuleTests, DigitText)
{
    EXPECT_TRUE(isDigitText("", false));
    EXPECT_TRUE(isDigitText("0123", false));
    EXPECT_TRUE(isDigitText(" 12 ", false)); // trims first
    EXPECT_FALSE(isDigitText("-12", false));
    EXPECT_TRUE(isDigitText("-12", true));
    EXPECT_TRUE(isDigitText("1--2-", true));
    EXPECT_FALSE(isDigitText("+12", true));
    EXPECT_FALSE(isDigitText("1 2", false));
    EXPECT_FALSE(isDigitText(kDoubleByteDigit, true));
}

TEST(SharedRuleTests, CommaAndPositions)
{
    EXPECT_TRUE(containsComma(" a,b "));
    EXPECT_FALSE(containsComma(gbk("台风")));
    EXPECT_FALSE(containsComma(""));

    EXPECT_TRUE(isLatitudeText("N"));      // no digits: value 0
    EXPECT_TRUE(isLatitudeText(" 05N "));  // the leading zero is the rule's concern, not this test's
    EXPECT_FALSE(isLatitudeText(""));
    EXPECT_FALSE(isLatitudeText("901S"));
    EXPECT_TRUE(isLongitudeText("W"));
    EXPECT_TRUE(isLongitudeText("1800E"));
    EXPECT_FALSE(isLongitudeText("1800N"));
    EXPECT_FALSE(isLongitudeText("18 0E"));
}
