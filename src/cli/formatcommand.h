#pragma once

#include <string>
#include <vector>

namespace galewright {

// galewright-deck format [--settings DIR] FILE [-o OUT]: reads FILE as the
// editor opens a deck and writes the bytes the editor's save writes, to OUT
// (atomically) or to standard output. Returns the exit status.
int runFormatCommand(const std::vector<std::string>& arguments);

} // namespace galewright
