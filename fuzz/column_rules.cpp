// The column rules on arbitrary cell texts, and the whole check run over a
// deck read from arbitrary bytes with a Byte.set taken from the input.
//
// Invariants: the rules never read past a cell (each text is also tried
// with a lone lead byte at its end); a column without a rule passes
// everything; a double-byte character fails every digit, position and code
// column; the run reports exactly the cells that break their limit or rule,
// each inside the table, length pass first, in row-then-column order, and
// counts them; a cancelled run shows no summary.

#include "checkrun.h"
#include "columnconfig.h"
#include "columndescriptions.h"
#include "columnrules.h"
#include "deckreader.h"
#include "decktable.h"
#include "fuzzcheck.h"
#include "textrules.h"
#include "wholefile.h"

#include <string>
#include <vector>

using namespace galewright;
using galewright::fuzz::ExactBytes;
using galewright::fuzz::InputPieces;

namespace {

// Columns whose rule only forbids the field separator.
bool isFreeText(int column)
{
    return column == 5 || column == 11 || column == 25 || column == 28 || (column >= 36 && column <= 44);
}

bool hasHighByte(std::string_view text)
{
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return true;
    return false;
}

void checkRules(std::string_view text)
{
    // The run hands the rules trimmed texts only; others must merely not crash.
    const bool trimmed = trimBlanksView(text) == text;
    for (int k = -1; k <= 47; ++k) {
        const bool passes = columnRulePasses(k, text);
        if (!hasColumnRule(k))
            FUZZ_CHECK(passes);
        else if (trimmed && !isFreeText(k) && hasHighByte(text))
            FUZZ_CHECK(!passes);
    }
    (void)isDigitText(text, true);
    (void)isDigitText(text, false);
    (void)containsComma(text);
    if (isLatitudeText(text) || isLongitudeText(text))
        FUZZ_CHECK(!trimBlanksView(text).empty());
}

struct Cell {
    int row;
    int column;
    bool operator<(const Cell& other) const { return row != other.row ? row < other.row : column < other.column; }
};

class Recorder : public CheckReporter {
public:
    Recorder(const DeckTable& table, int cancelAt) : table_(table), cancelAt_(cancelAt) {}

    void moveCursor(int row, int column) override
    {
        if (!firstMoveSeen_)
            FUZZ_CHECK(row == 1 && column == 1);
        firstMoveSeen_ = true;
        FUZZ_CHECK(!summaryShown);
    }
    void setTextColour(int firstRow, int firstColumn, int lastRow, int lastColumn, std::uint32_t) override
    {
        FUZZ_CHECK(0 <= firstRow && firstRow <= lastRow && lastRow < table_.rowCount());
        FUZZ_CHECK(0 <= firstColumn && firstColumn <= lastColumn && lastColumn < table_.columnCount());
    }
    CheckAnswer showWarning(const CheckViolation& violation) override
    {
        FUZZ_CHECK(!summaryShown);
        FUZZ_CHECK(violation.row >= 1 && violation.row < table_.rowCount());
        FUZZ_CHECK(violation.column >= 1 && violation.column <= 45);
        FUZZ_CHECK(violation.text == trimBlanksView(table_.dataCell(violation.row, violation.column)));
        FUZZ_CHECK(violation.length == violation.text.size());
        FUZZ_CHECK(!violation.message.empty());
        auto& cells = violation.pass == CheckPass::kLength ? lengthCells : ruleCells;
        if (violation.pass == CheckPass::kLength) {
            FUZZ_CHECK(ruleCells.empty());
            FUZZ_CHECK(static_cast<std::int64_t>(violation.length) > violation.limit);
        } else {
            FUZZ_CHECK(hasColumnRule(violation.column));
            FUZZ_CHECK(!columnRulePasses(violation.column, violation.text));
        }
        const Cell cell{violation.row, violation.column};
        FUZZ_CHECK(cells.empty() || cells.back() < cell);
        cells.push_back(cell);
        return ++answered == cancelAt_ ? CheckAnswer::kCancel : CheckAnswer::kOk;
    }
    void showSummary(const std::string& message) override
    {
        FUZZ_CHECK(!summaryShown && !message.empty());
        summaryShown = true;
    }
    void refreshStatusBar() override {}

    std::vector<Cell> lengthCells;
    std::vector<Cell> ruleCells;
    bool summaryShown = false;

private:
    const DeckTable& table_;
    int cancelAt_;
    int answered = 0;
    bool firstMoveSeen_ = false;
};

void checkRun(std::string_view byteSet, int cancelAt, std::string_view deck)
{
    ColumnConfig config("/nonexistent-galewright-settings");
    config.setLengthLimits(splitText(byteSet, ",", 46));
    const ColumnDescriptions descriptions = ColumnDescriptions::snapshot(config);
    DeckTable table;
    loadDeckText(table, bytesToText(std::string(deck)));

    Recorder recorder(table, cancelAt);
    const CheckOutcome outcome = CheckRun(table, config, descriptions).checkErrors(recorder);
    const auto reported = recorder.lengthCells.size() + recorder.ruleCells.size();
    FUZZ_CHECK(outcome.cancelled == (cancelAt > 0 && static_cast<std::size_t>(cancelAt) == reported));
    FUZZ_CHECK(recorder.summaryShown == !outcome.cancelled);
    if (outcome.cancelled)
        return;
    FUZZ_CHECK(static_cast<std::size_t>(outcome.errorCount) == reported);

    // Every cell that breaks its limit or its rule was reported.
    std::size_t lengthExpected = 0;
    std::size_t ruleExpected = 0;
    for (int r = 1; r < table.rowCount(); ++r)
        for (int k = 1; k <= 45; ++k) {
            const auto text = trimBlanksView(table.dataCell(r, k));
            if (config.hasLengthLimit(k) && static_cast<std::int64_t>(text.size()) > config.lengthLimit(k))
                ++lengthExpected;
            if (hasColumnRule(k) && !columnRulePasses(k, text))
                ++ruleExpected;
        }
    FUZZ_CHECK(recorder.lengthCells.size() == lengthExpected);
    FUZZ_CHECK(recorder.ruleCells.size() == ruleExpected);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    InputPieces pieces(data, size);
    const std::string_view cell = pieces.take(40);
    const std::string_view byteSet = pieces.take(200);
    const int cancelAt = pieces.takeByte() % 8; // 0: answer OK to everything
    const std::string_view deck = pieces.rest();

    checkRules(ExactBytes(cell).view());
    checkRules(ExactBytes(cell, "\xB0").view());
    checkRules(ExactBytes(trimBlanksView(cell)).view());
    checkRun(byteSet, cancelAt, deck);
    return 0;
}
