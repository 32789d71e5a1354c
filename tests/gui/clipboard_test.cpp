// Copy and paste through the system clipboard, and the grid's own keys
// (Ctrl+C / Ctrl+Insert, Ctrl+V / Shift+Insert, Ctrl+X, Ctrl+A, Delete), on
// the real window with its hot keys live.

#include "decktablemodel.h"
#include "editingtestsupport.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QSignalSpy>

#include <map>

using namespace galewright;
using namespace galewright::test;

Q_DECLARE_METATYPE(galewright::test::Cell)

namespace {

constexpr int kRows = 5;

QClipboard& clipboard() { return *QGuiApplication::clipboard(); }

std::string numbered(int row, int column) { return std::to_string(row) + "." + std::to_string(column); }

// Every data cell equals the numbered deck except the changes, given as
// "r,c=text" in UTF-8.
void compareTable(const DeckGrid& grid, const QStringList& changes)
{
    std::map<std::pair<int, int>, std::string> expected;
    for (const QString& change : changes) {
        const qsizetype equals = change.indexOf(u'=');
        const QStringList cell = change.left(equals).split(u',');
        expected[{cell[0].toInt(), cell[1].toInt()}] = gbk(change.mid(equals + 1).toStdString());
    }
    QCOMPARE(grid.rowCount(), kRows + 1);
    for (int r = 1; r <= kRows; ++r)
        for (int k = 1; k <= 45; ++k) {
            const auto found = expected.find({r, k});
            const std::string want = found == expected.end() ? numbered(r, k) : found->second;
            if (grid.cellText(r, k) != want)
                QFAIL(qPrintable(QStringLiteral("cell %1,%2 holds \"%3\", not \"%4\"")
                                     .arg(r)
                                     .arg(k)
                                     .arg(utf8(GbkCodec::toUtf8(grid.cellText(r, k))))
                                     .arg(utf8(GbkCodec::toUtf8(want)))));
        }
}

void selectAlso(DeckGrid& grid, int row, int column)
{
    grid.selectionModel()->select(grid.model()->index(row - 1, column - 1), QItemSelectionModel::Select);
}

} // namespace

class ClipboardTest : public QObject {
    Q_OBJECT

    std::unique_ptr<EditingFixture> editing;
    DeckGrid* grid = nullptr;

    MainWindow& window() { return editing->window(); }

private slots:
    void init()
    {
        editing = std::make_unique<EditingFixture>(kRows);
        grid = &editing->grid();
        // The window's hot keys are live only in the active window, so a key
        // the Ins hot key wrongly took would show here.
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        grid->setFocus();
        clipboard().setText(QStringLiteral("before"));
    }
    void cleanup() { editing.reset(); }

    void copy_data()
    {
        QTest::addColumn<Cell>("from");
        QTest::addColumn<Cell>("to");
        QTest::addColumn<Cell>("alsoSelected");
        QTest::addColumn<int>("hiddenColumn");
        QTest::addColumn<QString>("text");
        const Cell none{0, 0};
        QTest::newRow("block") << Cell{2, 2} << Cell{3, 4} << none << 0 << "2.2\t2.3\t2.4\r\n3.2\t3.3\t3.4";
        QTest::newRow("one cell") << Cell{5, 45} << Cell{5, 45} << none << 0 << "5.45";
        QTest::newRow("hidden column skipped") << Cell{1, 2} << Cell{2, 4} << none << 3 << "1.2\t1.4\r\n2.2\t2.4";
        QTest::newRow("bounding box of two cells") << Cell{1, 1} << Cell{1, 1} << Cell{2, 3} << 0
                                                   << "1.1\t1.2\t1.3\r\n2.1\t2.2\t2.3";
    }
    void copy()
    {
        QFETCH(Cell, from);
        QFETCH(Cell, to);
        QFETCH(Cell, alsoSelected);
        QFETCH(int, hiddenColumn);
        QFETCH(QString, text);
        if (hiddenColumn > 0)
            grid->setTableColumnWidth(hiddenColumn, 0);
        grid->selectCells(from.row, from.column, to.row, to.column);
        if (alsoSelected.row > 0)
            selectAlso(*grid, alsoSelected.row, alsoSelected.column);
        window().action(MenuCommand::Copy)->trigger();
        QCOMPARE(clipboard().text(), text);
    }

