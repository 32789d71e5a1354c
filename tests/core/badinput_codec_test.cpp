// The GBK edge of the window: every cell is shown through toUtf8 and every
// typed text stored through fromUtf8. What is stored must show again as it
// was typed, or be refused; a stored byte the reader takes for half of a
// double-byte character would swallow the separator after it on the next
// save and load.

#include "deckreader.h"
#include "deckwriter.h"
#include "gbkcodec.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace galewright;

TEST(GbkEdge, WhatIsStoredShowsAsTyped)
{
    int stored = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            const std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
            const std::string shown = GbkCodec::toUtf8(bytes);
            const auto back = GbkCodec::fromUtf8(shown);
            if (!back)
                continue; // typing it is refused with a message; the file's bytes stay
            ASSERT_EQ(GbkCodec::toUtf8(*back), shown) << std::hex << lead << trail;
            ++stored;
        }
    }
    EXPECT_GT(stored, 21000);
}

TEST(GbkEdge, EuroSignIsRefusedRatherThanStoredAsALeadByte)
{
    // Windows code page 936 writes the euro sign as the single byte 0x80;
    // in a deck that byte would take the comma after it.
    EXPECT_FALSE(GbkCodec::fromUtf8("5\xE2\x82\xAC"));
    EXPECT_EQ(GbkCodec::fromUtf8Lossy("\xE2\x82\xAC"), "?");

    DeckTable table;
    loadDeckText(table, "WP, \x80, 3\n");
    EXPECT_EQ(table.cellText(1, 2), "\x80, 3"); // why 0x80 must never be stored alone
}

TEST(GbkEdge, BrokenBytesShowAsReplacementCharacters)
{
    const std::string replacement = "\xEF\xBF\xBD";
    EXPECT_EQ(GbkCodec::toUtf8("A\x80" "B"), "A" + replacement + "B");
    EXPECT_EQ(GbkCodec::toUtf8("AB\xB0"), "AB" + replacement);
    EXPECT_EQ(GbkCodec::toUtf8("\xFF\xFF"), replacement + replacement);
    EXPECT_EQ(GbkCodec::toUtf8(galewright::test::gbk("台风")), "台风");
    EXPECT_FALSE(GbkCodec::fromUtf8("\xC3\x28")); // not UTF-8
}
