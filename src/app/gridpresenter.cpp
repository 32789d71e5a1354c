#include "gridpresenter.h"

#include "columnconfig.h"
#include "deckgrid.h"
#include "gbkcodec.h"
#include "statuspanel.h"

namespace galewright {

namespace {

constexpr int kLastPaddedColumn = 35;
constexpr int kHeaderFontHeight = 16;
constexpr int kDataFontHeight = 14;
const QString kFontFace = QStringLiteral("Verdana");

QString fromGbk(const std::string& text) { return QString::fromStdString(GbkCodec::toUtf8(text)); }

} // namespace

GridPresenter::GridPresenter(DeckGrid& grid, StatusPanel& status, const ColumnConfig& config, QObject* parent)
    : QObject(parent), grid_(grid), status_(status), config_(config)
{
    connect(&grid_, &DeckGrid::cursorChanged, this, &GridPresenter::refreshStatusBar);
}

void GridPresenter::applyGridPresentation()
{
    const int lastRow = grid_.rowCount() - 1;
    const int lastColumn = grid_.columnCount() - 1;
    grid_.document().numberHeaders();
    grid_.setRangeAlignment({1, 1, lastRow, kLastPaddedColumn}, CellAlignment::Right);
    grid_.setRangeAlignment({1, kLastPaddedColumn + 1, lastRow, lastColumn}, CellAlignment::Left);
    grid_.setRangeAlignment({0, 0, 0, lastColumn}, CellAlignment::Centre);
    grid_.setRangeAlignment({0, 0, lastRow, 0}, CellAlignment::Centre);
    grid_.setRangeFontFace({0, 0, lastRow, lastColumn}, kFontFace);
    grid_.setRangeFontHeight({0, 0, 0, lastColumn}, kHeaderFontHeight);
    grid_.setRangeFontHeight({0, 0, lastRow, 0}, kHeaderFontHeight);
    grid_.setRangeFontHeight({1, 1, lastRow, lastColumn}, kDataFontHeight);
}

void GridPresenter::refreshStatusBar()
{
    const int row = grid_.cursorRow();
    const int column = grid_.cursorColumn();
    emit cursorRowShown(row);

    status_.setPartText(1, row > 0 && column > 0 ? QStringLiteral("单元格：%1,%2").arg(row).arg(column) : QString());

    const CellRange s = grid_.selectedRange();
    const bool several = s.firstRow != s.lastRow || s.firstColumn != s.lastColumn;
    const bool inside = s.firstRow > 0 && s.firstColumn > 0 && s.lastRow > 0 && s.lastColumn > 0;
    status_.setPartText(2, several && inside ? QStringLiteral("区域：%1-%2,%3-%4")
                                                   .arg(s.firstRow)
                                                   .arg(s.firstColumn)
                                                   .arg(s.lastRow)
                                                   .arg(s.lastColumn)
                                             : QString());

    status_.setPartText(3, fromGbk(config_.columnDescription(column, ColumnConfig::kType)) + QStringLiteral("：") +
                               fromGbk(config_.columnDescription(column, ColumnConfig::kText)));
}

void GridPresenter::runBulkChange(const std::function<void()>& change, const std::function<void()>& placeCursor)
{
    grid_.finishEditing();
    grid_.hide();
    change();
    if (placeCursor)
        placeCursor();
    applyGridPresentation();
    grid_.show();
    refreshStatusBar();
    grid_.setFocus();
}

} // namespace galewright
