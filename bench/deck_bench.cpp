// Measures, for one deck in one run: a bare scan of the file (read it and
// count lines and commas: the physical limit), reading it into a DeckTable,
// formatting and writing it back, and the memory the loaded table holds.
//
//   deck_bench DECK [SETTINGS_DIR]
//
// Each timing is the best of three runs, so the page cache is warm for all.

#include "benchsupport.h"
#include "columnconfig.h"
#include "deckreader.h"
#include "deckwriter.h"
#include "settingsdirectory.h"
#include "wholefile.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <malloc.h>
#include <string>
#include <unistd.h>

using namespace galewright;
using namespace galewright::bench;

namespace {

std::size_t heapInUse() { return mallinfo2().uordblks + mallinfo2().hblkhd; }

void line(const char* what, double seconds, double megabytes, double scan)
{
    std::printf("%-34s %8.3f s %9.1f MB/s %6.2f x scan\n", what, seconds, megabytes / seconds, seconds / scan);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: deck_bench DECK [SETTINGS_DIR]\n");
        return 2;
    }
    const std::string path = argv[1];
    const std::string settings = argc > 2 ? argv[2] : executableDirectory();
    ColumnConfig config(settings);
    config.readColumnSettings();

    std::size_t bytes = 0;
    std::size_t lines = 0;
    std::size_t commas = 0;
    const double scan = bestOf3([&] {
        const std::string data = readWholeFile(path);
        std::size_t n = 0;
        std::size_t c = 0;
        for (char ch : data) {
            n += ch == '\n';
            c += ch == ',';
        }
        bytes = data.size();
        lines = n;
        commas = c;
    });
    const double megabytes = static_cast<double>(bytes) / (1024.0 * 1024.0);
    std::printf("%s: %.1f MB, %zu lines, %zu commas\n", path.c_str(), megabytes, lines, commas);
    line("bare scan (read, count)", scan, megabytes, scan);

    DeckTable table;
    const double read = bestOf3([&] {
        table = DeckTable();
        loadDeckFile(table, path);
    });
    line("read into the table", read, megabytes, scan);

    // Memory of the table alone: load once more into a fresh table and
    // measure what stays allocated after the file's bytes are gone.
    table = DeckTable();
    malloc_trim(0);
    const std::size_t heapBefore = heapInUse();
    const long rssBefore = statusKilobytes("VmRSS:");
    DeckTable measured;
    loadDeckFile(measured, path);
    malloc_trim(0);
    const double heapMb = static_cast<double>(heapInUse() - heapBefore) / (1024.0 * 1024.0);
    const double rssMb = static_cast<double>(statusKilobytes("VmRSS:") - rssBefore) / 1024.0;

    std::string formatted;
    const double format = bestOf3([&] { formatted = formatDeck(measured, config).value_or(std::string()); });
    line("format (table to bytes)", format, megabytes, scan);
    const std::string out = path + ".bench-out";
    bool wrote = true;
    const double write = bestOf3([&] { wrote = writeDeck(out, measured, config) && wrote; });
    line("write (format, write, fsync, rename)", write, megabytes, scan);
    ::unlink(out.c_str());

    std::printf("table memory: %.1f MB heap (%.2f x file), %.1f MB resident (%.2f x file), %d rows\n", heapMb,
                heapMb / megabytes, rssMb, rssMb / megabytes, measured.rowCount() - 1);
    std::printf("goals: read <= 4 x scan: %s; write <= 3 x scan: %s; memory <= 2 x file: %s\n",
                read <= 4 * scan ? "met" : "MISSED", write <= 3 * scan ? "met" : "MISSED",
                heapMb <= 2 * megabytes ? "met" : "MISSED");
    return wrote ? 0 : 1;
}
