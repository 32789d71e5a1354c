// The deck reader followed by the writer, on arbitrary file bytes.
//
// Invariants: nothing crashes; the table keeps its header row and never more
// than 45 data columns; the written text reads back to the same non-empty
// rows, cell for cell, and writing that again gives the same bytes.

#include "columnconfig.h"
#include "deckreader.h"
#include "decktable.h"
#include "deckwriter.h"
#include "fuzzcheck.h"
#include "textrules.h"
#include "wholefile.h"

#include <string>
#include <vector>

using namespace galewright;

namespace {

// The widths shipped in data/Byte.set, and a file that ends early so the
// unpadded columns are exercised too.
const char* const kByteSets[] = {
    "2,2,10,2,4,3,4,5,3,4,2,3,3,4,4,4,4,4,4,3,3,3,3,3,3,3,3,10,1,2,3,4,4,4,4,100,100,100,100,100,100,100,100,100,100",
    "2,2,10, 4,x,-3",
};

void checkTableShape(const DeckTable& table)
{
    FUZZ_CHECK(table.rowCount() >= 1);
    FUZZ_CHECK(table.columnCount() == 46);
    for (int r = 0; r < table.rowCount(); ++r) {
        FUZZ_CHECK(table.lastFilledColumn(r) <= 45);
        FUZZ_CHECK(table.dataCell(r, 46).empty());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text = bytesToText(std::string(reinterpret_cast<const char*>(data), size));
    for (const char* byteSet : kByteSets) {
        ColumnConfig config;
        config.setLengthLimits(splitText(byteSet, ",", 46));

        DeckTable first;
        loadDeckText(first, text);
        checkTableShape(first);
        if (byteSet == kByteSets[0]) {
            // Loading over a table that holds rows replaces every one of them.
            DeckTable reloaded;
            reloaded.insertRows(1, 3);
            reloaded.setCellText(2, 4, "stale");
            loadDeckText(reloaded, text);
            FUZZ_CHECK(reloaded.rowCount() == first.rowCount());
            for (int r = 1; r < first.rowCount(); ++r)
                for (int k = 0; k <= 46; ++k)
                    FUZZ_CHECK(reloaded.cellText(r, k) == first.cellText(r, k));
        }

        const auto written = formatDeck(first, config);
        FUZZ_CHECK(written.has_value());
        FUZZ_CHECK(written->find('\0') == std::string::npos);

        DeckTable second;
        loadDeckText(second, *written);
        checkTableShape(second);

        // Rows without any non-empty cell are not written; all others come
        // back unchanged and in order.
        int back = 1;
        for (int r = 1; r < first.rowCount(); ++r) {
            if (first.lastFilledColumn(r) == 0)
                continue;
            FUZZ_CHECK(back < second.rowCount());
            FUZZ_CHECK(second.lastFilledColumn(back) == first.lastFilledColumn(r));
            for (int k = 1; k <= 45; ++k)
                FUZZ_CHECK(second.dataCell(back, k) == first.dataCell(r, k));
            ++back;
        }
        FUZZ_CHECK(back == second.rowCount());

        const auto again = formatDeck(second, config);
        FUZZ_CHECK(again.has_value());
        FUZZ_CHECK(*again == *written);

        second.numberHeaders();
        FUZZ_CHECK(second.cellText(0, 45) == "45");
        FUZZ_CHECK(second.cellText(0, 1) == "1");
    }
    return 0;
}
