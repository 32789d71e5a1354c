#include "deckgrid.h"

#include "decktablemodel.h"
#include "gridclipboard.h"

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QHeaderView>
#include <QItemSelection>

#include <algorithm>

namespace galewright {

namespace {

enum class EditingKey { None, Copy, Paste, Cut, SelectAll, Clear };

EditingKey editingKeyOf(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    if (modifiers == Qt::ControlModifier) {
        switch (key) {
        case Qt::Key_C:
        case Qt::Key_Insert:
            return EditingKey::Copy;
        case Qt::Key_V:
            return EditingKey::Paste;
        case Qt::Key_X:
            return EditingKey::Cut;
        case Qt::Key_A:
            return EditingKey::SelectAll;
        default:
            return EditingKey::None;
        }
    }
    if (modifiers == Qt::ShiftModifier && key == Qt::Key_Insert)
        return EditingKey::Paste;
    if (modifiers == Qt::NoModifier && key == Qt::Key_Delete)
        return EditingKey::Clear;
    return EditingKey::None;
}

} // namespace

DeckGrid::DeckGrid(DeckDocument& document, QWidget* parent)
    : QTableView(parent), document_(document), model_(new DeckTableModel(document, presentation_, this))
{
    // The outer pair of signals brackets the model's own, so the cursor is
    // read before the model moves it and put back after.
    connect(&document_, &DeckDocument::structureAboutToChange, this, &DeckGrid::beforeStructureChange);
    connect(&document_, &DeckDocument::structureChanged, this, &DeckGrid::afterStructureChange);

    model_->setBaseFont(font());
    setModel(model_);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, &DeckGrid::onCurrentChanged);
    // The column header paints no selection, yet with the view's selection
    // model it asks at each paint whether every row of each column is
    // selected: a full walk of a million rows after select all. Column
    // clicks still select through the view.
    horizontalHeader()->setSelectionModel(new QItemSelectionModel(model_, this));

    // One fixed row height: a million rows scroll without measuring any.
    QHeaderView* rows = verticalHeader();
    rows->setMinimumSectionSize(1);
    rows->setDefaultSectionSize(kDefaultRowHeight);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultAlignment(Qt::AlignCenter);
    QHeaderView* columns = horizontalHeader();
    columns->setMinimumSectionSize(1);
    columns->setDefaultSectionSize(kDefaultColumnWidth);
    columns->setSectionResizeMode(QHeaderView::Interactive);
    columns->setDefaultAlignment(Qt::AlignCenter);
    columns->setFixedHeight(kDefaultRowHeight);
    columns->setHighlightSections(false);
    rows->setHighlightSections(false);

    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setCornerButtonEnabled(false);
}

DeckGrid::~DeckGrid() = default;

int DeckGrid::cursorRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + 1 : -1;
}

int DeckGrid::cursorColumn() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.column() + 1 : -1;
}

void DeckGrid::placeCursorSilently(int row, int column)
{
    ++silent_;
    if (row >= 1 && row < rowCount() && column >= 1 && column < columnCount())
        selectionModel()->setCurrentIndex(model_->index(row - 1, column - 1), QItemSelectionModel::NoUpdate);
    else
        selectionModel()->clearCurrentIndex();
    --silent_;
    lastCursor_ = cursorCell();
}

void DeckGrid::setCursorCell(int row, int column)
{
    const auto before = lastCursor_;
    ++silent_;
    selectionModel()->clearSelection();
    selectionModel()->clearCurrentIndex();
    if (row >= 0 && row < rowCount() && column >= 0 && column < columnCount()) {
        const QModelIndex index = model_->index(std::max(row, 1) - 1, std::max(column, 1) - 1);
        if (index.isValid()) {
            selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
            scrollTo(index);
        }
    }
    --silent_;
    lastCursor_ = cursorCell();
    cursorChangePending_ = false;
    if (lastCursor_ != before)
        emit cursorChanged();
}

void DeckGrid::onCurrentChanged()
{
    if (silent_ > 0)
        return;
    const auto now = cursorCell();
    if (now == lastCursor_)
        return;
    lastCursor_ = now;
    cursorChangePending_ = true;
    if (inputDepth_ == 0)
        QMetaObject::invokeMethod(this, &DeckGrid::flushCursorChanged, Qt::QueuedConnection);
}

void DeckGrid::flushCursorChanged()
{
    if (!cursorChangePending_)
        return;
    cursorChangePending_ = false;
    emit cursorChanged();
}

void DeckGrid::keyPressEvent(QKeyEvent* event)
{
    // An open cell editor has the keys to itself.
    if (state() != QAbstractItemView::EditingState && runEditingKey(event)) {
        event->accept();
        return;
    }
    ++inputDepth_;
    QTableView::keyPressEvent(event);
    --inputDepth_;
    if (inputDepth_ == 0)
        flushCursorChanged();
}

