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

// Bytes of the trimmed text; most cells have no blank or double-byte
// character at either end and need no walk.
std::size_t trimmedLength(std::string_view cell)
{
    if (cell.empty())
        return 0;
    const auto first = static_cast<unsigned char>(cell.front());
    const auto last = static_cast<unsigned char>(cell.back());
    if (first != ' ' && first < 0x80 && last != ' ' && last < 0x80)
        return cell.size();
    return trimBlanksView(cell).size();
}

} // namespace

std::optional<std::string> formatDeck(const DeckTable& table, const ColumnConfig& config)
{
    const auto widths = paddingWidths(config);
    std::array<std::string_view, DeckTable::kColumnCount> cells;
    std::string out;
    try {
        for (int r = 1; r < table.rowCount(); ++r) {
            const int last = table.rowCells(r, cells);
            for (int k = 1; k <= last; ++k) {
                const std::string_view cell = cells[static_cast<std::size_t>(k)];
                const std::size_t width = k <= kLastPaddedColumn ? widths[static_cast<std::size_t>(k)] : 0;
                const std::size_t length = width > 0 ? trimmedLength(cell) : 0;
                if (width > length) {
                    // Refuse absurd Byte.set widths before they exhaust the machine.
                    if (out.size() + (width - length) > kMaxOutputBytes)
                        return std::nullopt;
                    out.append(width - length, ' ');
                }
                out += cell;
                out += ", ";
            }
            if (last > 0)
                out += '\n';
            if (out.size() > kMaxOutputBytes)
                return std::nullopt;
        }
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
    return out;
}

bool writeDeck(const std::string& path, const DeckTable& table, const ColumnConfig& config)
{
    const auto bytes = formatDeck(table, config);
    return bytes && writeWholeFile(path, *bytes);
}

} // namespace galewright
