#pragma once

// What the deck tests compare: a table's data rows as texts, and the
// settings that ship in data/.

#include "columnconfig.h"
#include "decktable.h"
#include "testsupport.h"

#include <string>
#include <vector>

namespace galewright::test {

using Rows = std::vector<std::vector<std::string>>;

// Cells 1..m of every data row, m the row's last non-empty column.
inline Rows rowsOf(const DeckTable& table)
{
    Rows rows;
    for (int r = 1; r < table.rowCount(); ++r) {
        std::vector<std::string> row;
        for (int k = 1; k <= table.lastFilledColumn(r); ++k)
            row.push_back(table.cellText(r, k));
        rows.push_back(row);
    }
    return rows;
}

inline ColumnConfig shippedSettings()
{
    ColumnConfig config(dataDir().string());
    config.readColumnSettings();
    return config;
}

} // namespace galewright::test
