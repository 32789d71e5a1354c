// Opening a deck in the main window (offscreen), against reading it with
// the core alone:
//   - time from the start of loadDeck to the grid shown and painted again,
//     best of three, versus loadDeckFile into a bare DeckTable, best of three;
//   - resident memory the window gained with the deck loaded, versus the
//     memory the core's table holds (its heap bytes and the resident growth
//     of a process that only reads it);
//   - moving the cursor to the last row and back, painted.
// The core side runs in a child process first, so neither side inherits the
// other's heap.
//
//   window_bench DECK [SETTINGS_DIR]

#include "benchsupport.h"
#include "windowbenchsupport.h"
#include "deckgrid.h"
#include "deckreader.h"
#include "dialogservice.h"
#include "mainwindow.h"
#include "processstarter.h"
#include "settingsdirectory.h"

#include <QApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

using namespace galewright;
using namespace galewright::bench;

namespace {

struct CoreFigures {
    double readSeconds = 0;
    double tableMb = 0;    // DeckTable::memoryBytes
    double residentMb = 0; // VmRSS growth with the table loaded
    double peakMb = 0;     // VmHWM of the reading process
    int rows = 0;
};

CoreFigures measureCore(const std::string& path)
{
    CoreFigures figures;
    const long before = statusKilobytes("VmRSS:");
    DeckTable table;
    figures.readSeconds = seconds([&] { loadDeckFile(table, path); });
    figures.residentMb = static_cast<double>(statusKilobytes("VmRSS:") - before) / 1024;
    figures.peakMb = static_cast<double>(statusKilobytes("VmHWM:")) / 1024;
    figures.tableMb = static_cast<double>(table.memoryBytes()) / (1024 * 1024);
    figures.rows = table.rowCount() - 1;
    for (int i = 0; i < 2; ++i) {
        DeckTable again;
        figures.readSeconds = std::min(figures.readSeconds, seconds([&] { loadDeckFile(again, path); }));
    }
    return figures;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: window_bench DECK [SETTINGS_DIR]\n");
        return 2;
    }
    const std::string path = argv[1];
    const std::string settings = argc > 2 ? argv[2] : executableDirectory();

    int report[2];
    if (::pipe(report) != 0)
        return 1;
    const pid_t child = ::fork();
    if (child == 0) {
        const CoreFigures figures = measureCore(path);
        [[maybe_unused]] const auto written = ::write(report[1], &figures, sizeof figures);
        ::_exit(0);
    }
    CoreFigures core;
    if (::read(report[0], &core, sizeof core) != static_cast<ssize_t>(sizeof core))
        return 1;
    ::waitpid(child, nullptr, 0);

    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    BenchEditor editor(settings);
    MainWindow& window = editor.window;

    const long before = statusKilobytes("VmRSS:");
    double load = seconds([&] {
        window.loadDeck(path);
        settle(); // the grid painted again
    });
    const double windowMb = static_cast<double>(statusKilobytes("VmRSS:") - before) / 1024;
    const double windowPeakMb = static_cast<double>(statusKilobytes("VmHWM:")) / 1024;
    const double totalMb = static_cast<double>(statusKilobytes("VmRSS:")) / 1024;
    const double baseMb = static_cast<double>(before) / 1024;
    for (int i = 0; i < 2; ++i)
        load = std::min(load, seconds([&] {
                            window.loadDeck(path);
                            settle();
                        }));

    DeckGrid& grid = window.grid();
    const int last = grid.rowCount() - 1;
    const double toLast = seconds([&] {
        grid.setCursorCell(last, 45);
        settle();
    });
    const double toFirst = seconds([&] {
        grid.setCursorCell(1, 1);
        settle();
    });

    std::printf("deck: %s, %d rows\n", path.c_str(), core.rows);
    std::printf("core read (loadDeckFile):        %8.3f s\n", core.readSeconds);
    std::printf("window loadDeck to grid shown:   %8.3f s  %5.2f x core\n", load, load / core.readSeconds);
    std::printf("core table: %.1f MB heap (memoryBytes), %.1f MB resident growth, peak %.1f MB\n", core.tableMb,
                core.residentMb, core.peakMb);
    std::printf("window: %.1f MB resident growth with the deck (%.2f x core growth, %.2f x table heap), "
                "%.1f MB resident in all (%.1f MB before the load), peak %.1f MB\n",
                windowMb, windowMb / core.residentMb, windowMb / core.tableMb, totalMb, baseMb, windowPeakMb);
    std::printf("cursor to the last row, painted: %.4f s; back to the first: %.4f s\n", toLast, toFirst);
    std::printf("goals: load <= 1.5 x core: %s; memory <= 1.2 x core: %s\n", load <= 1.5 * core.readSeconds ? "yes" : "NO",
                windowMb <= 1.2 * core.residentMb ? "yes" : "NO");
    return 0;
}
