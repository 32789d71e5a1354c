// The INI layer on arbitrary file bytes, with one value set through it.
//
// Invariants:
// - text() is a fixed point after one pass: parsing what was written and
//   writing it again gives the same bytes, and every value reads the same.
// - setValue with a section, key and value that an INI line can hold (no
//   line end, no "=" in the key, no "]" in the section, no blanks or quotes
//   around the value, which reading strips) reads back as set, both at once
//   and after a write and a fresh parse; another key of the file keeps its
//   value.

#include "fuzzcheck.h"
#include "inifile.h"

#include <string>

using namespace galewright;
using galewright::fuzz::InputPieces;

namespace {

bool hasAny(std::string_view text, std::string_view bytes) { return text.find_first_of(bytes) != text.npos; }

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

bool sameIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

// A name that an INI line keeps as it is: not empty, no line end, no blank
// at either end (names are compared trimmed), no bracket at the start (a
// key line would read as a section header).
bool plainName(std::string_view name, std::string_view forbidden)
{
    return !name.empty() && !hasAny(name, forbidden) && !hasAny(name, std::string_view("\n\r\0", 3)) &&
           !isBlank(name.front()) && !isBlank(name.back()) && name.front() != '[';
}

bool plainValue(std::string_view value)
{
    if (hasAny(value, std::string_view("\n\r\0", 3)) || value.size() > IniFile::kMaxValueBytes)
        return false;
    if (!value.empty() && (isBlank(value.front()) || isBlank(value.back())))
        return false;
    return value.size() < 2 || value.front() != '"' || value.back() != '"';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    InputPieces pieces(data, size);
    const std::string_view section = pieces.take(24);
    const std::string_view key = pieces.take(24);
    const std::string_view value = pieces.take(64);
    const std::string_view otherKey = pieces.take(16);
    const std::string_view text = pieces.rest();

    const IniFile ini = IniFile::parse(text);
    const std::string written = ini.text();
    const IniFile reread = IniFile::parse(written);
    FUZZ_CHECK(reread.text() == written);
    FUZZ_CHECK(reread.value(section, key) == ini.value(section, key));
    FUZZ_CHECK(reread.value(section, otherKey) == ini.value(section, otherKey));
    FUZZ_CHECK(ini.value(section, key).size() <= IniFile::kMaxValueBytes);

    IniFile changed = ini;
    const std::string otherBefore = changed.value(section, otherKey);
    changed.setValue(section, key, value);
    if (plainName(section, "]") && plainName(key, "=") && plainValue(value)) {
        FUZZ_CHECK(changed.value(section, key) == value);
        const IniFile saved = IniFile::parse(changed.text());
        FUZZ_CHECK(saved.value(section, key) == value);
        if (!sameIgnoringCase(otherKey, key) && plainName(otherKey, "=")) {
            FUZZ_CHECK(changed.value(section, otherKey) == otherBefore);
            FUZZ_CHECK(saved.value(section, otherKey) == otherBefore);
        }
    }
    return 0;
}
