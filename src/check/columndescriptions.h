#pragma once

#include "columnconfig.h"

#include <array>
#include <string>
#include <vector>

namespace galewright {

// Where the check run gets a column's "Type", "Error" and "Text" from.
// The editor reads Method.set afresh for every message, so an edit to the
// file shows at once; the command-line tool reads it once, because a deck
// with a violation in every row would otherwise read the file a million
// times.
class ColumnDescriptions {
public:
    // Every call reads Method.set through `config`, which must outlive this.
    static ColumnDescriptions live(const ColumnConfig& config);
    // Reads sections 1 to 45 of Method.set now and answers from memory.
    static ColumnDescriptions snapshot(const ColumnConfig& config);

    // The text of `kind` (ColumnConfig::kType, kError, kText) for `column`;
    // empty when missing.
    std::string description(int column, int kind) const;

private:
    ColumnDescriptions() = default;

    const ColumnConfig* live_ = nullptr;
    std::vector<std::array<std::string, 3>> texts_; // index column - 1
};

} // namespace galewright
