#include "checkrun.h"

#include "checkmessages.h"
#include "columnconfig.h"
#include "columnrules.h"
#include "decktable.h"
#include "textrules.h"

namespace galewright {

namespace {

constexpr int kLastColumn = DeckTable::kLastColumn;
constexpr int kRuleColumn19 = 19; // a failing cell of this column keeps its colour

// trimBlanksView walks the whole text; most cells have nothing to trim,
// which shows at both ends: no blank or full-width space first, and a last
// byte below 0x80 that is no blank (it ends a complete character, alone or
// as the second byte of a pair).
std::string_view trimmedCell(std::string_view text)
{
    if (text.empty())
        return text;
    const auto first = static_cast<unsigned char>(text.front());
    const auto last = static_cast<unsigned char>(text.back());
    if (first != 0x20 && first != 0xA1 && last < 0x80 && last != 0x20)
        return text;
    return trimBlanksView(text);
}

// The counter is a signed 32-bit number; let it wrap rather than overflow.
void countOne(std::int32_t& errorCount)
{
    errorCount = static_cast<std::int32_t>(static_cast<std::uint32_t>(errorCount) + 1u);
}

} // namespace

CheckRun::CheckRun(const DeckTable& table, const ColumnConfig& config, const ColumnDescriptions& descriptions)
    : table_(table), config_(config), descriptions_(descriptions)
{
}

CheckOutcome CheckRun::checkErrors(CheckReporter& reporter)
{
    CheckOutcome outcome;
    reporter.moveCursor(1, 1);
    // Clears the marks of an earlier run, header row and column included.
    reporter.setTextColour(0, 0, table_.rowCount() - 1, table_.columnCount() - 1, CheckReporter::kBlack);
    if (!lengthPass(reporter, outcome.errorCount)) {
        outcome.cancelled = true;
        return outcome;
    }
    reporter.refreshStatusBar();
    if (!rulePass(reporter, outcome.errorCount)) {
        outcome.cancelled = true;
        return outcome;
    }
    reporter.showSummary(CheckMessages::summaryMessage(outcome.errorCount));
    reporter.refreshStatusBar();
    return outcome;
}

bool CheckRun::lengthPass(CheckReporter& reporter, std::int32_t& errorCount)
{
    std::array<bool, kLastColumn + 1> tested{};
    std::array<std::int64_t, kLastColumn + 1> limit{};
    for (int k = 1; k <= kLastColumn; ++k) {
        tested[static_cast<std::size_t>(k)] = config_.hasLengthLimit(k);
        limit[static_cast<std::size_t>(k)] = config_.lengthLimit(k);
    }
    const int rows = table_.rowCount();
    for (int r = 1; r < rows; ++r) {
        // Cells past the last filled one are empty without being looked at.
        const int filled = table_.lastFilledColumn(r);
        for (int k = 1; k <= kLastColumn; ++k) {
            const auto index = static_cast<std::size_t>(k);
            if (!tested[index])
                continue;
            // Trimming only shortens, so a cell within its limit untrimmed passes.
            const std::string_view raw = k <= filled ? table_.dataCell(r, k) : std::string_view();
            if (static_cast<std::int64_t>(raw.size()) <= limit[index])
                continue;
            const std::string_view text = trimmedCell(raw);
            if (static_cast<std::int64_t>(text.size()) <= limit[index])
                continue;
            CheckViolation violation;
            violation.pass = CheckPass::kLength;
            violation.row = r;
            violation.column = k;
            violation.text = text;
            violation.length = text.size();
            violation.limit = static_cast<int>(limit[index]);
            const auto& entries = config_.lengthLimits();
            violation.limitText = entries[index - 1];
            violation.message = CheckMessages::lengthMessage(r, k, text.size(), violation.limitText);
            if (!report(reporter, violation, errorCount))
                return false;
        }
    }
    return true;
}

bool CheckRun::rulePass(CheckReporter& reporter, std::int32_t& errorCount)
{
    std::array<bool, kLastColumn + 1> emptyPasses{};
    for (int k = 1; k <= kLastColumn; ++k)
        emptyPasses[static_cast<std::size_t>(k)] = columnRulePasses(k, {});
    const int rows = table_.rowCount();
    for (int r = 1; r < rows; ++r) {
        const int filled = table_.lastFilledColumn(r);
        for (int k = 1; k <= kLastColumn; ++k) {
            if (!hasColumnRule(k))
                continue;
            std::string_view text;
            if (k <= filled) {
                text = trimmedCell(table_.dataCell(r, k));
                if (columnRulePasses(k, text))
                    continue;
            } else if (emptyPasses[static_cast<std::size_t>(k)]) {
                continue;
            }
            CheckViolation violation;
            violation.pass = CheckPass::kRule;
            violation.row = r;
            violation.column = k;
            violation.text = text;
            violation.length = text.size();
            violation.typeText = descriptions_.description(k, ColumnConfig::kType);
            violation.errorText = descriptions_.description(k, ColumnConfig::kError);
            violation.helpText = descriptions_.description(k, ColumnConfig::kText);
            violation.message = CheckMessages::ruleMessage(r, k, text, violation.typeText, violation.errorText,
                                                           violation.helpText);
            if (!report(reporter, violation, errorCount))
                return false;
        }
    }
    return true;
}

bool CheckRun::report(CheckReporter& reporter, CheckViolation& violation, std::int32_t& errorCount)
{
    countOne(errorCount);
    reporter.moveCursor(violation.row, violation.column);
    if (violation.pass == CheckPass::kLength || violation.column != kRuleColumn19)
        reporter.setTextColour(violation.row, violation.column, violation.row, violation.column, CheckReporter::kRed);
    return reporter.showWarning(violation) == CheckAnswer::kOk;
}

} // namespace galewright
