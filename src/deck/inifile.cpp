#include "inifile.h"

#include "wholefile.h"

namespace galewright {

namespace {

std::string fold(std::string_view text)
{
    std::string folded(text);
    for (auto& c : folded)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

std::string_view trimIni(std::string_view text)
{
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// "[name]" (blanks allowed around) gives name; anything else is no header.
bool sectionName(std::string_view line, std::string_view& name)
{
    line = trimIni(line);
    if (line.empty() || line.front() != '[')
        return false;
    const auto close = line.find(']');
    name = trimIni(close == std::string_view::npos ? line.substr(1) : line.substr(1, close - 1));
    return true;
}

} // namespace

IniFile IniFile::parse(std::string_view text)
{
    IniFile ini;
    ini.sections_.emplace_back(); // lines before the first section
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        start = end + 1;
        std::string_view name;
        if (sectionName(line, name)) {
            Section section;
            section.header = std::string(line);
            section.name = fold(name);
            ini.firstSection_.emplace(section.name, ini.sections_.size());
            ini.sections_.push_back(std::move(section));
            continue;
        }
        Entry entry;
        entry.line = std::string(line);
        const auto equals = line.find('=');
        if (equals != std::string_view::npos) {
            entry.isKey = true;
            entry.key = fold(trimIni(line.substr(0, equals)));
        }
        addEntry(ini.sections_.back(), std::move(entry));
    }
    return ini;
}

void IniFile::addEntry(Section& section, Entry entry)
{
    if (entry.isKey)
        section.firstKey.emplace(entry.key, section.entries.size());
    section.entries.push_back(std::move(entry));
}

IniFile IniFile::load(const std::string& path) { return parse(readWholeFile(path)); }

const IniFile::Section* IniFile::findSection(std::string_view folded) const
{
    const auto found = firstSection_.find(std::string(folded));
    return found == firstSection_.end() ? nullptr : &sections_[found->second];
}

IniFile::Section* IniFile::findSection(std::string_view folded)
{
    const auto found = firstSection_.find(std::string(folded));
    return found == firstSection_.end() ? nullptr : &sections_[found->second];
}

std::string IniFile::value(std::string_view section, std::string_view key) const
{
    const Section* found = findSection(fold(trimIni(section)));
    if (!found)
        return {};
    const auto entry = found->firstKey.find(fold(trimIni(key)));
    if (entry == found->firstKey.end())
        return {};
    std::string_view line = found->entries[entry->second].line;
    std::string_view value = trimIni(line.substr(line.find('=') + 1));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    if (value.size() > kMaxValueBytes)
        value = value.substr(0, kMaxValueBytes);
    return std::string(value);
}

void IniFile::setValue(std::string_view section, std::string_view key, std::string_view value)
{
    const std::string sectionKey = fold(trimIni(section));
    const std::string foldedKey = fold(trimIni(key));
    std::string line = std::string(trimIni(key)) + "=" + std::string(value);
    Section* found = findSection(sectionKey);
    if (!found) {
        if (sections_.empty())
            sections_.emplace_back();
        Section created;
        created.header = "[" + std::string(trimIni(section)) + "]";
        created.name = sectionKey;
        firstSection_.emplace(sectionKey, sections_.size());
        sections_.push_back(std::move(created));
        found = &sections_.back();
    }
    const auto entry = found->firstKey.find(foldedKey);
    if (entry != found->firstKey.end()) {
        found->entries[entry->second].line = std::move(line);
        return;
    }
    // New keys go after the section's last non-empty line.
    std::size_t at = found->entries.size();
    while (at > 0 && trimIni(found->entries[at - 1].line).empty())
        --at;
    Entry added{std::move(line), foldedKey, true};
    if (at == found->entries.size()) {
        addEntry(*found, std::move(added));
        return;
    }
    found->entries.insert(found->entries.begin() + static_cast<std::ptrdiff_t>(at), std::move(added));
    found->firstKey.clear();
    for (std::size_t i = 0; i < found->entries.size(); ++i)
        if (found->entries[i].isKey)
            found->firstKey.emplace(found->entries[i].key, i);
}

std::string IniFile::text() const
{
    std::string out;
    for (const auto& section : sections_) {
        if (!section.header.empty()) {
            out += section.header;
            out += "\r\n";
        }
        for (const auto& entry : section.entries) {
            out += entry.line;
            out += "\r\n";
        }
    }
    return out;
}

bool IniFile::save(const std::string& path) const { return writeWholeFile(path, text()); }

std::string IniFile::readValue(const std::string& path, std::string_view section, std::string_view key)
{
    return load(path).value(section, key);
}

} // namespace galewright
