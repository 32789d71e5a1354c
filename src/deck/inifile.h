#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace galewright {

// Our INI layer, with the observable behaviour of the Windows profile
// functions that the settings files were made for: section and key names
// compared without regard to ASCII letter case, the key is the text before
// the first "=", the value the rest of the line with surrounding blanks and
// one pair of enclosing double quotes removed, at most 10239 bytes of it,
// and the empty text for a missing file, section or key. The first of
// duplicate sections or keys wins. Written files use CR LF line ends.
class IniFile {
public:
    static constexpr std::size_t kMaxValueBytes = 10239;

    static IniFile parse(std::string_view text);
    static IniFile load(const std::string& path); // missing or unreadable: empty

    std::string value(std::string_view section, std::string_view key) const;
    // Replaces the first matching key of the first matching section, or
    // appends the key to that section, or appends the section at the end.
    void setValue(std::string_view section, std::string_view key, std::string_view value);

    std::string text() const;
    bool save(const std::string& path) const; // atomic, see writeWholeFile

    static std::string readValue(const std::string& path, std::string_view section, std::string_view key);

private:
    struct Entry {
        std::string line;  // the line as read or written, without its line end
        std::string key;   // folded key; empty for lines that are not key=value
        bool isKey = false;
    };
    struct Section {
        std::string header; // the "[name]" line as read; empty for the lines before any section
        std::string name;   // folded
        std::vector<Entry> entries;
        std::unordered_map<std::string, std::size_t> firstKey;
    };

    Section* findSection(std::string_view folded);
    const Section* findSection(std::string_view folded) const;
    static void addEntry(Section& section, Entry entry);

    std::vector<Section> sections_;
    std::unordered_map<std::string, std::size_t> firstSection_;
};

} // namespace galewright
