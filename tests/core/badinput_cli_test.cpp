// galewright-deck on inputs that are not deck files: each ends with a
// one-line message and exit status 2, never a hang, and never touches a
// file it was not asked to write.

#include "testsupport.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace galewright::test;

namespace {

struct Outcome {
    int status = -1;
    std::string output; // standard output and standard error together
};

std::string quoted(const std::string& text) { return "'" + text + "'"; }

// Runs the tool under `timeout`, so a hang fails the test (status 124)
// instead of stalling the run.
Outcome run(const std::string& arguments, const std::string& redirect = "2>&1")
{
    const std::string tool = (binDir() / "galewright-deck").string();
    const std::string command = "timeout 60 " + quoted(tool) + " " + arguments + " " + redirect + " </dev/null";
    Outcome outcome;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return outcome;
    std::array<char, 4096> buffer;
    std::size_t got = 0;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        outcome.output.append(buffer.data(), got);
    const int status = ::pclose(pipe);
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
}

bool mentions(const std::string& text, std::string_view part) { return text.find(part) != std::string::npos; }

} // namespace

TEST(CommandLineInput, NonFilesEndWithAMessage)
{
    ScratchDir dir;
    const std::string fifo = dir.file("pipe.dat");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    struct Case {
        const char* name;
        std::string path;
        const char* reason; // as the check command words it
    };
    const Case cases[] = {
        {"a directory", dir.path().string(), "is a directory"},
        {"a FIFO nobody writes to", fifo, "not a regular file"},
        {"a missing file", dir.file("missing.dat"), "No such file"},
        {"a character device", "/dev/zero", "not a regular file"},
    };
    for (const auto& c : cases) {
        const Outcome format = run("format " + quoted(c.path));
        EXPECT_EQ(format.status, 2) << c.name << ": " << format.output;
        EXPECT_TRUE(mentions(format.output, "cannot read " + c.path)) << c.name << ": " << format.output;

        const Outcome check = run("check " + quoted(c.path));
        EXPECT_EQ(check.status, 2) << c.name << ": " << check.output;
        EXPECT_TRUE(mentions(check.output, c.reason)) << c.name << ": " << check.output;
    }
    // A bad file among good ones: the others are still checked.
    const std::string bad = dir.file("bad-basin.dat");
    writeFile(bad, "XX, 01, 2014010100, , BEST, 0, 92N, 1284E\n");
    const Outcome mixed = run("check " + quoted(dir.path().string()) + " " + quoted(bad));
    EXPECT_EQ(mixed.status, 2);
    EXPECT_TRUE(mentions(mixed.output, "bad-basin.dat")) << mixed.output;
}

TEST(CommandLineInput, UnreadableFile)
{
    ScratchDir dir;
    const std::string path = dir.file("locked.dat");
    writeFile(path, "WP, 01, 2014010100\n");
    ::chmod(path.c_str(), 0);
    const Outcome format = run("format " + quoted(path));
    if (::geteuid() == 0) {
        // Permission bits do not stop root from reading; the tool reads it
        // like any other deck. The refusal is tested when not run as root.
        EXPECT_EQ(format.status, 0) << format.output;
        EXPECT_EQ(format.output, "WP, 01, 2014010100, \n");
    } else {
        EXPECT_EQ(format.status, 2) << format.output;
        EXPECT_TRUE(mentions(format.output, "cannot read")) << format.output;
    }
}

TEST(CommandLineInput, FailedWritesKeepTheOldOutput)
{
    ScratchDir dir;
    const std::string input = dir.file("in.dat");
    writeFile(input, "WP, 01, 2014010100\n");
    const std::string old = "old output\n";

    const std::string readOnly = dir.file("read-only.dat");
    writeFile(readOnly, old);
    ::chmod(readOnly.c_str(), 0444);
    const Outcome toReadOnly = run("format " + quoted(input) + " -o " + quoted(readOnly));
    EXPECT_EQ(toReadOnly.status, 2);
    EXPECT_TRUE(mentions(toReadOnly.output, "cannot write " + readOnly)) << toReadOnly.output;
    EXPECT_EQ(readFile(readOnly), old);

    const Outcome toMissingDirectory = run("format " + quoted(input) + " -o " + quoted(dir.file("no/out.dat")));
    EXPECT_EQ(toMissingDirectory.status, 2);
    EXPECT_TRUE(mentions(toMissingDirectory.output, "cannot write")) << toMissingDirectory.output;

    const Outcome toDevFull = run("format " + quoted(input) + " -o /dev/full");
    EXPECT_EQ(toDevFull.status, 2);

    // Standard output on a full disk: said, not silently cut short.
    const Outcome formatToFull = run("format " + quoted(input), ">/dev/full 2>&1");
    EXPECT_EQ(formatToFull.status, 2);
    const Outcome checkToFull = run("check " + quoted(input), "2>&1 >/dev/full");
    EXPECT_EQ(checkToFull.status, 2) << checkToFull.output;
    EXPECT_TRUE(mentions(checkToFull.output, "cannot write to standard output")) << checkToFull.output;

    EXPECT_EQ(readFile(input), "WP, 01, 2014010100\n");
}
