#include "cellrange.h"

namespace galewright {

std::optional<CellRange> CellRange::clamped(CellRange range, int rowCount, int columnCount)
{
    if (range.lastRow >= rowCount)
        range.lastRow = rowCount - 1;
    if (range.lastColumn >= columnCount)
        range.lastColumn = columnCount - 1;
    if (range.firstRow < 0 || range.firstColumn < 0 || range.lastRow < 0 || range.lastColumn < 0 ||
        range.firstRow > range.lastRow || range.firstColumn > range.lastColumn || range.firstRow >= rowCount ||
        range.firstColumn >= columnCount)
        return std::nullopt;
    return range;
}

} // namespace galewright
