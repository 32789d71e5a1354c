#pragma once

#include "columnconfig.h"
#include "decktable.h"

#include <optional>
#include <string>

namespace galewright {

// The bytes of a deck file for the table: one line per row that has a
// non-empty cell, fields 1..m (m the last non-empty column), each written as
// padding + the cell's text + ", ", then a line feed. Fields 1..35 are padded
// with leading blanks to their Byte.set width (measured on the trimmed
// text); a column without an entry gets no padding. Nothing when the output
// would not fit in memory (absurd widths in Byte.set).
std::optional<std::string> formatDeck(const DeckTable& table, const ColumnConfig& config);

// formatDeck, then writeWholeFile; false when either fails.
bool writeDeck(const std::string& path, const DeckTable& table, const ColumnConfig& config);

} // namespace galewright
