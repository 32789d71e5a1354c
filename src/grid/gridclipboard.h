#pragma once

#include "cellrange.h"
#include "deckdocument.h"

#include <QString>
#include <QStringView>

#include <vector>

namespace galewright {

class DeckTable;

// The clipboard text of grid cells. Copying writes a block of cells as
// Unicode text, cells joined by a tab and rows by CR LF; pasting reads
// lines at LF (a CR before it dropped), fields at tab or comma, and turns
// them into cell writes. Columns not listed (hidden ones) take no part
// either way.
class GridClipboard {
public:
    // Cells that GBK could not hold: how many, and the first of them.
    struct Refusal {
        int cells = 0;
        int row = -1;
        int column = -1;
        QString character; // the first character of that cell without a GBK code
    };
    struct PastePlan {
        std::vector<DeckDocument::CellEdit> edits;
        Refusal refused;
    };

    // Rows firstRow..lastRow of `columns` (ascending table columns), decoded
    // from GBK.
    static QString copyText(const DeckTable& table, int firstRow, int lastRow, const std::vector<int>& columns);

    // Field k of line j goes to row firstRow + j and to columns[k]; lines
    // past lastRow and fields past the last column are dropped. Empty fields
    // are kept (they empty their cell) except a line's last one.
    static PastePlan planPaste(QStringView text, int firstRow, int lastRow, const std::vector<int>& columns);
};

} // namespace galewright
