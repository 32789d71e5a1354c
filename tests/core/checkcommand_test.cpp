#include "testsupport.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>

using galewright::test::readFile;
using galewright::test::ScratchDir;
using galewright::test::writeFile;

namespace {

struct CommandResult {
    int status = -1;
    std::string out;
    std::string err;
};

std::string quoted(const std::string& text)
{
    std::string out = "'";
    for (char c : text)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

// Runs galewright-deck check with the shipped settings of the source tree.
CommandResult check(const ScratchDir& scratch, const std::vector<std::string>& arguments, bool withSettings = true)
{
    std::string command = quoted((galewright::test::binDir() / "galewright-deck").string()) + " check";
    if (withSettings)
        command += " --settings " + quoted(galewright::test::dataDir().string());
    for (const auto& argument : arguments)
        command += " " + quoted(argument);
    command += " >" + quoted(scratch.file("out")) + " 2>" + quoted(scratch.file("err")) + " </dev/null";
    CommandResult result;
    const int raw = std::system(command.c_str());
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = readFile(scratch.file("out"));
    result.err = readFile(scratch.file("err"));
    return result;
}

// One record that passes everything, an empty line (no row), a record with
// five violations and one with a length and a rule violation whose text
// needs escaping: a quote, a backslash, a tab, a control byte, a byte that
// is no GBK (0xFF) and the carriage return that trimming keeps.
const std::string kDeck =
    "WP, 01, 2014011618,   , BEST,   0,  92N, 1284E,  15, 1010, DB,   0,    ,    0,    0,    0,    0, 1007,\n"
    "\n"
    "wp, 01, 201401161,   , BEST,   0,  05N, 1284E,  15, 10100, DB\n"
    "WP, 01, 2014011618,   , BEST,   0,  92N, 1284E, q\"\\\t\x01\xFF"
    "0\r\n";

const std::string kEscaped = "q\\\"\\\\\\t\\u0001\xEF\xBF\xBD"
                             "0\\r";

} // namespace

TEST(CheckCommand, RealDecksHaveNoViolations)
{
    ScratchDir scratch;
    std::vector<std::string> decks;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(galewright::test::testData("realdata")))
        if (entry.path().extension() == ".dat")
            decks.push_back(entry.path().string());
    ASSERT_GE(decks.size(), 30u);
    for (const char* format : {"text", "jsonl"}) {
        std::vector<std::string> arguments = {"--format", format};
        arguments.insert(arguments.end(), decks.begin(), decks.end());
        const CommandResult result = check(scratch, arguments);
        EXPECT_EQ(result.status, 0) << format << "\n" << result.out << result.err;
        EXPECT_EQ(result.out, "") << format;
        EXPECT_EQ(result.err, "") << format;
    }
}

TEST(CheckCommand, ListsViolationsInTheRunsOrderAsText)
{
    ScratchDir scratch;
    const std::string deck = scratch.file("bad.dat");
    writeFile(deck, kDeck);
    const CommandResult result = check(scratch, {deck});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, deck + ":2:10: 最低气压: length 5 exceeds the limit 4: \"10100\"\n" +
                              deck + ":3:9: 最大风速: length 8 exceeds the limit 3: \"" + kEscaped + "\"\n" +
                              deck + ":2:1: 洋区格式错误，应为两个大写字母的洋区代码。: \"wp\"\n" +
                              deck + ":2:3: 时间格式错误，应为十位数字的年月日时（YYYYMMDDHH）。: \"201401161\"\n" +
                              deck + ":2:7: 纬度格式错误，应为十分之一度的整数加N或S。: \"05N\"\n" +
                              deck + ":2:10: 最低气压格式错误，应为0～1100的整数。: \"10100\"\n" +
                              deck + ":3:9: 最大风速格式错误，应为0～300的整数。: \"" + kEscaped + "\"\n");
}

