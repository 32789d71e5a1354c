#include "decktablemodel.h"

#include "deckdocument.h"
#include "gbkcodec.h"
#include "gridpresentation.h"
#include "textrules.h"

#include <algorithm>

namespace galewright {

namespace {

// A cell shows at most this many bytes. Laying out one cell of many
// megabytes (a file without line feeds) froze the window for a minute at
// every paint; no column is wide enough to show more anyway. Editing still
// gets the whole text.
constexpr std::size_t kMostShownBytes = 4096;

std::string_view shownPart(std::string_view text, bool& cut)
{
    cut = text.size() > kMostShownBytes;
    if (!cut)
        return text;
    std::size_t end = 0;
    while (end < kMostShownBytes)
        end += characterLength(static_cast<unsigned char>(text[end]));
    return text.substr(0, std::min(end, text.size()));
}

} // namespace

DeckTableModel::DeckTableModel(DeckDocument& document, const GridPresentation& presentation, QObject* parent)
    : QAbstractTableModel(parent), document_(document), presentation_(presentation)
{
    connect(&document_, &DeckDocument::rowsAboutToBeInserted, this,
            [this](int first, int count) { beginInsertRows({}, first - 1, first + count - 2); });
    connect(&document_, &DeckDocument::rowsInserted, this, [this] { endInsertRows(); });
    connect(&document_, &DeckDocument::rowsAboutToBeRemoved, this,
            [this](int first, int last) { beginRemoveRows({}, first - 1, last - 1); });
    connect(&document_, &DeckDocument::rowsRemoved, this, [this] { endRemoveRows(); });
    connect(&document_, &DeckDocument::aboutToReplaceRows, this, [this] { beginResetModel(); });
    connect(&document_, &DeckDocument::rowsReplaced, this, [this] { endResetModel(); });
    connect(&document_, &DeckDocument::cellsChanged, this, &DeckTableModel::announceCells);
}

int DeckTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : document_.rowCount() - 1;
}

int DeckTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : document_.columnCount() - 1;
}

QVariant DeckTableModel::cellData(int row, int column, int role) const
{
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: {
        const std::string text =
            row == 0 || column == 0 ? document_.table().cellText(row, column) : std::string(document_.table().dataCell(row, column));
        if (role == Qt::EditRole)
            return QString::fromStdString(GbkCodec::toUtf8(text));
        bool cut = false;
        QString shown = QString::fromStdString(GbkCodec::toUtf8(shownPart(text, cut)));
        if (cut)
            shown += QChar(0x2026); // …
        return shown;
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(toQtAlignment(presentation_.alignment(row, column)));
    case Qt::FontRole:
        return presentation_.font(row, column, baseFont_);
    case Qt::ForegroundRole: {
        const QColor& colour = presentation_.textColour(row, column);
        return colour.isValid() ? QVariant(colour) : QVariant();
    }
    default:
        return {};
    }
}

QVariant DeckTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    return cellData(index.row() + 1, index.column() + 1, role);
}

QVariant DeckTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (section < 0)
        return {};
    if (orientation == Qt::Horizontal)
        return section + 1 < document_.columnCount() ? cellData(0, section + 1, role) : QVariant();
    return section + 1 < document_.rowCount() ? cellData(section + 1, 0, role) : QVariant();
}

bool DeckTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const QString text = value.toString();
    const auto bytes = GbkCodec::fromUtf8(text.toStdString());
    if (!bytes) {
        emit editRefused(index.row() + 1, index.column() + 1, text);
        return false;
    }
    return document_.setCellText(index.row() + 1, index.column() + 1, *bytes);
}

Qt::ItemFlags DeckTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

void DeckTableModel::announceCells(const CellRange& range)
{
    const int lastRow = std::min(range.lastRow, rowCount());
    const int lastColumn = std::min(range.lastColumn, columnCount());
    if (range.firstColumn == 0 && lastRow >= 1)
        emit headerDataChanged(Qt::Vertical, std::max(range.firstRow, 1) - 1, lastRow - 1);
    if (range.firstRow == 0 && lastColumn >= 1)
        emit headerDataChanged(Qt::Horizontal, std::max(range.firstColumn, 1) - 1, lastColumn - 1);
    const int firstRow = std::max(range.firstRow, 1);
    const int firstColumn = std::max(range.firstColumn, 1);
    if (firstRow <= lastRow && firstColumn <= lastColumn)
        emit dataChanged(index(firstRow - 1, firstColumn - 1), index(lastRow - 1, lastColumn - 1));
}

void DeckTableModel::presentationChanged(const CellRange& range) { announceCells(range); }

} // namespace galewright