    void copyAColumnChosenByItsHeader()
    {
        QHeaderView* columns = grid->horizontalHeader();
        const QPoint third(columns->sectionViewportPosition(2) + 5, columns->height() / 2);
        QTest::mouseClick(columns->viewport(), Qt::LeftButton, {}, third);
        QCOMPARE(selectionOf(*grid), QStringLiteral("1,3-5,3"));
        QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard().text(), QStringLiteral("1.3\r\n2.3\r\n3.3\r\n4.3\r\n5.3"));
    }

    void copyDecodesGbk()
    {
        grid->document().setCellText(1, 1, gbk("台风"));
        grid->document().setCellText(1, 2, gbk("ＡＢ"));
        grid->selectCells(1, 1, 1, 2);
        window().action(MenuCommand::Copy)->trigger();
        QCOMPARE(clipboard().text(), QStringLiteral("台风\tＡＢ"));
    }

    void copyWithoutSelectionKeepsTheClipboard()
    {
        grid->setCursorCell(2, 2);
        window().action(MenuCommand::Copy)->trigger();
        QCOMPARE(clipboard().text(), QStringLiteral("before"));
    }

    void paste_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Cell>("cursor");
        QTest::addColumn<int>("hiddenColumn");
        QTest::addColumn<QStringList>("changes");
        QTest::newRow("comma lines from 1,1")
            << "a,b\nc,d\ne,f\n" << Cell{1, 1} << 0 << QStringList{"1,1=a", "1,2=b", "2,1=c", "2,2=d", "3,1=e", "3,2=f"};
        QTest::newRow("tab lines at the table's edge")
            << "a\tb\tc\r\nd\te\r\nf\tg" << Cell{4, 44} << 0 << QStringList{"4,44=a", "4,45=b", "5,44=d", "5,45=e"};
        QTest::newRow("comma lines at the last cell") << "x,y\r\nz\r\n" << Cell{5, 45} << 0 << QStringList{"5,45=x"};
        QTest::newRow("empty fields kept but a last one")
            << "a,,b,\n,c" << Cell{1, 1} << 0 << QStringList{"1,1=a", "1,2=", "1,3=b", "2,1=", "2,2=c"};
        QTest::newRow("tabs and commas mixed") << "a\tb,c" << Cell{2, 3} << 0 << QStringList{"2,3=a", "2,4=b", "2,5=c"};
        QTest::newRow("carriage returns at line ends dropped")
            << "a\r\nb\r" << Cell{1, 1} << 0 << QStringList{"1,1=a", "2,1=b"};
        QTest::newRow("an empty line leaves its row") << "a\n\nb" << Cell{1, 1} << 0 << QStringList{"1,1=a", "3,1=b"};
        QTest::newRow("hidden column skipped") << "a,b,c" << Cell{1, 1} << 2 << QStringList{"1,1=a", "1,3=b", "1,4=c"};
        QTest::newRow("cursor on a hidden column") << "a,b" << Cell{1, 2} << 2 << QStringList{"1,3=a", "1,4=b"};
        QTest::newRow("no cursor: top-left visible cell") << "a" << Cell{-1, -1} << 1 << QStringList{"1,2=a"};
        QTest::newRow("Chinese text") << "台风,ＡＢ" << Cell{3, 1} << 0 << QStringList{"3,1=台风", "3,2=ＡＢ"};
        QTest::newRow("empty clipboard") << "" << Cell{1, 1} << 0 << QStringList{};
    }
    void paste()
    {
        QFETCH(QString, text);
        QFETCH(Cell, cursor);
        QFETCH(int, hiddenColumn);
        QFETCH(QStringList, changes);
        if (hiddenColumn > 0)
            grid->setTableColumnWidth(hiddenColumn, 0);
        grid->setCursorCell(cursor.row, cursor.column);
        grid->selectCells(cursor.row, cursor.column);
        clipboard().setText(text);
        QSignalSpy changed(&grid->document(), &DeckDocument::cellsChanged);
        QSignalSpy shown(&grid->tableModel(), &QAbstractItemModel::dataChanged);

        window().action(MenuCommand::Paste)->trigger();

        compareTable(*grid, changes);
        // One change of the document and one repaint, however many cells.
        QCOMPARE(changed.count(), changes.isEmpty() ? 0 : 1);
        QCOMPARE(shown.count(), changes.isEmpty() ? 0 : 1);
        QCOMPARE(cursorOf(*grid), cursor);
        QVERIFY(editing->dialogs().messages.empty());
    }

    void pasteRefusesWhatGbkCannotHold()
    {
        grid->setCursorCell(1, 1);
        clipboard().setText(QStringLiteral("a,€,b\nx\U0001F600,c\n"));
        window().action(MenuCommand::Paste)->trigger();

        compareTable(*grid, {"1,1=a", "1,3=b", "2,2=c"});
        const auto& messages = editing->dialogs().messages;
        QCOMPARE(messages.size(), std::size_t(1));
        QCOMPARE(messages[0].title, QStringLiteral("粘贴"));
        QCOMPARE(messages[0].icon, DialogService::Icon::Warning);
        QCOMPARE(messages[0].text,
                 QStringLiteral("粘贴时有2个单元格没有改变：它们的内容含有GBK没有的字符（第一个是第1行第2列的“€”），"
                                "这些单元格保留了原来的内容，其余单元格已经粘贴。"));
    }

    void pasteNeverAddsRows()
    {
        QString text;
        for (int i = 0; i < 20; ++i)
            text += QStringLiteral("line%1\n").arg(i);
        clipboard().setText(text);
        grid->setCursorCell(4, 1);
        window().action(MenuCommand::Paste)->trigger();
        QCOMPARE(grid->rowCount(), kRows + 1);
        QCOMPARE(columnTexts(*grid, 1), (QStringList{"1.1", "2.1", "3.1", "line0", "line1"}));
    }

    void copyKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Ctrl+C") << int(Qt::Key_C) << int(Qt::ControlModifier);
        QTest::newRow("Ctrl+Insert") << int(Qt::Key_Insert) << int(Qt::ControlModifier);
    }
    void copyKeys()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        grid->setCursorCell(2, 2);
        grid->selectCells(2, 2, 3, 3);
        QTest::keyClick(grid, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(clipboard().text(), QStringLiteral("2.2\t2.3\r\n3.2\t3.3"));
        QCOMPARE(grid->rowCount(), kRows + 1);
        QCOMPARE(selectionOf(*grid), QStringLiteral("2,2-3,3"));
    }

    void pasteKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Ctrl+V") << int(Qt::Key_V) << int(Qt::ControlModifier);
        QTest::newRow("Shift+Insert") << int(Qt::Key_Insert) << int(Qt::ShiftModifier);
    }
    void pasteKeys()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        grid->setCursorCell(2, 2);
        clipboard().setText(QStringLiteral("p,q"));
        QTest::keyClick(grid, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        compareTable(*grid, {"2,2=p", "2,3=q"});
    }

    void insKeyInsertsBelow()
    {
        grid->setCursorCell(2, 5);
        QTest::keyClick(grid, Qt::Key_Insert);
        QCOMPARE(columnTexts(*grid, 1), (QStringList{"1.1", "2.1", "", "3.1", "4.1", "5.1"}));
        QCOMPARE(cursorOf(*grid), (Cell{3, 5}));
        QCOMPARE(window().statusText(1), QStringLiteral("单元格：3,5"));
    }

    void cut_data()
    {
        QTest::addColumn<Cell>("cursor");
        QTest::addColumn<Cell>("from");
        QTest::addColumn<Cell>("to");
        QTest::addColumn<int>("hiddenColumn");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("changes");
        QTest::newRow("selected block") << Cell{2, 2} << Cell{2, 2} << Cell{3, 3} << 0 << "2.2\t2.3\r\n3.2\t3.3"
                                        << QStringList{"2,2=", "2,3=", "3,2=", "3,3="};
        QTest::newRow("nothing selected: the cursor cell")
            << Cell{4, 5} << Cell{0, 0} << Cell{0, 0} << 0 << "4.5" << QStringList{"4,5="};
        QTest::newRow("cursor outside the selection stays")
            << Cell{3, 3} << Cell{1, 1} << Cell{1, 2} << 0 << "1.1\t1.2" << QStringList{"1,1=", "1,2="};
        QTest::newRow("hidden column stays")
            << Cell{1, 1} << Cell{1, 1} << Cell{1, 3} << 2 << "1.1\t1.3" << QStringList{"1,1=", "1,3="};
    }
    void cut()
    {
        QFETCH(Cell, cursor);
        QFETCH(Cell, from);
        QFETCH(Cell, to);
        QFETCH(int, hiddenColumn);
        QFETCH(QString, text);
        QFETCH(QStringList, changes);
        if (hiddenColumn > 0)
            grid->setTableColumnWidth(hiddenColumn, 0);
        grid->setCursorCell(cursor.row, cursor.column);
        if (from.row > 0)
            grid->selectCells(from.row, from.column, to.row, to.column);
        QTest::keyClick(grid, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(clipboard().text(), text);
        compareTable(*grid, changes);
    }

    void deleteKeyEmptiesCursorCellAndBoundingBox()
    {
        grid->setCursorCell(1, 1);
        grid->selectCells(2, 3);
        selectAlso(*grid, 4, 5);
        QTest::keyClick(grid, Qt::Key_Delete);
        compareTable(*grid, {"1,1=", "2,3=", "2,4=", "2,5=", "3,3=", "3,4=", "3,5=", "4,3=", "4,4=", "4,5="});
        QCOMPARE(cursorOf(*grid), (Cell{1, 1}));
        QCOMPARE(clipboard().text(), QStringLiteral("before"));
    }

    void ctrlASelectsEveryDataCell()
    {
        grid->setCursorCell(3, 4);
        QSignalSpy events(grid, &DeckGrid::cursorChanged);
        QTest::keyClick(grid, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(selectionOf(*grid), QStringLiteral("1,1-5,45"));
        QCOMPARE(cursorOf(*grid), (Cell{3, 4}));
        QCOMPARE(events.count(), 0);
    }

    void keysEditTheOpenEditorsText()
    {
        grid->setCursorCell(2, 2);
        grid->selectCells(2, 2);
        QTest::keyClick(grid, Qt::Key_F2);
        auto* editor = grid->findChild<QLineEdit*>();
        QVERIFY(editor);
        QVERIFY(editor->hasFocus());
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(editor, Qt::Key_Delete);
        QCOMPARE(editor->text(), QString());
        clipboard().setText(QStringLiteral("x,y"));
        QTest::keyClick(editor, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(editor->text(), QStringLiteral("x,y"));
        QTest::keyClick(editor, Qt::Key_Escape);
        // Nothing reached the table or the selection.
        compareTable(*grid, {});
        QCOMPARE(selectionOf(*grid), QStringLiteral("2,2-2,2"));
    }
};

QTEST_MAIN(ClipboardTest)
#include "clipboard_test.moc"
