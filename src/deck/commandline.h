#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace galewright {

// Splits a whole Windows-style command line into the arguments after the
// program's own name: double quotes group (no escapes), bytes below 0x21
// separate, and a double-byte character's second byte is never taken for a
// quote or a blank. On Linux the shell has already split argv; the rule is
// kept for building where the program receives one command line.
std::vector<std::string> splitCommandLine(std::string_view line);

// The command line that starts another instance: the executable in double
// quotes, then the argument in double quotes when there is one.
std::string instanceCommandLine(std::string_view executable);
std::string instanceCommandLine(std::string_view executable, std::string_view argument);

} // namespace galewright
