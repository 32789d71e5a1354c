// The grid component on its own: cursor and selection rules, which
// operations raise cursor-changed, presentation kept by range through row
// changes, column widths, and in-place editing through the document.

#include "deckdocument.h"
#include "deckgrid.h"
#include "decktablemodel.h"
#include "testsupport.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using namespace galewright;
using galewright::test::gbk;

Q_DECLARE_METATYPE(galewright::CellRange)

namespace galewright {
char* toString(const CellRange& r)
{
    return QTest::toString(QStringLiteral("[%1,%2 - %3,%4]").arg(r.firstRow).arg(r.firstColumn).arg(r.lastRow).arg(r.lastColumn));
}
} // namespace galewright

namespace {

// n data rows whose cell (r, k) reads "r.k" for k up to 3.
void fill(DeckDocument& document, int rows)
{
    std::string text;
    for (int r = 1; r <= rows; ++r)
        text += std::to_string(r) + ".1," + std::to_string(r) + ".2," + std::to_string(r) + ".3\n";
    document.loadText(text);
}

struct Cell {
    int row;
    int column;
    bool operator==(const Cell&) const = default;
};
Cell cursorOf(const DeckGrid& grid) { return {grid.cursorRow(), grid.cursorColumn()}; }
char* toString(const Cell& cell) { return QTest::toString(QStringLiteral("(%1,%2)").arg(cell.row).arg(cell.column)); }

} // namespace

class GridTest : public QObject {
    Q_OBJECT

    DeckDocument* document = nullptr;
    DeckGrid* grid = nullptr;

private slots:
    void init()
    {
        document = new DeckDocument;
        grid = new DeckGrid(*document);
        grid->resize(600, 400);
        grid->show();
        QVERIFY(QTest::qWaitForWindowExposed(grid));
        fill(*document, 5);
    }
    void cleanup()
    {
        delete grid;
        delete document;
    }

