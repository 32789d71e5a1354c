#pragma once

#include <string>
#include <vector>

namespace galewright {

// galewright-deck check [--settings DIR] [--format text|jsonl] FILE...:
// reads each FILE as the editor opens a deck, runs the editor's check
// without stopping and prints one record per violation, in the order the
// editor would report them, as UTF-8. Returns 0 when no file has a
// violation, 1 when some file has, 2 when a file cannot be read or the
// arguments are wrong (the other files are still checked).
int runCheckCommand(const std::vector<std::string>& arguments);

} // namespace galewright
