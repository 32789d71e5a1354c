#pragma once

#include "checkreporter.h"
#include "columndescriptions.h"

#include <array>
#include <cstdint>

namespace galewright {

class ColumnConfig;
class DeckTable;

struct CheckOutcome {
    bool cancelled = false;
    std::int32_t errorCount = 0; // discarded by the user interface when cancelled
};

// The check run ("&C.检查错误"): resets the text colours, walks every data
// cell for its length limit, then columns 1 and 3 to 44 for their rules,
// and reports each violation through the reporter at once, one at a time.
// A column without a Byte.set entry is not length-tested. Cancel ends the
// run at once: no further cell, no summary, no status refresh.
class CheckRun {
public:
    // All three must outlive the run; the table must not change during it.
    CheckRun(const DeckTable& table, const ColumnConfig& config, const ColumnDescriptions& descriptions);

    CheckOutcome checkErrors(CheckReporter& reporter);

private:
    bool lengthPass(CheckReporter& reporter, std::int32_t& errorCount);
    bool rulePass(CheckReporter& reporter, std::int32_t& errorCount);
    bool report(CheckReporter& reporter, CheckViolation& violation, std::int32_t& errorCount);

    const DeckTable& table_;
    const ColumnConfig& config_;
    const ColumnDescriptions& descriptions_;
};

} // namespace galewright
