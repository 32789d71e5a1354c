// Measures the check run on a loaded deck against reading that deck: the
// check of a deck without violations should take less time than reading it.
//
//   check_bench DECK [SETTINGS_DIR]
//
// Each timing is the best of three runs. The reporter answers OK to every
// warning and only counts, so a deck with violations measures the walk plus
// the message texts.

#include "benchsupport.h"
#include "checkrun.h"
#include "columnconfig.h"
#include "columndescriptions.h"
#include "deckreader.h"
#include "decktable.h"
#include "settingsdirectory.h"
#include "wholefile.h"

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

using namespace galewright;
using namespace galewright::bench;

namespace {

class CountingReporter : public CheckReporter {
public:
    void moveCursor(int, int) override {}
    void setTextColour(int, int, int, int, std::uint32_t) override {}
    CheckAnswer showWarning(const CheckViolation&) override
    {
        ++warnings;
        return CheckAnswer::kOk;
    }
    void showSummary(const std::string&) override {}
    void refreshStatusBar() override {}

    std::size_t warnings = 0;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: check_bench DECK [SETTINGS_DIR]\n");
        return 2;
    }
    const std::string path = argv[1];
    ColumnConfig config(argc > 2 ? argv[2] : executableDirectory());
    config.readColumnSettings();
    const ColumnDescriptions descriptions = ColumnDescriptions::snapshot(config);

    const auto bytes = tryReadWholeFile(path);
    if (!bytes) {
        std::fprintf(stderr, "check_bench: cannot read %s\n", path.c_str());
        return 2;
    }
    const double megabytes = static_cast<double>(bytes->size()) / (1024.0 * 1024.0);

    DeckTable table;
    const double read = bestOf3([&] {
        table = DeckTable();
        loadDeckFile(table, path);
    });

    std::size_t warnings = 0;
    const double check = bestOf3([&] {
        CountingReporter reporter;
        CheckRun(table, config, descriptions).checkErrors(reporter);
        warnings = reporter.warnings;
    });

    std::printf("%s: %.1f MB, %d rows, %zu violations\n", path.c_str(), megabytes, table.rowCount() - 1, warnings);
    std::printf("%-22s %8.3f s %9.1f MB/s\n", "read into the table", read, megabytes / read);
    std::printf("%-22s %8.3f s %9.1f MB/s %6.2f x read\n", "check (both passes)", check, megabytes / check,
                check / read);
    std::printf("goal: check < read: %s\n", check < read ? "met" : "MISSED");
    return 0;
}