TEST(CheckCommand, ListsViolationsAsJsonLines)
{
    ScratchDir scratch;
    writeFile(scratch.file("bad.dat"), kDeck);
    const std::string deck = scratch.file("bad.dat");
    const CommandResult result = check(scratch, {"--format=jsonl", deck});
    EXPECT_EQ(result.status, 1);
    const std::string file = "{\"file\":\"" + deck + "\",";
    EXPECT_EQ(result.out,
              file + "\"row\":2,\"column\":10,\"pass\":\"length\",\"text\":\"10100\",\"length\":5,\"limit\":4}\n" +
                  file + "\"row\":3,\"column\":9,\"pass\":\"length\",\"text\":\"" + kEscaped +
                  "\",\"length\":8,\"limit\":3}\n" + file +
                  "\"row\":2,\"column\":1,\"pass\":\"rule\",\"text\":\"wp\",\"length\":2,"
                  "\"message\":\"洋区格式错误，应为两个大写字母的洋区代码。\"}\n" +
                  file +
                  "\"row\":2,\"column\":3,\"pass\":\"rule\",\"text\":\"201401161\",\"length\":9,"
                  "\"message\":\"时间格式错误，应为十位数字的年月日时（YYYYMMDDHH）。\"}\n" +
                  file +
                  "\"row\":2,\"column\":7,\"pass\":\"rule\",\"text\":\"05N\",\"length\":3,"
                  "\"message\":\"纬度格式错误，应为十分之一度的整数加N或S。\"}\n" +
                  file +
                  "\"row\":2,\"column\":10,\"pass\":\"rule\",\"text\":\"10100\",\"length\":5,"
                  "\"message\":\"最低气压格式错误，应为0～1100的整数。\"}\n" +
                  file + "\"row\":3,\"column\":9,\"pass\":\"rule\",\"text\":\"" + kEscaped +
                  "\",\"length\":8,\"message\":\"最大风速格式错误，应为0～300的整数。\"}\n");
}

TEST(CheckCommand, UnreadableFilesGiveTwoWhileTheOthersAreChecked)
{
    ScratchDir scratch;
    writeFile(scratch.file("bad.dat"), "wp\n");
    writeFile(scratch.file("empty.dat"), "");
    std::filesystem::create_directory(scratch.path() / "folder.dat");
    const CommandResult result =
        check(scratch, {scratch.file("missing.dat"), scratch.file("folder.dat"), scratch.file("empty.dat"),
                        scratch.file("bad.dat")});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, scratch.file("bad.dat") + ":1:1: 洋区格式错误，应为两个大写字母的洋区代码。: \"wp\"\n" +
                              scratch.file("bad.dat") + ":1:3: 时间格式错误，应为十位数字的年月日时（YYYYMMDDHH）。: \"\"\n" +
                              scratch.file("bad.dat") + ":1:6: 预报时效格式错误，应为-24～120的整数。: \"\"\n" +
                              scratch.file("bad.dat") + ":1:7: 纬度格式错误，应为十分之一度的整数加N或S。: \"\"\n" +
                              scratch.file("bad.dat") + ":1:8: 经度格式错误，应为十分之一度的整数加E或W。: \"\"\n");
    EXPECT_NE(result.err.find("cannot read " + scratch.file("missing.dat")), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("cannot read " + scratch.file("folder.dat") + ": is a directory"), std::string::npos)
        << result.err;
    EXPECT_EQ(result.err.find("empty.dat"), std::string::npos) << result.err; // an empty deck is a clean deck
}

TEST(CheckCommand, WrongArgumentsGiveTwoAndAUsage)
{
    ScratchDir scratch;
    writeFile(scratch.file("good.dat"), "");
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {}, {"--format", "xml", scratch.file("good.dat")}, {"--colour", scratch.file("good.dat")},
             {scratch.file("good.dat"), "--format"}, {"--settings", scratch.file("nowhere"), scratch.file("good.dat")}}) {
        const CommandResult result = check(scratch, arguments);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find("usage: galewright-deck check"), std::string::npos) << result.err;
    }
}

TEST(CheckCommand, WarnsWhenSettingsAreMissing)
{
    ScratchDir scratch;
    writeFile(scratch.file("deck.dat"), "WPXYZ\n");
    const CommandResult result = check(scratch, {"--settings", scratch.path().string(), scratch.file("deck.dat")}, false);
    // No Byte.set: no length test; no Method.set: the rule line names no texts.
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out.substr(0, result.out.find('\n')),
              scratch.file("deck.dat") + ":1:1: fails the rule of its column: \"WPXYZ\"");
    EXPECT_NE(result.err.find("lengths are not checked"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("Method.set"), std::string::npos) << result.err;
}
