#pragma once

#include "cellrange.h"

#include <QAbstractTableModel>
#include <QFont>

namespace galewright {

class DeckDocument;
class GridPresentation;

// The DeckTable as Qt sees it: model row i is table row i + 1 and model
// column j is table column j + 1; table row 0 and column 0 are the header
// data, shown by the view's fixed headers. Texts are decoded from GBK for
// display; edited text goes back through the document, encoded to GBK.
class DeckTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    DeckTableModel(DeckDocument& document, const GridPresentation& presentation, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The font the presentation builds on.
    void setBaseFont(const QFont& font) { baseFont_ = font; }
    // The presentation of a range changed: repaint it.
    void presentationChanged(const CellRange& range);

signals:
    // Typed text that GBK cannot hold; the cell keeps its text.
    void editRefused(int row, int column, const QString& text);

private:
    QVariant cellData(int row, int column, int role) const;
    void announceCells(const CellRange& range);

    DeckDocument& document_;
    const GridPresentation& presentation_;
    QFont baseFont_;
};

} // namespace galewright