bool DeckGrid::viewportEvent(QEvent* event)
{
    ++inputDepth_;
    const bool handled = QTableView::viewportEvent(event);
    --inputDepth_;
    if (inputDepth_ == 0)
        flushCursorChanged();
    return handled;
}

CellRange DeckGrid::selectedRange() const
{
    const QItemSelection selection = selectionModel()->selection();
    CellRange box;
    bool any = false;
    for (const QItemSelectionRange& range : selection) {
        if (!range.isValid() || range.isEmpty())
            continue;
        const CellRange cells{range.top() + 1, range.left() + 1, range.bottom() + 1, range.right() + 1};
        if (!any) {
            box = cells;
            any = true;
            continue;
        }
        box.firstRow = std::min(box.firstRow, cells.firstRow);
        box.firstColumn = std::min(box.firstColumn, cells.firstColumn);
        box.lastRow = std::max(box.lastRow, cells.lastRow);
        box.lastColumn = std::max(box.lastColumn, cells.lastColumn);
    }
    return box;
}

void DeckGrid::selectCells(int firstRow, int firstColumn, int lastRow, int lastColumn)
{
    firstRow = std::max(firstRow, 1);
    firstColumn = std::max(firstColumn, 1);
    lastRow = std::min(lastRow, rowCount() - 1);
    lastColumn = std::min(lastColumn, columnCount() - 1);
    ++silent_;
    if (firstRow > lastRow || firstColumn > lastColumn) {
        selectionModel()->clearSelection();
    } else {
        const QItemSelection cells(model_->index(firstRow - 1, firstColumn - 1),
                                   model_->index(lastRow - 1, lastColumn - 1));
        selectionModel()->select(cells, QItemSelectionModel::ClearAndSelect);
    }
    --silent_;
}

void DeckGrid::clearCellSelection() { selectionModel()->clearSelection(); }

std::optional<CellRange> DeckGrid::clampedRange(const CellRange& range) const
{
    return CellRange::clamped(range, rowCount(), columnCount());
}

void DeckGrid::presentationChanged(const CellRange& range)
{
    model_->presentationChanged(range);
    viewport()->update();
}

void DeckGrid::setRangeTextColour(const CellRange& range, const QColor& colour)
{
    if (const auto cells = clampedRange(range)) {
        presentation_.setTextColour(*cells, colour);
        presentationChanged(*cells);
    }
}

void DeckGrid::setRangeFontFace(const CellRange& range, const QString& face)
{
    if (const auto cells = clampedRange(range)) {
        presentation_.setFontFace(*cells, face);
        presentationChanged(*cells);
    }
}

void DeckGrid::setRangeFontHeight(const CellRange& range, int pixels)
{
    if (const auto cells = clampedRange(range)) {
        presentation_.setFontHeight(*cells, pixels);
        presentationChanged(*cells);
    }
}

void DeckGrid::setRangeAlignment(const CellRange& range, CellAlignment alignment)
{
    if (const auto cells = clampedRange(range)) {
        presentation_.setAlignment(*cells, alignment);
        presentationChanged(*cells);
    }
}

void DeckGrid::finishEditing()
{
    if (state() != QAbstractItemView::EditingState)
        return;
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

int DeckGrid::tableColumnWidth(int column) const
{
    if (column < 0 || column >= columnCount())
        return -1;
    if (column == 0)
        return verticalHeader()->isHidden() ? 0 : verticalHeader()->width();
    const QHeaderView* columns = horizontalHeader();
    return columns->isSectionHidden(column - 1) ? 0 : columns->sectionSize(column - 1);
}

void DeckGrid::setTableColumnWidth(int column, int width)
{
    if (column < 0 || column >= columnCount())
        return;
    if (column == 0) {
        verticalHeader()->setHidden(width <= 0);
        if (width > 0)
            verticalHeader()->setFixedWidth(width);
        return;
    }
    QHeaderView* columns = horizontalHeader();
    if (width <= 0) {
        columns->hideSection(column - 1);
        return;
    }
    columns->showSection(column - 1);
    columns->resizeSection(column - 1, width);
}

void DeckGrid::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        model_->setBaseFont(font());
    QTableView::changeEvent(event);
}

void DeckGrid::beforeStructureChange()
{
    ++silent_;
    cursorBeforeChange_ = cursorCell();
}

void DeckGrid::afterStructureChange(const DeckDocument::RowChange& change)
{
    auto [row, column] = cursorBeforeChange_;
    switch (change.kind) {
    case DeckDocument::ChangeKind::RowsInserted:
        presentation_.rowsInserted(change.first, change.count);
        break;
    case DeckDocument::ChangeKind::RowsRemoved:
        presentation_.rowsRemoved(change.first, change.first + change.count - 1);
        // The cursor keeps its numbers; past the end it moves up to the last
        // row, and with no row left there is none.
        row = std::min(row, rowCount() - 1);
        break;
    case DeckDocument::ChangeKind::RowsReplaced:
        presentation_.rowsRemoved(1, change.count);
        presentation_.rowsInserted(1, change.newCount);
        row = -1;
        break;
    }
    selectionModel()->clearSelection();
    --silent_;
    placeCursorSilently(row, column);
}