    void setCursorCell_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("cursorRow");
        QTest::addColumn<int>("cursorColumn");
        QTest::newRow("data cell") << 3 << 7 << 3 << 7;
        QTest::newRow("header row and column become 1") << 0 << 0 << 1 << 1;
        QTest::newRow("header row") << 0 << 45 << 1 << 45;
        QTest::newRow("last cell") << 5 << 45 << 5 << 45;
        QTest::newRow("row below the table") << 6 << 1 << -1 << -1;
        QTest::newRow("column past the table") << 1 << 46 << -1 << -1;
        QTest::newRow("negative") << -1 << 2 << -1 << -1;
    }
    void setCursorCell()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(int, cursorRow);
        QFETCH(int, cursorColumn);
        grid->setCursorCell(2, 2);
        grid->selectCells(1, 1, 4, 4);
        QSignalSpy changed(grid, &DeckGrid::cursorChanged);
        grid->setCursorCell(row, column);
        QCOMPARE(cursorOf(*grid), (Cell{cursorRow, cursorColumn}));
        QCOMPARE(grid->selectedRange(), (CellRange{-1, -1, -1, -1}));
        QCOMPARE(changed.count(), 1);
    }

    void setCursorCellRaisesOnlyOnChange()
    {
        QSignalSpy changed(grid, &DeckGrid::cursorChanged);
        grid->setCursorCell(2, 3);
        grid->setCursorCell(2, 3);
        QCOMPARE(changed.count(), 1);
        grid->setCursorCell(9, 9); // outside: no cursor, which is a change
        grid->setCursorCell(9, 9);
        QCOMPARE(changed.count(), 2);
    }

    void setCursorCellScrollsIntoView()
    {
        fill(*document, 5000);
        grid->setCursorCell(4800, 40);
        const QRect cell = grid->visualRect(grid->currentIndex());
        QVERIFY(grid->viewport()->rect().intersects(cell));
    }

    void selectCellsKeepsCursorAndRaisesNothing()
    {
        grid->setCursorCell(2, 2);
        QSignalSpy changed(grid, &DeckGrid::cursorChanged);
        grid->selectCells(0, 0, 99, 99);
        QCOMPARE(grid->selectedRange(), (CellRange{1, 1, 5, 45}));
        grid->selectCells(4, 6);
        QCOMPARE(grid->selectedRange(), (CellRange{4, 6, 4, 6}));
        grid->selectCells(7, 1, 9, 3); // no such cell: nothing selected
        QCOMPARE(grid->selectedRange(), (CellRange{-1, -1, -1, -1}));
        QCOMPARE(cursorOf(*grid), (Cell{2, 2}));
        QCOMPARE(changed.count(), 0);
    }

    void rowChangesKeepCursorNumbersSilently_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("cursorRow");
        QTest::addColumn<int>("expectedRow");
        QTest::newRow("insert above") << "insert 1" << 3 << 3;
        QTest::newRow("insert at end") << "insert end" << 5 << 5;
        QTest::newRow("delete above") << "delete 1 2" << 3 << 3;
        QTest::newRow("delete the cursor row") << "delete 3 3" << 3 << 3;
        QTest::newRow("delete the last row") << "delete 5 5" << 5 << 4;
        QTest::newRow("delete to the end") << "delete 2 5" << 4 << 1;
        QTest::newRow("delete every row") << "delete 1 5" << 2 << -1;
        QTest::newRow("load") << "load" << 2 << -1;
    }
    void rowChangesKeepCursorNumbersSilently()
    {
        QFETCH(QString, change);
        QFETCH(int, cursorRow);
        QFETCH(int, expectedRow);
        grid->setCursorCell(cursorRow, 7);
        grid->selectCells(1, 1, 2, 2);
        QSignalSpy changed(grid, &DeckGrid::cursorChanged);
        const QStringList words = change.split(' ');
        if (words[0] == "insert")
            document->insertRows(words[1] == "end" ? -1 : words[1].toInt(), 2);
        else if (words[0] == "delete")
            document->deleteRows(words[1].toInt(), words[2].toInt());
        else
            fill(*document, 3);
        QCOMPARE(cursorOf(*grid), (Cell{expectedRow, expectedRow < 0 ? -1 : 7}));
        QCOMPARE(grid->selectedRange(), (CellRange{-1, -1, -1, -1}));
        QCOMPARE(changed.count(), 0);
    }

    void navigationKeysAndClicksRaiseCursorChanged()
    {
        grid->setFocus();
        grid->setCursorCell(2, 2);
        QSignalSpy changed(grid, &DeckGrid::cursorChanged);
        QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(cursorOf(*grid), (Cell{3, 2}));
        QCOMPARE(changed.count(), 1);
        QTest::keyClick(grid, Qt::Key_Right);
        QCOMPARE(changed.count(), 2);
        // A click on the cursor cell itself moves nothing.
        const QRect here = grid->visualRect(grid->currentIndex());
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, here.center());
        QCOMPARE(changed.count(), 2);
        const QRect other = grid->visualRect(grid->tableModel().index(0, 0));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, other.center());
        QCOMPARE(cursorOf(*grid), (Cell{1, 1}));
        QCOMPARE(changed.count(), 3);
        // Editing, writing cells and colouring are no cursor moves.
        document->setCellText(1, 1, "X");
        grid->setRangeTextColour({1, 1, 5, 45}, Qt::red);
        QCOMPARE(changed.count(), 3);
        // A click on a row header selects the row; the event sees the
        // selection too.
        QHeaderView* rows = grid->verticalHeader();
        const QPoint rowFour(rows->width() / 2, rows->sectionViewportPosition(3) + 5);
        QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, rowFour);
        QTRY_COMPARE(changed.count(), 4);
        QCOMPARE(grid->cursorRow(), 4);
        QCOMPARE(grid->selectedRange(), (CellRange{4, 1, 4, 45}));
    }

    void headersShowRowZeroAndColumnZero()
    {
        document->numberHeaders();
        DeckTableModel& model = grid->tableModel();
        QCOMPARE(model.rowCount(), 5);
        QCOMPARE(model.columnCount(), 45);
        QCOMPARE(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("1"));
        QCOMPARE(model.headerData(44, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("45"));
        QCOMPARE(model.headerData(4, Qt::Vertical, Qt::DisplayRole).toString(), QStringLiteral("5"));
        QCOMPARE(model.data(model.index(1, 2), Qt::DisplayRole).toString(), QStringLiteral("2.3"));
        QCOMPARE(grid->verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
        QCOMPARE(grid->rowHeight(0), DeckGrid::kDefaultRowHeight);
    }

    void aHugeCellShowsItsStartAndEditsWhole()
    {
        // A file without line feeds makes one cell of many megabytes: the
        // grid shows its start (never cutting a double-byte character) and
        // paints at once; editing still sees every byte.
        const std::string huge = "A" + gbk("台") + std::string(4 * 1024 * 1024, 'x');
        document->loadText(huge + ",next");
        DeckTableModel& model = grid->tableModel();
        const QString shown = model.data(model.index(0, 0), Qt::DisplayRole).toString();
        QVERIFY(shown.startsWith(QStringLiteral("A台xxx")));
        QVERIFY(shown.endsWith(QChar(0x2026)));
        QVERIFY(shown.size() < 5000);
        QCOMPARE(model.data(model.index(0, 0), Qt::EditRole).toString().size(), qsizetype(2 + 4 * 1024 * 1024));
        QCOMPARE(model.data(model.index(0, 1), Qt::DisplayRole).toString(), QStringLiteral("next"));
        grid->viewport()->repaint();
        QCOMPARE(document->table().cellText(1, 1), huge);
    }

    void presentationFollowsRows()
    {
        const QColor red(255, 0, 0);
        grid->setRangeAlignment({1, 1, 5, 35}, CellAlignment::Right);
        grid->setRangeTextColour({0, 0, 5, 45}, Qt::black);
        grid->setRangeTextColour(CellRange::cell(2, 4), red);
        grid->setRangeTextColour(CellRange::cell(5, 1), red);

        document->insertRows(3, 2); // rows 3..4 new; old 3..5 now 5..7
        const GridPresentation& p = grid->presentation();
        QCOMPARE(p.textColour(2, 4), red);
        QCOMPARE(p.textColour(7, 1), red);
        QCOMPARE(p.textColour(5, 1), QColor(Qt::black)); // old row 3
        QVERIFY(!p.textColour(3, 1).isValid());          // a new row gets no colour
        QCOMPARE(p.alignment(3, 1), CellAlignment::Right); // but the alignment of the row above
        QCOMPARE(p.alignment(3, 36), CellAlignment::Left);

        document->deleteRows(2, 3);
        QVERIFY(p.textColour(2, 4) != red);
        QCOMPARE(p.textColour(5, 1), red);
        document->deleteRows(5, 5);
        QCOMPARE(p.textColour(5, 1), QColor());

        // A later range over a marked cell replaces the mark.
        grid->setRangeTextColour(CellRange::cell(1, 1), red);
        grid->setRangeTextColour({0, 0, 9, 45}, Qt::black);
        QCOMPARE(p.textColour(1, 1), QColor(Qt::black));
    }

    void presentationRangesAreCheckedAgainstTheTable_data()
    {
        QTest::addColumn<CellRange>("range");
        QTest::addColumn<bool>("applied");
        QTest::newRow("inside") << CellRange{1, 1, 2, 2} << true;
        QTest::newRow("last bounds past the table") << CellRange{1, 1, 99, 99} << true;
        QTest::newRow("negative bound") << CellRange{-1, 1, 2, 2} << false;
        QTest::newRow("inverted rows") << CellRange{2, 1, 1, 2} << false;
        QTest::newRow("first corner outside") << CellRange{6, 1, 9, 2} << false;
    }
    void presentationRangesAreCheckedAgainstTheTable()
    {
        QFETCH(CellRange, range);
        QFETCH(bool, applied);
        grid->setRangeAlignment(range, CellAlignment::Centre);
        QCOMPARE(grid->presentation().alignment(std::max(range.firstRow, 1), std::max(range.firstColumn, 1)) ==
                     CellAlignment::Centre,
                 applied);
    }

    void fontsAndAlignmentReachTheView()
    {
        grid->setRangeFontFace({1, 1, 5, 45}, QStringLiteral("Verdana"));
        grid->setRangeFontHeight({1, 1, 5, 45}, 14);
        grid->setRangeFontHeight({0, 0, 0, 45}, 16);
        grid->setRangeAlignment({0, 0, 0, 45}, CellAlignment::Centre);
        DeckTableModel& model = grid->tableModel();
        const QFont cellFont = model.data(model.index(0, 0), Qt::FontRole).value<QFont>();
        QCOMPARE(cellFont.pixelSize(), 14);
        QCOMPARE(cellFont.families().first(), QStringLiteral("Verdana"));
        QCOMPARE(model.headerData(3, Qt::Horizontal, Qt::FontRole).value<QFont>().pixelSize(), 16);
        QCOMPARE(model.headerData(3, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>(),
                 Qt::AlignHCenter | Qt::AlignVCenter);
    }

    void columnWidths()
    {
        grid->setTableColumnWidth(3, 80);
        QCOMPARE(grid->tableColumnWidth(3), 80);
        QCOMPARE(grid->tableColumnWidth(4), DeckGrid::kDefaultColumnWidth);
        grid->setTableColumnWidth(5, 0);
        QCOMPARE(grid->tableColumnWidth(5), 0);
        QVERIFY(grid->isColumnHidden(4));
        grid->setTableColumnWidth(5, 40);
        QVERIFY(!grid->isColumnHidden(4));
        QCOMPARE(grid->tableColumnWidth(5), 40);
        QCOMPARE(grid->tableColumnWidth(46), -1);
        QCOMPARE(grid->tableColumnWidth(-1), -1);
        grid->setTableColumnWidth(46, 10); // ignored, no crash
    }

    void typedTextIsStoredAsGbk()
    {
        grid->setFocus();
        grid->setCursorCell(2, 5);
        QTest::keyClick(grid, Qt::Key_F2);
        auto* editor = grid->findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->selectAll();
        editor->insert(QStringLiteral("台风"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(document->table().cellText(2, 5), gbk("台风"));
    }

    void typedTextWithoutGbkFormIsRefused()
    {
        QSignalSpy refused(&grid->tableModel(), &DeckTableModel::editRefused);
        QSignalSpy changed(document, &DeckDocument::cellsChanged);
        DeckTableModel& model = grid->tableModel();
        QVERIFY(!model.setData(model.index(0, 0), QStringLiteral("A\U0001F300B"), Qt::EditRole));
        QCOMPARE(document->table().cellText(1, 1), std::string("1.1"));
        QCOMPARE(refused.count(), 1);
        QCOMPARE(refused.first().at(0).toInt(), 1);
        QCOMPARE(changed.count(), 0);
    }
};

QTEST_MAIN(GridTest)
#include "grid_test.moc"
