#include "columnrules.h"
#include "inifile.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace galewright;
using galewright::test::gbk;

TEST(MethodSet, IsTheGbkFormOfItsEditableSource)
{
    // tools/make-method-set writes it; a source edited without running the
    // script would ship stale texts.
    const std::string source = test::readFile(test::sourceDir() / "tools" / "method-set.utf8.ini");
    std::string crlf;
    for (char c : source) {
        if (c == '\n')
            crlf += '\r';
        if (c != '\r')
            crlf += c;
    }
    EXPECT_EQ(test::readFile(test::dataDir() / "Method.set"), gbk(crlf));
}

TEST(MethodSet, DescribesEveryColumn)
{
    const IniFile ini = IniFile::load((test::dataDir() / "Method.set").string());
    for (int column = 1; column <= 45; ++column) {
        const std::string section = std::to_string(column);
        EXPECT_FALSE(ini.value(section, "Type").empty()) << column;
        EXPECT_FALSE(ini.value(section, "Text").empty()) << column;
        EXPECT_EQ(ini.value(section, "Error").empty(), !hasColumnRule(column)) << column;
    }
    EXPECT_EQ(ini.value("7", "Type"), gbk("纬度"));
    EXPECT_EQ(ini.value("7", "Text"), gbk("0～900的十分之一度整数加N或S，如235N；除0N、0S外不能以0开头"));
}
