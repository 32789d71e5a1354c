#include "checkcommand.h"

#include "checkprinter.h"
#include "checkrun.h"
#include "columnconfig.h"
#include "columndescriptions.h"
#include "deckreader.h"
#include "decktable.h"
#include "settingsdirectory.h"
#include "wholefile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace galewright {

namespace {

constexpr int kColumns = 45;

int usage(const std::string& problem)
{
    std::fprintf(stderr, "galewright-deck: %s\n", problem.c_str());
    std::fputs("usage: galewright-deck check [--settings DIR] [--format text|jsonl] FILE...\n", stderr);
    return 2;
}

// Why tryReadWholeFile gave nothing, in words for the message.
std::string unreadableReason(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return std::strerror(errno);
    if (S_ISDIR(info.st_mode))
        return "is a directory";
    if (!S_ISREG(info.st_mode))
        return "not a regular file";
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::strerror(errno);
    ::close(fd);
    return "read failed";
}

bool isDirectory(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// A missing or short Byte.set or a missing Method.set makes the check
// quietly weaker in the editor; on the command line say so.
void warnAboutSettings(const ColumnConfig& config)
{
    const auto entries = config.lengthLimits().size();
    if (entries == 0)
        std::fprintf(stderr, "galewright-deck: warning: no Byte.set entries in %s: lengths are not checked\n",
                     config.settingsDirectory().c_str());
    else if (entries < kColumns)
        std::fprintf(stderr,
                     "galewright-deck: warning: Byte.set in %s has %zu entries: columns %zu to %d are not "
                     "length-checked\n",
                     config.settingsDirectory().c_str(), entries, entries + 1, kColumns);
    if (!tryReadWholeFile(config.settingsPath("Method.set")))
        std::fprintf(stderr, "galewright-deck: warning: cannot read Method.set in %s: messages lack column texts\n",
                     config.settingsDirectory().c_str());
}

} // namespace

int runCheckCommand(const std::vector<std::string>& arguments)
{
    std::string settings;
    bool settingsGiven = false;
    CheckPrinter::Format format = CheckPrinter::Format::kText;
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string argument = arguments[i];
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            files.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        std::string value;
        const auto equals = argument.find('=');
        if (argument.starts_with("--") && equals != std::string::npos) {
            value = argument.substr(equals + 1);
            argument.resize(equals);
        } else if (argument == "--settings" || argument == "--format") {
            if (i + 1 >= arguments.size())
                return usage(argument + " needs a value");
            value = arguments[++i];
        }
        if (argument == "--settings") {
            settings = value;
            settingsGiven = true;
        } else if (argument == "--format") {
            if (value == "text")
                format = CheckPrinter::Format::kText;
            else if (value == "jsonl")
                format = CheckPrinter::Format::kJsonLines;
            else
                return usage("unknown format \"" + value + "\" (text or jsonl)");
        } else {
            return usage("unknown option " + argument);
        }
    }
    if (files.empty())
        return usage("no deck file given");
    if (!settingsGiven)
        settings = executableDirectory();
    else if (!isDirectory(settings))
        return usage("settings directory " + settings + " not found");

    ColumnConfig config(settings);
    config.readColumnSettings();
    warnAboutSettings(config);
    const ColumnDescriptions descriptions = ColumnDescriptions::snapshot(config);

    int status = 0;
    for (const auto& file : files) {
        auto bytes = tryReadWholeFile(file);
        if (!bytes) {
            std::fprintf(stderr, "galewright-deck: cannot read %s: %s\n", file.c_str(), unreadableReason(file).c_str());
            status = 2;
            continue;
        }
        DeckTable table;
        loadDeckText(table, bytesToText(std::move(*bytes)));
        bytes.reset();
        CheckPrinter printer(stdout, format, file, descriptions);
        CheckRun(table, config, descriptions).checkErrors(printer);
        if (printer.violationCount() > 0 && status == 0)
            status = 1;
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "galewright-deck: cannot write to standard output: %s\n", std::strerror(errno));
        return 2;
    }
    return status;
}

} // namespace galewright
