#pragma once

// A main window over a deck whose cell (r, k) reads "r.k", for the editing
// tests, and short ways to read the grid's cursor, selection and columns.

#include "deckgrid.h"
#include "editortestsupport.h"
#include "gbkcodec.h"

#include <QStringList>
#include <QTest>

#include <memory>
#include <string>

namespace galewright::test {

// Lines of 45 fields; field k of line r is "r.k".
inline std::string numberedDeck(int rows)
{
    std::string text;
    for (int r = 1; r <= rows; ++r) {
        for (int k = 1; k <= 45; ++k)
            text += std::to_string(r) + "." + std::to_string(k) + (k < 45 ? "," : "\n");
    }
    return text;
}

struct Cell {
    int row;
    int column;
    bool operator==(const Cell&) const = default;
};
inline char* toString(const Cell& cell)
{
    return QTest::toString(QStringLiteral("(%1,%2)").arg(cell.row).arg(cell.column));
}
inline Cell cursorOf(const DeckGrid& grid) { return {grid.cursorRow(), grid.cursorColumn()}; }

// The selection's bounding box as "r1,c1-r2,c2", "none" without one.
inline QString selectionOf(const DeckGrid& grid)
{
    const CellRange s = grid.selectedRange();
    if (s.firstRow < 0)
        return QStringLiteral("none");
    return QStringLiteral("%1,%2-%3,%4").arg(s.firstRow).arg(s.firstColumn).arg(s.lastRow).arg(s.lastColumn);
}

// The texts of one column, rows 1 to the last.
inline QStringList columnTexts(const DeckGrid& grid, int column)
{
    QStringList texts;
    for (int r = 1; r < grid.rowCount(); ++r)
        texts << QString::fromStdString(GbkCodec::toUtf8(grid.cellText(r, column)));
    return texts;
}

inline QStringList numbers(int from, int to)
{
    QStringList texts;
    for (int n = from; n <= to; ++n)
        texts << QString::number(n);
    return texts;
}

// The started window with `rows` numbered rows loaded (none: no file).
class EditingFixture {
public:
    explicit EditingFixture(int rows)
    {
        fixture.start();
        if (rows > 0) {
            const std::string path = fixture.files.file("numbered.dat");
            writeFile(path, numberedDeck(rows));
            fixture.window->loadDeck(path);
        }
    }
    MainWindow& window() { return *fixture.window; }
    DeckGrid& grid() { return fixture.window->grid(); }
    FakeDialogService& dialogs() { return fixture.dialogs; }

    EditorFixture fixture;
};

} // namespace galewright::test
