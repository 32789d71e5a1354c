#include "textrules.h"
#include "testsupport.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace galewright;
using galewright::test::gbk;

namespace {

std::vector<std::string> split(std::string_view text, int maximum = kNoLimit)
{
    return splitText(text, ",", maximum);
}

} // namespace

TEST(SplitText, SeparatorsMakeAndDropEmptyParts)
{
    using Parts = std::vector<std::string>;
    EXPECT_EQ(split("a,,b"), (Parts{"a", "", "b"}));
    EXPECT_EQ(split("a,b,"), (Parts{"a", "b"}));
    EXPECT_EQ(split(","), (Parts{""}));
    EXPECT_EQ(split(",a"), (Parts{"", "a"}));
    EXPECT_EQ(split(""), Parts{});
    EXPECT_EQ(split("w,x,y,z", 2), (Parts{"w", "x"}));
    EXPECT_EQ(split("w,x", 0), Parts{});
    EXPECT_EQ(split("w,x", -3), Parts{});
    EXPECT_EQ(splitText("abc", ""), Parts{"abc"});
    EXPECT_EQ(splitText("a--b--", "--"), (Parts{"a", "b"}));
}

TEST(SplitText, NeverMatchesOnASecondByte)
{
    // 0x81 0x2C is one double-byte character whose second byte is a comma.
    const std::string text = "A\x81,B";
    EXPECT_EQ(split(text), std::vector<std::string>{text});
    // A lone lead byte at the very end is stepped over without reading past it.
    EXPECT_EQ(split("a,\x81"), (std::vector<std::string>{"a", "\x81"}));
}

TEST(TrimBlanks, BlanksAreSpaceAndFullWidthSpaceOnly)
{
    const std::string fullWidth = "\xA1\xA1";
    EXPECT_EQ(trimBlanks("  AL" + fullWidth), "AL");
    EXPECT_EQ(trimBlanks(fullWidth + " A B " + fullWidth + " "), "A B");
    EXPECT_EQ(trimBlanks("\tA "), "\tA");
    EXPECT_EQ(trimBlanks("12\r"), "12\r");
    EXPECT_EQ(trimBlanks("   "), "");
    EXPECT_EQ(trimBlanks(""), "");
    EXPECT_EQ(trimBlanks("AB\x81"), "AB");   // incomplete character dropped
    EXPECT_EQ(trimBlanks("AB \xA1"), "AB");  // ... and the blanks before it
    EXPECT_EQ(trimBlanks(gbk("台风 ")), gbk("台风"));
    // 0xA1 0xA1 inside another character's pair is not a blank: "\xB0\xA1" + "\xA1\xB0".
    EXPECT_EQ(trimBlanks("\xB0\xA1\xA1\xB0"), "\xB0\xA1\xA1\xB0");
}

TEST(TextToInt, ReadsLikeTheDeckExpects)
{
    struct Case {
        std::string text;
        std::int32_t expected;
    };
    const Case cases[] = {
        {" 12", 12}, {"-7", -7}, {"12.9", 12}, {"1e3", 1}, {"abc", 0}, {"", 0}, {"123N", 123},
        {gbk("１２"), 12}, {gbk("－７"), -7}, {"+5", 5}, {"\t\n 8", 8}, {gbk("　９"), 9}, {"- 5", 0},
        {"\x81", 0}, {"4\x81", 4},
    };
    for (const auto& c : cases)
        EXPECT_EQ(textToInt(c.text), c.expected) << c.text;
}

TEST(TextToInt, WrapsWithoutOverflowChecks)
{
    EXPECT_EQ(textToInt("9999123123"), static_cast<std::int32_t>(9999123123LL - 2 * 4294967296LL));
    EXPECT_EQ(textToInt64("9999123123"), 9999123123LL);
    EXPECT_EQ(textToInt("-2147483648"), INT32_MIN);
    EXPECT_EQ(textToInt("4294967296"), 0);
    EXPECT_EQ(textToInt64("18446744073709551617"), 1);
}

TEST(NumberToText, IntegersRealsAndLogicals)
{
    EXPECT_EQ(numberToText(2.0), "2");
    EXPECT_EQ(numberToText(-12.5), "-12.5");
    EXPECT_EQ(numberToText(0.1 + 0.2), "0.3");
    EXPECT_EQ(numberToText(1234.0), "1234");
    EXPECT_EQ(numberToText(-0.0), "-0");
    EXPECT_EQ(numberToText(0), "0");
    EXPECT_EQ(numberToText(-45), "-45");
    EXPECT_EQ(numberToText(true), gbk("真"));
    EXPECT_EQ(numberToText(false), gbk("假"));
}

TEST(RoundTo, HalfAwayFromZero)
{
    EXPECT_DOUBLE_EQ(roundTo(2.25, 1), 2.3);
    EXPECT_DOUBLE_EQ(roundTo(-2.25, 1), -2.3);
    EXPECT_DOUBLE_EQ(roundTo(1.04, 1), 1.0);
    EXPECT_DOUBLE_EQ(roundTo(2.5), 3.0);
    EXPECT_DOUBLE_EQ(roundTo(1250, -2), 1300.0);
    const double negativeZero = roundTo(-0.01, 1);
    EXPECT_EQ(negativeZero, 0.0);
    EXPECT_TRUE(std::signbit(negativeZero));
    EXPECT_EQ(numberToText(negativeZero), "-0");
    EXPECT_EQ(intDivide(7, 2), 3.0);
    EXPECT_EQ(intDivide(-7, 2), -3.0);
}

TEST(ByteRules, CutByBytes)
{
    EXPECT_EQ(midBytes("abcde", 5, 3), "e");
    EXPECT_EQ(midBytes("abcde", 6, 1), "");
    EXPECT_EQ(midBytes("abcde", 0, 1), "");
    EXPECT_EQ(midBytes("abcde", 2, 2), "bc");
    EXPECT_EQ(leftBytes("abc", 5), "abc");
    EXPECT_EQ(leftBytes("abc", -1), "");
    EXPECT_EQ(rightBytes("abc", 2), "bc");
    EXPECT_EQ(rightBytes("abc", 9), "abc");
    EXPECT_EQ(removeBytes("abc", 3, 1), "ab");
    EXPECT_EQ(removeBytes("abc", 0, 9), "");
    EXPECT_EQ(removeBytes("abc", 4, 1), "abc");
    EXPECT_EQ(byteLength(gbk("台风")), 4u);
    EXPECT_EQ(byteValue("\xC8"), 0xC8);
}

TEST(ByteRules, FindAndFoldWalkCharacters)
{
    EXPECT_EQ(findText("abc", ","), -1);
    EXPECT_EQ(findText("a,b,c", ","), 2);
    EXPECT_EQ(findText("a,b,c", ",", 3), 4);
    EXPECT_EQ(findText("a,b", ",", -4), 2);
    EXPECT_EQ(findText("\x81,", ","), -1); // the comma is a second byte
    EXPECT_EQ(findText("ab", ""), 1);
    EXPECT_EQ(findText("ab", "", 3), -1);
    EXPECT_EQ(upperAscii("1234w"), "1234W");
    // 0xB0 0x61: the trail byte looks like 'a' and must stay.
    EXPECT_EQ(upperAscii("\xB0\x61" "a"), "\xB0\x61" "A");
}
