#include "formatcommand.h"

#include "columnconfig.h"
#include "deckreader.h"
#include "deckwriter.h"
#include "settingsdirectory.h"
#include "wholefile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace galewright {

namespace {

int usage()
{
    std::fputs("usage: galewright-deck format [--settings DIR] FILE [-o OUT]\n", stderr);
    return 2;
}

bool writeStandardOutput(const std::string& bytes)
{
    const char* at = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(STDOUT_FILENO, at, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        at += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

} // namespace

int runFormatCommand(const std::vector<std::string>& arguments)
{
    std::string settings = executableDirectory();
    std::string input;
    std::string output;
    bool haveInput = false;
    bool haveOutput = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--settings" || argument == "-o") {
            if (i + 1 >= arguments.size())
                return usage();
            (argument == "-o" ? output : settings) = arguments[++i];
            if (argument == "-o")
                haveOutput = true;
        } else if (!haveInput && (argument.empty() || argument[0] != '-' || argument == "-")) {
            input = argument;
            haveInput = true;
        } else {
            return usage();
        }
    }
    if (!haveInput)
        return usage();

    const auto bytes = tryReadWholeFile(input);
    if (!bytes) {
        std::fprintf(stderr, "galewright-deck: cannot read %s\n", input.c_str());
        return 2;
    }
    ColumnConfig config(settings);
    config.readColumnSettings();
    DeckTable table;
    loadDeckText(table, bytesToText(*bytes));
    const auto formatted = formatDeck(table, config);
    if (!formatted) {
        std::fprintf(stderr, "galewright-deck: the deck is too large to write with these field widths\n");
        return 2;
    }
    if (haveOutput) {
        if (!writeWholeFile(output, *formatted)) {
            std::fprintf(stderr, "galewright-deck: cannot write %s\n", output.c_str());
            return 2;
        }
    } else if (!writeStandardOutput(*formatted)) {
        std::fprintf(stderr, "galewright-deck: cannot write to standard output: %s\n", std::strerror(errno));
        return 2;
    }
    return 0;
}

} // namespace galewright
