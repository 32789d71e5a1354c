#pragma once

#include "decktable.h"

#include <string>
#include <string_view>

namespace galewright {

// Replaces every data row of `table` with the records of a deck text:
// lines at line feeds, at most 46 fields a line at commas, each field
// trimmed, fields 1..45 into columns 1..45. A line without bytes adds no
// row. Splitting never starts a match on the second byte of a double-byte
// character.
void loadDeckText(DeckTable& table, std::string_view text);

// Reads the whole file (nothing when it cannot be read), cuts it at the
// first zero byte and loads it as above.
void loadDeckFile(DeckTable& table, const std::string& path);

} // namespace galewright
