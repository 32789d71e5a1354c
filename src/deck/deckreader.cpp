#include "deckreader.h"

#include "textrules.h"
#include "wholefile.h"

#include <array>

namespace galewright {

namespace {

constexpr int kMaxFields = 46;

} // namespace

void loadDeckText(DeckTable& table, std::string_view text)
{
    table.deleteAllDataRows();
    const std::size_t n = text.size();
    const char* bytes = text.data();
    std::array<std::string_view, kMaxFields> fields;

    // One walk serves both splits: the line split and the field split of
    // each line step over the same characters from the line's start, so a
    // lead byte just before a line feed keeps that line feed in its line.
    std::size_t lineStart = 0;
    while (lineStart < n) {
        int count = 0;
        bool full = false;
        std::size_t fieldStart = lineStart;
        std::size_t pos = lineStart;
        while (pos < n) {
            const auto byte = static_cast<unsigned char>(bytes[pos]);
            if (byte == '\n')
                break;
            if (byte == ',' && !full) {
                fields[static_cast<std::size_t>(count++)] = text.substr(fieldStart, pos - fieldStart);
                full = count == kMaxFields;
                fieldStart = ++pos;
                continue;
            }
            pos += characterLength(byte);
        }
        const std::size_t lineEnd = pos < n ? pos : n;
        if (!full && fieldStart < lineEnd)
            fields[static_cast<std::size_t>(count++)] = text.substr(fieldStart, lineEnd - fieldStart);
        if (count > 0) {
            const int kept = count < DeckTable::kLastColumn ? count : DeckTable::kLastColumn;
            for (int k = 0; k < kept; ++k)
                fields[static_cast<std::size_t>(k)] = trimBlanksView(fields[static_cast<std::size_t>(k)]);
            table.appendRow(std::span<const std::string_view>(fields.data(), static_cast<std::size_t>(kept)));
        }
        lineStart = lineEnd + 1;
    }
}

void loadDeckFile(DeckTable& table, const std::string& path)
{
    const std::string text = bytesToText(readWholeFile(path));
    loadDeckText(table, text);
}

} // namespace galewright
