#include "deckwriter.h"

#include "textrules.h"
#include "wholefile.h"

#include <array>
#include <cstring>

namespace galewright {

namespace {

constexpr int kLastPaddedColumn = 35;
// Several times the largest real decks; a Byte.set with absurd widths would
// otherwise ask for more memory than the machine has and end the program
// in the middle of a save.
constexpr std::size_t kMaxOutputBytes = std::size_t(1) << 30;

std::array<std::size_t, kLastPaddedColumn + 1> paddingWidths(const ColumnConfig& config)
{
    std::array<std::size_t, kLastPaddedColumn + 1> widths{};
    for (int k = 1; k <= kLastPaddedColumn; ++k) {
        const int width = config.hasLengthLimit(k) ? config.lengthLimit(k) : 0;
        widths[static_cast<std::size_t>(k)] = width > 0 ? static_cast<std::size_t>(width) : 0;
    }
    return widths;
}

std::size_t padding(std::size_t width, std::string_view cell)
{
    if (width == 0)
        return 0;
    const std::size_t length = trimBlanksView(cell).size();
    return width > length ? width - length : 0;
}

} // namespace

std::optional<std::string> formatDeck(const DeckTable& table, const ColumnConfig& config)
{
    const auto widths = paddingWidths(config);
    // Measure first: one allocation of the exact size, and a clean refusal
    // instead of an exhausted machine.
    std::size_t total = 0;
    for (int r = 1; r < table.rowCount(); ++r) {
        const int last = table.lastFilledColumn(r);
        if (last == 0)
            continue;
        for (int k = 1; k <= last; ++k) {
            const auto cell = table.dataCell(r, k);
            if (k <= kLastPaddedColumn)
                total += padding(widths[static_cast<std::size_t>(k)], cell);
            total += cell.size() + 2;
        }
        total += 1;
        if (total > kMaxOutputBytes)
            return std::nullopt;
    }
    std::string out;
    try {
        out.resize(total);
    } catch (...) {
        return std::nullopt;
    }
    char* at = out.data();
    for (int r = 1; r < table.rowCount(); ++r) {
        const int last = table.lastFilledColumn(r);
        if (last == 0)
            continue;
        for (int k = 1; k <= last; ++k) {
            const auto cell = table.dataCell(r, k);
            if (k <= kLastPaddedColumn) {
                const std::size_t blanks = padding(widths[static_cast<std::size_t>(k)], cell);
                std::memset(at, ' ', blanks);
                at += blanks;
            }
            if (!cell.empty())
                std::memcpy(at, cell.data(), cell.size());
            at += cell.size();
            *at++ = ',';
            *at++ = ' ';
        }
        *at++ = '\n';
    }
    return out;
}

bool writeDeck(const std::string& path, const DeckTable& table, const ColumnConfig& config)
{
    const auto bytes = formatDeck(table, config);
    return bytes && writeWholeFile(path, *bytes);
}

} // namespace galewright