bool DeckGrid::event(QEvent* event)
{
    // The grid's own keys go before any window shortcut: Shift+Ins and
    // Ctrl+Ins are not the Ins hot key.
    if (event->type() == QEvent::ShortcutOverride && state() != QAbstractItemView::EditingState &&
        editingKeyOf(static_cast<QKeyEvent*>(event)) != EditingKey::None) {
        event->accept();
        return true;
    }
    return QTableView::event(event);
}

bool DeckGrid::focusNextPrevChild(bool next)
{
    // Hiding the focused grid (the frame of a bulk change) passes the focus
    // on through here, where the item view would take it for a Tab key and
    // move the cursor and the selection one cell on.
    if (isHidden())
        return QAbstractScrollArea::focusNextPrevChild(next);
    return QTableView::focusNextPrevChild(next);
}

bool DeckGrid::runEditingKey(const QKeyEvent* event)
{
    switch (editingKeyOf(event)) {
    case EditingKey::None:
        return false;
    case EditingKey::Copy:
        copyCells();
        break;
    case EditingKey::Paste:
        pasteCells();
        break;
    case EditingKey::Cut:
        cutCells();
        break;
    case EditingKey::SelectAll:
        selectAllCells();
        break;
    case EditingKey::Clear:
        clearCursorAndSelection();
        break;
    }
    return true;
}

std::vector<CellRange> DeckGrid::selectedRanges() const
{
    std::vector<CellRange> ranges;
    for (const QItemSelectionRange& range : selectionModel()->selection())
        if (range.isValid() && !range.isEmpty())
            ranges.push_back({range.top() + 1, range.left() + 1, range.bottom() + 1, range.right() + 1});
    return ranges;
}

std::vector<int> DeckGrid::visibleColumns(int first, int last) const
{
    std::vector<int> columns;
    for (int column = std::max(first, 1); column <= last && column < columnCount(); ++column)
        if (tableColumnWidth(column) > 0)
            columns.push_back(column);
    return columns;
}

void DeckGrid::copyBlock(const CellRange& block)
{
    const std::vector<int> columns = visibleColumns(block.firstColumn, block.lastColumn);
    QGuiApplication::clipboard()->setText(
        GridClipboard::copyText(document_.table(), block.firstRow, block.lastRow, columns));
}

void DeckGrid::copyCells()
{
    const CellRange block = selectedRange();
    if (block.firstRow >= 1)
        copyBlock(block);
}

void DeckGrid::pasteCells()
{
    auto [row, column] = cursorCell();
    if (row < 1 || column < 1) {
        row = rowAt(0) + 1;
        column = columnAt(0) + 1;
    }
    if (row < 1 || column < 1)
        return;
    const QString text = QGuiApplication::clipboard()->text();
    const GridClipboard::PastePlan plan =
        GridClipboard::planPaste(text, row, rowCount() - 1, visibleColumns(column, columnCount() - 1));
    document_.setCells(plan.edits);
    if (plan.refused.cells > 0)
        emit pasteRefused(plan.refused.cells, plan.refused.row, plan.refused.column, plan.refused.character);
}

void DeckGrid::cutCells()
{
    const auto [row, column] = cursorCell();
    CellRange block = selectedRange();
    if (block.firstRow < 1)
        block = CellRange::cell(row, column);
    if (block.firstRow < 1 || block.firstColumn < 1)
        return;
    copyBlock(block);
    // Only what reached the clipboard is emptied: not a cursor cell outside
    // the copied block, nor the cells of hidden columns, which copying skips.
    std::vector<CellRange> cut;
    auto addVisible = [&](const CellRange& range) {
        // One range per run of neighbouring visible columns.
        for (const int k : visibleColumns(range.firstColumn, range.lastColumn)) {
            const bool extends = !cut.empty() && cut.back().firstRow == range.firstRow &&
                                 cut.back().lastRow == range.lastRow && cut.back().lastColumn == k - 1;
            if (extends)
                cut.back().lastColumn = k;
            else
                cut.push_back({range.firstRow, k, range.lastRow, k});
        }
    };
    for (const CellRange& range : selectedRanges())
        addVisible(range);
    if (block.contains(row, column))
        addVisible(CellRange::cell(row, column));
    document_.clearRanges(cut);
}

void DeckGrid::clearCursorAndSelection()
{
    std::vector<CellRange> ranges;
    if (cursorRow() >= 1 && cursorColumn() >= 1)
        ranges.push_back(CellRange::cell(cursorRow(), cursorColumn()));
    const CellRange box = selectedRange();
    if (box.firstRow >= 1)
        ranges.push_back(box);
    document_.clearRanges(ranges);
}

} // namespace galewright
