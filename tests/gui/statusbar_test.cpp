// The status bar's three parts after cursor moves and selections, with the
// column descriptions read from Method.set at each refresh.

#include "deckgrid.h"
#include "editortestsupport.h"
#include "gridpresenter.h"

#include <QSignalSpy>

using namespace galewright;
using namespace galewright::test;

namespace {

// Column 7 described, column 8 without a section.
const std::string kMethodSet = "[7]\r\nType=" + gbk("纬度") + "\r\nError=x\r\nText=" + gbk("如 120N") + "\r\n";

} // namespace

class StatusBarTest : public QObject {
    Q_OBJECT

    std::unique_ptr<EditorFixture> fixture;
    MainWindow* window = nullptr;

private slots:
    void init()
    {
        ScratchDir decks;
        const std::string path = decks.file("six.dat");
        std::string text;
        for (int r = 1; r <= 6; ++r)
            text += "WP, 11, 20140727" + std::to_string(10 + r) + ", , BEST, 0, 120N, 1514E\n";
        writeFile(path, text);
        fixture = std::make_unique<EditorFixture>(std::vector<std::string>{path});
        writeFile(fixture->settings.path() / "Method.set", kMethodSet);
        window = &fixture->start();
    }
    void cleanup() { fixture.reset(); }

    void cursorCell()
    {
        window->grid().setCursorCell(5, 7);
        QCOMPARE(window->statusText(1), QStringLiteral("单元格：5,7"));
        QCOMPARE(window->statusText(2), QString());
        QCOMPARE(window->statusText(3), QStringLiteral("纬度：如 120N"));
    }

    void columnWithoutDescription()
    {
        window->grid().setCursorCell(2, 8);
        QCOMPARE(window->statusText(3), QStringLiteral("："));
    }

    void methodSetIsReadAtEachRefresh()
    {
        window->grid().setCursorCell(2, 8);
        writeFile(fixture->settings.path() / "Method.set", "[8]\nType=Lon\nText=E/W\n");
        window->grid().setCursorCell(3, 8);
        QCOMPARE(window->statusText(3), QStringLiteral("Lon：E/W"));
    }

    void selectionNeedsARefresh()
    {
        DeckGrid& grid = window->grid();
        grid.setCursorCell(2, 3);
        grid.selectCells(2, 3, 4, 6);
        // Selecting moves no cursor, so nothing refreshed the bar yet.
        QCOMPARE(window->statusText(2), QString());
        window->refreshStatusBar();
        QCOMPARE(window->statusText(2), QStringLiteral("区域：2-3,4-6"));
        QCOMPARE(window->statusText(1), QStringLiteral("单元格：2,3"));
    }

    void everyCellSelected()
    {
        window->grid().selectCells(1, 1, 99, 99);
        window->refreshStatusBar();
        QCOMPARE(window->statusText(2), QStringLiteral("区域：1-1,6-45"));
    }

    void oneSelectedCellShowsNoRange()
    {
        window->grid().selectCells(3, 3);
        window->refreshStatusBar();
        QCOMPARE(window->statusText(2), QString());
    }

    void keysMoveTheStatusWithTheCursor()
    {
        DeckGrid& grid = window->grid();
        grid.setFocus();
        grid.setCursorCell(1, 6);
        QTest::keyClick(&grid, Qt::Key_Right);
        QCOMPARE(window->statusText(1), QStringLiteral("单元格：1,7"));
        QCOMPARE(window->statusText(3), QStringLiteral("纬度：如 120N"));
        QTest::keyClick(&grid, Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(window->statusText(1), QStringLiteral("单元格：2,7"));
        QCOMPARE(window->statusText(2), QStringLiteral("区域：1-7,2-7"));
    }

    void noDataRows()
    {
        window->closeDeckCommand();
        window->refreshStatusBar();
        QCOMPARE(window->statusText(1), QString());
        QCOMPARE(window->statusText(2), QString());
        QCOMPARE(window->statusText(3), QStringLiteral("："));
    }

    void refreshTellsTheCursorRow()
    {
        QSignalSpy rows(&window->presenter(), &GridPresenter::cursorRowShown);
        window->grid().setCursorCell(4, 2);
        QCOMPARE(rows.count(), 1);
        QCOMPARE(rows.first().at(0).toInt(), 4);
    }

    void bulkChangeFrame()
    {
        DeckGrid& grid = window->grid();
        bool hiddenDuringChange = false;
        window->runBulkChange(
            [&] {
                hiddenDuringChange = !grid.isVisible();
                grid.document().insertRows(3, 2);
            },
            [&] { grid.setCursorCell(4, 2); });
        QVERIFY(hiddenDuringChange);
        QVERIFY(grid.isVisible());
        QVERIFY(grid.hasFocus());
        QCOMPARE(grid.rowCount(), 9);
        QCOMPARE(grid.cellText(8, 0), std::string("8"));
        QCOMPARE(grid.presentation().alignment(4, 1), CellAlignment::Right);
        QCOMPARE(window->statusText(1), QStringLiteral("单元格：4,2"));
    }
};

QTEST_MAIN(StatusBarTest)
#include "statusbar_test.moc"
