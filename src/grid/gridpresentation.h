#pragma once

#include "cellrange.h"
#include "stylelayer.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QString>

namespace galewright {

enum class CellAlignment { Left, Centre, Right };

// How each cell of the grid looks: alignment, font face, font height in
// pixels and text colour, each kept by range (see StyleLayer). Ranges are
// in table numbering and must already be clamped to the table.
class GridPresentation {
public:
    GridPresentation();

    void setAlignment(const CellRange& range, CellAlignment alignment) { alignment_.set(range, alignment); }
    void setFontFace(const CellRange& range, const QString& face) { fontFace_.set(range, face); }
    void setFontHeight(const CellRange& range, int pixels) { fontHeight_.set(range, pixels); }
    void setTextColour(const CellRange& range, const QColor& colour) { textColour_.set(range, colour); }

    CellAlignment alignment(int row, int column) const { return alignment_.value(row, column); }
    // Empty face: the widget's own. Height 0: the widget's own.
    const QString& fontFace(int row, int column) const { return fontFace_.value(row, column); }
    int fontHeight(int row, int column) const { return fontHeight_.value(row, column); }
    // Invalid colour: never set, the palette's text colour.
    const QColor& textColour(int row, int column) const { return textColour_.value(row, column); }

    // The cell's font built on the widget's font; fonts are cached since
    // painting asks for one per visible cell.
    QFont font(int row, int column, const QFont& base) const;

    void rowsInserted(int position, int count);
    void rowsRemoved(int first, int last);

private:
    StyleLayer<CellAlignment> alignment_;
    StyleLayer<QString> fontFace_;
    StyleLayer<int> fontHeight_;
    StyleLayer<QColor> textColour_;
    mutable QHash<QString, QFont> fonts_;
};

Qt::Alignment toQtAlignment(CellAlignment alignment);

} // namespace galewright
