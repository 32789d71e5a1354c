// The Edit menu's commands on the real window, chosen through their menu
// actions: rows, cursor, selection, row numbers and status bar after each.

#include "editingtestsupport.h"
#include "gridpresenter.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QSignalSpy>

using namespace galewright;
using namespace galewright::test;

Q_DECLARE_METATYPE(galewright::MenuCommand)
Q_DECLARE_METATYPE(galewright::test::Cell)

namespace {

// "r1,c1-r2,c2" selects that block, "none" nothing.
void selectBlock(DeckGrid& grid, const QString& block)
{
    grid.clearCellSelection();
    if (block == QStringLiteral("none"))
        return;
    const QStringList corners = block.split(u'-');
    const QStringList first = corners[0].split(u',');
    const QStringList last = corners[1].split(u',');
    grid.selectCells(first[0].toInt(), first[1].toInt(), last[0].toInt(), last[1].toInt());
}

} // namespace

class EditCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void rowCommands_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<Cell>("cursor");
        QTest::addColumn<QString>("selection");
        QTest::addColumn<MenuCommand>("command");
        QTest::addColumn<QStringList>("firstColumn");
        QTest::addColumn<Cell>("cursorAfter");
        QTest::addColumn<QString>("selectionAfter");
        QTest::addColumn<QString>("cellPart");
        QTest::addColumn<int>("cursorEvents");

        const Cell none{-1, -1};
        QTest::newRow("insert above row 3 of five")
            << 5 << Cell{3, 7} << "3,7-3,7" << MenuCommand::InsertRowAbove
            << QStringList{"1.1", "2.1", "", "3.1", "4.1", "5.1"} << Cell{3, 7} << "3,7-3,7" << "单元格：3,7" << 0;
        QTest::newRow("insert above row 1")
            << 2 << Cell{1, 2} << "1,2-2,4" << MenuCommand::InsertRowAbove << QStringList{"", "1.1", "2.1"}
            << Cell{1, 2} << "1,2-1,2" << "单元格：1,2" << 0;
        QTest::newRow("insert above without a cursor appends")
            << 2 << none << "none" << MenuCommand::InsertRowAbove << QStringList{"1.1", "2.1", ""} << none << "none"
            << "" << 0;
        QTest::newRow("insert below row 3 of five")
            << 5 << Cell{3, 7} << "3,7-3,7" << MenuCommand::InsertRowBelow
            << QStringList{"1.1", "2.1", "3.1", "", "4.1", "5.1"} << Cell{4, 7} << "4,7-4,7" << "单元格：4,7" << 1;
        QTest::newRow("insert below the last row appends")
            << 5 << Cell{5, 2} << "5,2-5,2" << MenuCommand::InsertRowBelow
            << QStringList{"1.1", "2.1", "3.1", "4.1", "5.1", ""} << Cell{6, 2} << "6,2-6,2" << "单元格：6,2" << 1;
        QTest::newRow("insert below without a cursor appends")
            << 2 << none << "none" << MenuCommand::InsertRowBelow << QStringList{"1.1", "2.1", ""} << none << "none"
            << "" << 0;
        QTest::newRow("append keeps the cursor, clears the selection")
            << 3 << Cell{2, 4} << "2,4-3,5" << MenuCommand::AppendRow << QStringList{"1.1", "2.1", "3.1", ""}
            << Cell{2, 4} << "none" << "单元格：2,4" << 0;
        for (const MenuCommand command :
             {MenuCommand::InsertRowAbove, MenuCommand::InsertRowBelow, MenuCommand::AppendRow})
            QTest::addRow("empty table, command %d", static_cast<int>(command))
                << 0 << none << "none" << command << QStringList{""} << none << "none" << "" << 0;

        QTest::newRow("delete rows 2 to 4, cursor on 3")
            << 6 << Cell{3, 8} << "2,5-4,9" << MenuCommand::DeleteSelectedRows << QStringList{"1.1", "5.1", "6.1"}
            << Cell{3, 1} << "3,1-3,1" << "单元格：3,1" << 1;
        QTest::newRow("delete below the cursor")
            << 5 << Cell{1, 3} << "3,1-4,45" << MenuCommand::DeleteSelectedRows << QStringList{"1.1", "2.1", "5.1"}
            << Cell{1, 1} << "1,1-1,1" << "单元格：1,1" << 1;
        QTest::newRow("delete the last row with the cursor on it")
            << 5 << Cell{5, 2} << "5,2-5,2" << MenuCommand::DeleteSelectedRows
            << QStringList{"1.1", "2.1", "3.1", "4.1"} << none << "none" << "" << 1;
        QTest::newRow("delete with nothing selected")
            << 5 << Cell{4, 6} << "none" << MenuCommand::DeleteSelectedRows
            << QStringList{"1.1", "2.1", "3.1", "4.1", "5.1"} << Cell{4, 1} << "4,1-4,1" << "单元格：4,1" << 1;
        QTest::newRow("delete every row")
            << 3 << Cell{1, 1} << "1,1-3,45" << MenuCommand::DeleteSelectedRows << QStringList{} << none << "none"
            << "" << 0;
    }
    void rowCommands()
    {
        QFETCH(int, rows);
        QFETCH(Cell, cursor);
        QFETCH(QString, selection);
        QFETCH(MenuCommand, command);
        QFETCH(QStringList, firstColumn);
        QFETCH(Cell, cursorAfter);
        QFETCH(QString, selectionAfter);
        QFETCH(QString, cellPart);
        QFETCH(int, cursorEvents);

        EditingFixture editing(rows);
        DeckGrid& grid = editing.grid();
        grid.setCursorCell(cursor.row, cursor.column);
        selectBlock(grid, selection);
        QSignalSpy events(&grid, &DeckGrid::cursorChanged);

        editing.window().action(command)->trigger();

        QCOMPARE(columnTexts(grid, 1), firstColumn);
        QCOMPARE(cursorOf(grid), cursorAfter);
        QCOMPARE(selectionOf(grid), selectionAfter);
        QCOMPARE(events.count(), cursorEvents);
        // The frame numbered the rows again and refreshed the bar.
        QCOMPARE(columnTexts(grid, 0), numbers(1, static_cast<int>(firstColumn.size())));
        QCOMPARE(grid.cellText(0, 45), std::string("45"));
        QCOMPARE(editing.window().statusText(1), cellPart);
        QCOMPARE(editing.window().statusText(2), QString());
        QVERIFY(grid.isVisible());
        QVERIFY(grid.hasFocus());
        // A new row takes the presentation of its column.
        const int last = grid.rowCount() - 1;
        if (last >= 1) {
            QCOMPARE(grid.presentation().alignment(last, 35), CellAlignment::Right);
            QCOMPARE(grid.presentation().alignment(last, 36), CellAlignment::Left);
            QCOMPARE(grid.presentation().fontHeight(last, 1), 14);
        }
    }

    void rowCommandsRunInTheHiddenGrid()
    {
        EditingFixture editing(3);
        DeckGrid& grid = editing.grid();
        grid.setCursorCell(2, 2);
        bool shownDuringChange = false;
        connect(&grid.document(), &DeckDocument::structureChanged, &grid,
                [&] { shownDuringChange = shownDuringChange || grid.isVisible(); });
        for (const MenuCommand command : {MenuCommand::InsertRowAbove, MenuCommand::InsertRowBelow,
                                          MenuCommand::AppendRow, MenuCommand::DeleteSelectedRows}) {
            grid.selectCells(1, 1);
            editing.window().action(command)->trigger();
        }
        QVERIFY(!shownDuringChange);
        QVERIFY(grid.isVisible());
    }

    void clearSelectedCellsEmptiesTheBoundingBox()
    {
        EditingFixture editing(6);
        DeckGrid& grid = editing.grid();
        grid.setCursorCell(2, 3);
        grid.selectCells(2, 3);
        grid.selectionModel()->select(grid.model()->index(4, 6), QItemSelectionModel::Select);
        editing.window().refreshStatusBar();
        QSignalSpy refreshes(&editing.window().presenter(), &GridPresenter::cursorRowShown);

        editing.window().action(MenuCommand::ClearSelectedCells)->trigger();

        for (int r = 1; r <= 6; ++r)
            for (int k = 2; k <= 8; ++k) {
                const bool inside = r >= 2 && r <= 5 && k >= 3 && k <= 7;
                const std::string expected = inside ? "" : std::to_string(r) + "." + std::to_string(k);
                QCOMPARE(grid.cellText(r, k), expected);
            }
        QCOMPARE(grid.rowCount(), 7);
        QCOMPARE(cursorOf(grid), (Cell{2, 3}));
        QCOMPARE(selectionOf(grid), QStringLiteral("2,3-5,7"));
        QVERIFY(!grid.selectionModel()->isSelected(grid.model()->index(2, 3)));
        QCOMPARE(refreshes.count(), 0);
        QCOMPARE(editing.window().statusText(2), QStringLiteral("区域：2-3,5-7"));
    }

    void clearWithNothingSelectedChangesNothing()
    {
        EditingFixture editing(2);
        DeckGrid& grid = editing.grid();
        grid.setCursorCell(1, 1);
        editing.window().action(MenuCommand::ClearSelectedCells)->trigger();
        QCOMPARE(grid.cellText(1, 1), std::string("1.1"));
    }

    void selectAllCells_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("selection");
        QTest::newRow("five rows") << 5 << "1,1-5,45";
        QTest::newRow("empty table") << 0 << "none";
    }
    void selectAllCells()
    {
        QFETCH(int, rows);
        QFETCH(QString, selection);
        EditingFixture editing(rows);
        DeckGrid& grid = editing.grid();
        grid.setCursorCell(rows > 0 ? 3 : -1, 4);
        QSignalSpy events(&grid, &DeckGrid::cursorChanged);
        QSignalSpy refreshes(&editing.window().presenter(), &GridPresenter::cursorRowShown);

        editing.window().action(MenuCommand::SelectAll)->trigger();

        QCOMPARE(selectionOf(grid), selection);
        QCOMPARE(cursorOf(grid), (rows > 0 ? Cell{3, 4} : Cell{-1, -1}));
        QCOMPARE(events.count(), 0);
        QCOMPARE(refreshes.count(), 0);
    }

    void commandsTakeTheOpenEditorsText()
    {
        EditingFixture editing(3);
        DeckGrid& grid = editing.grid();
        grid.setFocus();
        grid.setCursorCell(2, 2);
        grid.selectCells(2, 2);
        auto openEditor = [&](const QString& text) {
            QTest::keyClick(&grid, Qt::Key_F2);
            auto* editor = qobject_cast<QLineEdit*>(grid.indexWidget(grid.currentIndex()));
            QVERIFY(editor);
            editor->selectAll();
            editor->insert(text);
        };
        openEditor(QStringLiteral("typed"));

        editing.window().action(MenuCommand::Copy)->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("typed"));
        QCOMPARE(grid.cellText(2, 2), std::string("typed"));

        openEditor(QStringLiteral("again"));
        editing.window().action(MenuCommand::InsertRowBelow)->trigger();
        QCOMPARE(grid.cellText(2, 2), std::string("again"));
        QCOMPARE(columnTexts(grid, 1), (QStringList{"1.1", "2.1", "", "3.1"}));
    }
};

QTEST_MAIN(EditCommandsTest)
#include "editcommands_test.moc"
