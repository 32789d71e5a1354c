// Saving where it cannot succeed: the saver says so (false) and the file
// that was there keeps every byte, with no temporary file left beside it.
// Tests run as root in CI; the whole-file writer refuses files and
// directories without any write permission bit even for root, which is
// what the read-only cases rely on.

#include "columnconfig.h"
#include "deckreader.h"
#include "deckwriter.h"
#include "inifile.h"
#include "testsupport.h"
#include "wholefile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <set>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace galewright;
using namespace galewright::test;

namespace {

// A tmpfs of 64 KiB mounted on a scratch directory, filled to the last
// block once the old files are in place.
class TinyDisk {
public:
    explicit TinyDisk(const std::filesystem::path& where) : path_(where)
    {
        std::filesystem::create_directory(path_);
        if (::mount("tmpfs", path_.c_str(), "tmpfs", 0, "size=64k") != 0)
            error_ = std::strerror(errno);
        else
            mounted_ = true;
    }
    ~TinyDisk()
    {
        if (mounted_)
            ::umount2(path_.c_str(), MNT_DETACH);
    }
    TinyDisk(const TinyDisk&) = delete;
    TinyDisk& operator=(const TinyDisk&) = delete;

    bool mounted() const { return mounted_; }
    const std::string& error() const { return error_; }
    void fill() const
    {
        FILE* filler = std::fopen((path_ / "filler").c_str(), "wb");
        ASSERT_NE(filler, nullptr);
        const std::string block(4096, 'f');
        while (std::fwrite(block.data(), 1, block.size(), filler) == block.size() && std::fflush(filler) == 0) {
        }
        std::fclose(filler);
    }

private:
    std::filesystem::path path_;
    bool mounted_ = false;
    std::string error_;
};

std::set<std::string> entriesOf(const std::filesystem::path& directory)
{
    std::set<std::string> names;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(directory, ignored))
        names.insert(entry.path().filename().string());
    return names;
}

struct Saver {
    const char* name;
    std::string fileName;
    std::function<bool(const std::string& directory)> save;
};

std::vector<Saver> savers()
{
    return {
        {"deck", "deck.dat",
         [](const std::string& directory) {
             DeckTable table;
             loadDeckText(table, "WP, 01, 2014010100, , BEST, 0, 92N, 1284E\n");
             ColumnConfig config(dataDir().string());
             config.readColumnSettings();
             return writeDeck(directory + "/deck.dat", table, config);
         }},
        {"Width.set", "Width.set",
         [](const std::string& directory) {
             return ColumnConfig(directory).saveColumnWidths(std::vector<int>(45, 35));
         }},
        {"Maps.ini", "Maps.ini",
         [](const std::string& directory) {
             IniFile ini = IniFile::parse("[List]\r\n0=\"/maps/old.png\"\r\n");
             ini.setValue("List", "1", "\"/maps/new.png\"");
             return ini.save(directory + "/Maps.ini");
         }},
    };
}

const std::string kOldBytes = "the user's old file\r\n\xB0\xA1\n";

} // namespace

TEST(FailedSave, OldFileIntactAndFailureReported)
{
    for (const auto& saver : savers()) {
        SCOPED_TRACE(saver.name);
        ScratchDir dir;

        // The savers do work where they may.
        const std::string writable = dir.file("writable");
        std::filesystem::create_directory(writable);
        writeFile(writable + "/" + saver.fileName, kOldBytes);
        EXPECT_TRUE(saver.save(writable));
        EXPECT_NE(readFile(writable + "/" + saver.fileName), kOldBytes);

        const std::string readOnlyDir = dir.file("read-only-dir");
        std::filesystem::create_directory(readOnlyDir);
        writeFile(readOnlyDir + "/" + saver.fileName, kOldBytes);
        ::chmod(readOnlyDir.c_str(), 0555);
        const auto before = entriesOf(readOnlyDir);
        EXPECT_FALSE(saver.save(readOnlyDir));
        EXPECT_EQ(readFile(readOnlyDir + "/" + saver.fileName), kOldBytes);
        EXPECT_EQ(entriesOf(readOnlyDir), before);
        ::chmod(readOnlyDir.c_str(), 0755);

        const std::string readOnlyFile = dir.file("read-only-file");
        std::filesystem::create_directory(readOnlyFile);
        const std::string file = readOnlyFile + "/" + saver.fileName;
        writeFile(file, kOldBytes);
        ::chmod(file.c_str(), 0444);
        EXPECT_FALSE(saver.save(readOnlyFile));
        EXPECT_EQ(readFile(file), kOldBytes);
        EXPECT_EQ(entriesOf(readOnlyFile).size(), 1u);
        struct stat info {};
        ASSERT_EQ(::stat(file.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, 0444u);

        const std::string missing = dir.file("missing/deeper");
        EXPECT_FALSE(saver.save(missing));
        EXPECT_FALSE(std::filesystem::exists(dir.file("missing")));
    }
}

TEST(FailedSave, DeviceTargetsAreRefused)
{
    DeckTable table;
    loadDeckText(table, "WP, 01\n");
    EXPECT_FALSE(writeDeck("/dev/full", table, ColumnConfig()));
    EXPECT_FALSE(writeDeck("/dev/null", table, ColumnConfig()));
    EXPECT_FALSE(IniFile().save("/dev/full"));
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/full"));
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
}

TEST(FailedSave, FullDiskKeepsTheOldFile)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "mounting a 64 KiB tmpfs to fill needs root";
    ScratchDir dir;
    TinyDisk disk(dir.path() / "disk");
    if (!disk.mounted())
        GTEST_SKIP() << "cannot mount a tmpfs here (" << disk.error() << "); /dev/full is covered instead";
    const std::string root = dir.file("disk");
    for (const auto& saver : savers())
        writeFile(root + "/" + saver.fileName, kOldBytes);
    disk.fill();
    const auto before = entriesOf(root);
    for (const auto& saver : savers()) {
        SCOPED_TRACE(saver.name);
        EXPECT_FALSE(saver.save(root));
        EXPECT_EQ(readFile(root + "/" + saver.fileName), kOldBytes);
        EXPECT_EQ(entriesOf(root), before);
    }
}
