// The command-line splitting rule on arbitrary bytes.
//
// Invariants: every argument is a piece of the line; a program name and an
// argument that are whole GBK characters without double quotes, quoted as
// instanceCommandLine quotes them, split back to exactly that argument.

#include "commandline.h"
#include "fuzzcheck.h"

#include <string>

using namespace galewright;
using galewright::fuzz::ExactBytes;
using galewright::fuzz::InputPieces;

namespace {

// No double quote at a character start, and no lead byte without its
// second byte at the end: such a text survives being put in quotes.
bool quotable(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size()) {
        const auto byte = static_cast<unsigned char>(text[pos]);
        if (byte == '"')
            return false;
        if (byte >= 0x80 && pos + 1 >= text.size())
            return false;
        pos += byte >= 0x80 ? 2 : 1;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    InputPieces pieces(data, size);
    const std::string_view executable = pieces.take(32);
    const std::string_view argument = pieces.take(64);
    const ExactBytes line(pieces.rest());

    std::size_t total = 0;
    for (const auto& part : splitCommandLine(line.view())) {
        FUZZ_CHECK(line.view().find(part) != std::string_view::npos);
        total += part.size();
    }
    FUZZ_CHECK(total <= line.view().size());

    if (quotable(executable) && quotable(argument)) {
        const ExactBytes alone(instanceCommandLine(executable));
        FUZZ_CHECK(splitCommandLine(alone.view()).empty());
        const ExactBytes withArgument(instanceCommandLine(executable, argument));
        const auto parts = splitCommandLine(withArgument.view());
        FUZZ_CHECK(parts.size() == 1 && parts[0] == argument);
    }
    return 0;
}
