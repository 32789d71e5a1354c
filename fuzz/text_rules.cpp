// The text rules on arbitrary bytes, each also with a lone lead byte added
// at the very end (the place where a double-byte walk could read past the
// text). Inputs are exact-size heap blocks so a one-byte overread is seen.
//
// Invariants: the parts of a split are the text between separators, in
// order; trimming is idempotent and gives a piece of the text; textToInt is
// textToInt64 cut to 32 bits; the byte rules stay inside the text.

#include "fuzzcheck.h"
#include "textrules.h"

#include <string>

using namespace galewright;
using galewright::fuzz::ExactBytes;
using galewright::fuzz::InputPieces;

namespace {

bool isPieceOf(std::string_view piece, std::string_view text)
{
    return piece.empty() || (piece.data() >= text.data() && piece.data() + piece.size() <= text.data() + text.size());
}

void checkSplit(std::string_view text, std::string_view separator, int maximum)
{
    const auto views = splitTextViews(text, separator, maximum);
    const auto parts = splitText(text, separator, maximum);
    FUZZ_CHECK(views.size() == parts.size());
    if (maximum <= 0 || text.empty()) {
        FUZZ_CHECK(views.empty());
        return;
    }
    FUZZ_CHECK(views.size() <= static_cast<std::size_t>(maximum));
    if (separator.empty()) {
        FUZZ_CHECK(views.size() == 1 && views[0] == text);
        return;
    }
    // Joined with the separator, the parts are the text from its start:
    // all of it without a limit, save one separator at the very end.
    std::string joined;
    for (std::size_t i = 0; i < views.size(); ++i) {
        FUZZ_CHECK(parts[i] == views[i]);
        FUZZ_CHECK(isPieceOf(views[i], text));
        if (i > 0)
            joined += separator;
        joined += views[i];
    }
    FUZZ_CHECK(text.substr(0, joined.size()) == joined);
    if (maximum == kNoLimit)
        FUZZ_CHECK(joined.size() == text.size() ||
                   (joined.size() + separator.size() == text.size() && text.substr(joined.size()) == separator));
}

void checkTrim(std::string_view text)
{
    const std::string_view trimmed = trimBlanksView(text);
    FUZZ_CHECK(isPieceOf(trimmed, text));
    FUZZ_CHECK(trimBlanks(text) == trimmed);
    FUZZ_CHECK(trimBlanksView(trimmed) == trimmed);
    if (!trimmed.empty())
        FUZZ_CHECK(trimmed.front() != ' ');
}

void checkNumbers(std::string_view text)
{
    const std::int64_t wide = textToInt64(text);
    FUZZ_CHECK(textToInt(text) == static_cast<std::int32_t>(static_cast<std::uint32_t>(wide)));
    FUZZ_CHECK(textToInt64(numberToText(wide)) == wide);
    FUZZ_CHECK(textToInt(numberToText(textToInt(text))) == textToInt(text));
}

void checkByteRules(std::string_view text, std::int64_t a, std::int64_t b)
{
    const auto length = static_cast<std::int64_t>(text.size());
    FUZZ_CHECK(static_cast<std::int64_t>(leftBytes(text, a).size()) <= length);
    FUZZ_CHECK(static_cast<std::int64_t>(rightBytes(text, a).size()) <= length);
    const std::string middle = midBytes(text, a, b);
    FUZZ_CHECK(middle.empty() || text.substr(static_cast<std::size_t>(a - 1), middle.size()) == middle);
    const std::string removed = removeBytes(text, a, b);
    FUZZ_CHECK(static_cast<std::int64_t>(removed.size()) <= length);
    FUZZ_CHECK(upperAscii(text).size() == text.size());
    const std::string searched(midBytes(text, b, 3));
    const std::int64_t found = findText(text, searched, a);
    FUZZ_CHECK(found == -1 || (found >= 1 && found <= length));
    if (found > 0 && !searched.empty())
        FUZZ_CHECK(text.substr(static_cast<std::size_t>(found - 1), searched.size()) == searched);
    (void)byteValue(midBytes(text, a, 1));
}

void checkAll(std::string_view text, std::string_view separator, int maximum, std::int64_t a, std::int64_t b)
{
    checkSplit(text, separator, maximum);
    checkSplit(text, separator, kNoLimit);
    checkSplit(text, ",", 46);
    checkTrim(text);
    checkNumbers(text);
    checkByteRules(text, a, b);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    InputPieces pieces(data, size);
    const ExactBytes separator(pieces.take(4));
    const int maximum = pieces.takeByte() - 8; // a few negative limits too
    const std::int64_t a = pieces.takeByte() - 4;
    const std::int64_t b = pieces.takeByte() - 4;
    const std::string_view rest = pieces.rest();

    const ExactBytes text(rest);
    checkAll(text.view(), separator.view(), maximum, a, b);
    const ExactBytes withLead(rest, "\x81");
    checkAll(withLead.view(), separator.view(), maximum, a, b);
    if (!rest.empty()) {
        const ExactBytes lastIsLead(rest.substr(0, rest.size() - 1), "\xA1");
        checkAll(lastIsLead.view(), separator.view(), maximum, a, b);
    }
    return 0;
}
