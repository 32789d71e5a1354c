#include "columnconfig.h"
#include "commandline.h"
#include "inifile.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace galewright;
using namespace galewright::test;

TEST(IniFile, ReadsLikeTheProfileFunctions)
{
    const IniFile ini = IniFile::parse("[List]\r\n"
                                       "0=\"C:\\maps\\a.png\"\r\n"
                                       "  Key Two =  spaced value  \r\n"
                                       "eq=a=b\r\n"
                                       "quote=\"only one\r\n"
                                       "0=duplicate\r\n"
                                       "[ select ]\n"
                                       "0=1\n"
                                       "[list]\n"
                                       "late=ignored\n");
    EXPECT_EQ(ini.value("List", "0"), "C:\\maps\\a.png");
    EXPECT_EQ(ini.value("LIST", "key two"), "spaced value");
    EXPECT_EQ(ini.value("list", "eq"), "a=b");
    EXPECT_EQ(ini.value("list", "quote"), "\"only one");
    EXPECT_EQ(ini.value("Select", "0"), "1");
    EXPECT_EQ(ini.value("list", "late"), "");
    EXPECT_EQ(ini.value("Missing", "0"), "");
    EXPECT_EQ(ini.value("List", "missing"), "");
    EXPECT_EQ(IniFile::parse("[a]\nk=" + std::string(20000, 'v')).value("a", "k").size(), 10239u);
    EXPECT_EQ(IniFile::readValue("/no/such/file.ini", "a", "b"), "");
}

TEST(IniFile, WritesSectionsInOrderWithCrLf)
{
    IniFile ini;
    ini.setValue("List", "0", "\"/maps/a.png\"");
    ini.setValue("List", "1", "\"/maps/b.png\"");
    ini.setValue("Select", "0", "1");
    EXPECT_EQ(ini.text(), "[List]\r\n0=\"/maps/a.png\"\r\n1=\"/maps/b.png\"\r\n[Select]\r\n0=1\r\n");
    ini.setValue("list", "0", "\"/maps/c.png\"");
    ini.setValue("Select", "1", "x");
    const IniFile back = IniFile::parse(ini.text());
    EXPECT_EQ(back.value("List", "0"), "/maps/c.png");
    EXPECT_EQ(back.value("Select", "1"), "x");

    // Other lines of an existing file survive, and new keys go after the
    // section's last entry rather than after its trailing blank lines.
    IniFile existing = IniFile::parse("; note\n[a]\nx=1\n\n[b]\ny=2\n");
    existing.setValue("a", "z", "3");
    EXPECT_EQ(existing.text(), "; note\r\n[a]\r\nx=1\r\nz=3\r\n\r\n[b]\r\ny=2\r\n");
}

TEST(ColumnConfig, ReadsWidthsLimitsAndDescriptions)
{
    ScratchDir dir;
    writeFile(dir.file("Width.set"), "60,80");
    writeFile(dir.file("Byte.set"), " 2 ,x,,5");
    writeFile(dir.file("Method.set"), gbk("[7]\r\nType=纬度\r\nText=\"235N\"\r\n"));
    ColumnConfig config(dir.path().string());
    config.readColumnSettings();
    EXPECT_EQ(config.columnWidths(), (std::vector<int>{60, 80}));
    EXPECT_EQ(config.lengthLimits(), (std::vector<std::string>{" 2 ", "x", "", "5"}));
    EXPECT_EQ(config.lengthLimit(1), 2);
    EXPECT_EQ(config.lengthLimitText(1), " 2 ");
    EXPECT_EQ(config.lengthLimit(2), 0);
    EXPECT_TRUE(config.hasLengthLimit(4));
    EXPECT_FALSE(config.hasLengthLimit(5));
    EXPECT_FALSE(config.hasLengthLimit(0));
    EXPECT_EQ(config.columnDescription(7, ColumnConfig::kType), gbk("纬度"));
    EXPECT_EQ(config.columnDescription(7, ColumnConfig::kText), "235N");
    EXPECT_EQ(config.columnDescription(7, ColumnConfig::kError), "");
    EXPECT_EQ(config.columnDescription(8, ColumnConfig::kType), "");

    // Method.set is read anew each time.
    writeFile(dir.file("Method.set"), "[7]\nType=changed\n");
    EXPECT_EQ(config.columnDescription(7, ColumnConfig::kType), "changed");

    // Empty and non-numeric width entries give 0; at most 46 entries are read.
    std::string many = "1,,x";
    for (int k = 4; k <= 50; ++k)
        many += "," + std::to_string(k);
    writeFile(dir.file("Width.set"), many);
    config.readColumnSettings();
    ASSERT_EQ(config.columnWidths().size(), 46u);
    EXPECT_EQ(config.columnWidths()[1], 0);
    EXPECT_EQ(config.columnWidths()[2], 0);
    EXPECT_EQ(config.columnWidths()[45], 46);

    ColumnConfig missing(dir.file("nowhere"));
    missing.readColumnSettings();
    EXPECT_TRUE(missing.columnWidths().empty());
    EXPECT_TRUE(missing.lengthLimits().empty());
}

TEST(ColumnConfig, SavesWidthsWithoutTrailingCommaOrLineEnd)
{
    ScratchDir dir;
    ColumnConfig config(dir.path().string());
    ASSERT_TRUE(config.saveColumnWidths(std::vector<int>(45, 35)));
    std::string expected = "35";
    for (int k = 2; k <= 45; ++k)
        expected += ",35";
    EXPECT_EQ(readFile(dir.file("Width.set")), expected);
    ColumnConfig nowhere(dir.file("missing-dir"));
    EXPECT_FALSE(nowhere.saveColumnWidths({1, 2}));
}

TEST(ColumnConfig, ShippedSettingsDescribeEveryColumn)
{
    ColumnConfig config(dataDir().string());
    config.readColumnSettings();
    EXPECT_EQ(config.lengthLimits().size(), 45u);
    EXPECT_EQ(config.columnWidths().size(), 45u);
}

TEST(CommandLine, SplitsLikeTheWindowsRule)
{
    using Args = std::vector<std::string>;
    struct Case {
        std::string line;
        Args arguments;
    };
    const Case cases[] = {
        {"\"C:\\Program Files\\gw.exe\" \"C:\\a b.dat\" \"D:\\c d.dat\"", {"C:\\a b.dat", "D:\\c d.dat"}},
        {"gw.exe C:\\a b.dat", {"C:\\a", "b.dat"}},
        {"gw.exe \"\" x", {"", "x"}},
        {"gw.exe", {}},
        {"\"gw.exe\"", {}},
        {"gw.exe \t a\"b c\"", {"a", "b c"}},
        {"gw.exe \"unterminated", {"unterminated"}},
        // 0x81 0x22 and 0x81 0x20: second bytes that look like a quote and a blank.
        {"gw.exe \"\x81\" x\" \x81 y", {"\x81\" x", "\x81 y"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(splitCommandLine(c.line), c.arguments) << c.line;
    EXPECT_EQ(splitCommandLine(instanceCommandLine("/opt/gw/galewright", "/decks/a b.dat")),
              Args{"/decks/a b.dat"});
    EXPECT_EQ(instanceCommandLine("/opt/gw/galewright"), "\"/opt/gw/galewright\"");
}
