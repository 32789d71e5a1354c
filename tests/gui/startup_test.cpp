// Start-up of the main window: its design, the command line (first file
// here, each further one in a new process), the presentation after a load,
// the column settings read at creation, the menu bar and the hot keys.

#include "deckgrid.h"
#include "decktablemodel.h"
#include "editortestsupport.h"
#include "statuspanel.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>

using namespace galewright;
using namespace galewright::test;

namespace {

const std::string kThreeRows = "WP, 11, 2014072718, , BEST, 0, 120N, 1514E\n"
                               "WP, 11, 2014072800\n"
                               "WP, 11, 2014072806" + std::string(42, ',') + " last\n";

// Captions of a menu and its submenus, depth marked by leading dots.
void collectCaptions(const QMenu* menu, int depth, QStringList& out)
{
    for (QAction* action : menu->actions()) {
        out << QString(depth, QLatin1Char('.')) + (action->isSeparator() ? QStringLiteral("-") : action->text());
        if (action->menu())
            collectCaptions(action->menu(), depth + 1, out);
    }
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void withoutFile()
    {
        EditorFixture fixture;
        MainWindow& window = fixture.start();
        QCOMPARE(window.windowTitle(), QStringLiteral("Galewright"));
        QCOMPARE(window.size(), QSize(640, 480));
        QCOMPARE(window.pos(), QPoint(50, 50));
        QCOMPARE(window.grid().rowCount(), 1);
        QCOMPARE(window.grid().cursorRow(), -1);
        // Numbered headers, but no status refresh: part 3 keeps its first text.
        QCOMPARE(window.grid().tableModel().headerData(44, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("45"));
        QCOMPARE(window.statusText(3), QStringLiteral("请先打开或新建一个文件。"));
        QCOMPARE(window.statusText(1), QString());
        QVERIFY(window.currentDeckPath().empty());
        QVERIFY(fixture.processes.starts.empty());
        QVERIFY(fixture.dialogs.messages.empty());
    }

    void statusBarParts()
    {
        EditorFixture fixture;
        MainWindow& window = fixture.start();
        const QList<QLabel*> parts = window.statusPanel().findChildren<QLabel*>();
        QCOMPARE(parts.size(), 3);
        QCOMPARE(parts[0]->width(), 100);
        QCOMPARE(parts[1]->width(), 150);
    }

    void withFile()
    {
        ScratchDir decks;
        const std::string path = decks.file("three.dat");
        writeFile(path, kThreeRows);
        EditorFixture fixture({path});
        MainWindow& window = fixture.start();
        DeckGrid& grid = window.grid();
        DeckTableModel& model = grid.tableModel();

        QCOMPARE(window.windowTitle(), utf8(path) + " - Galewright");
        QCOMPARE(window.currentDeckPath(), path);
        QCOMPARE(window.fileDialogName(), path);
        QCOMPARE(grid.rowCount(), 4);
        QCOMPARE(grid.cellText(1, 3), std::string("2014072718"));
        QCOMPARE(grid.cellText(1, 4), std::string());
        QCOMPARE(grid.cellText(3, 45), std::string("last"));
        for (int r = 1; r <= 3; ++r)
            QCOMPARE(model.headerData(r - 1, Qt::Vertical, Qt::DisplayRole).toString(), QString::number(r));
        for (int k = 1; k <= 45; ++k)
            QCOMPARE(model.headerData(k - 1, Qt::Horizontal, Qt::DisplayRole).toString(), QString::number(k));

        const GridPresentation& look = grid.presentation();
        for (int r = 1; r <= 3; ++r) {
            QCOMPARE(look.alignment(r, 1), CellAlignment::Right);
            QCOMPARE(look.alignment(r, 35), CellAlignment::Right);
            QCOMPARE(look.alignment(r, 36), CellAlignment::Left);
            QCOMPARE(look.alignment(r, 45), CellAlignment::Left);
            QCOMPARE(look.alignment(r, 0), CellAlignment::Centre);
            QCOMPARE(look.fontHeight(r, 0), 16);
            QCOMPARE(look.fontHeight(r, 7), 14);
        }
        for (int k = 0; k <= 45; ++k) {
            QCOMPARE(look.alignment(0, k), CellAlignment::Centre);
            QCOMPARE(look.fontHeight(0, k), 16);
            QCOMPARE(look.fontFace(0, k), QStringLiteral("Verdana"));
        }
        QCOMPARE(model.data(model.index(0, 0), Qt::TextAlignmentRole).value<Qt::Alignment>(),
                 Qt::AlignRight | Qt::AlignVCenter);

        QCOMPARE(grid.cursorRow(), 1);
        QCOMPARE(grid.cursorColumn(), 1);
        QCOMPARE(grid.selectedRange(), (CellRange{1, 1, 1, 1}));
        QCOMPARE(window.statusText(1), QStringLiteral("单元格：1,1"));
        QVERIFY(grid.isVisible());
        QVERIFY(grid.hasFocus());
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("loadedRows");
        QTest::newRow("two files, blanks in the names") << QStringList{"first deck.dat", "second deck.dat"} << 3;
        QTest::newRow("three files") << QStringList{"a.dat", "b.dat", "c.dat"} << 3;
        QTest::newRow("missing first file") << QStringList{"missing.dat", "b.dat"} << 0;
    }
    void commandLine()
    {
        QFETCH(QStringList, names);
        QFETCH(int, loadedRows);
        ScratchDir decks;
        std::vector<std::string> paths;
        for (const QString& name : names)
            paths.push_back(decks.file(name.toStdString()));
        for (std::size_t i = 0; i < paths.size(); ++i)
            if (!names[static_cast<int>(i)].startsWith("missing"))
                writeFile(paths[i], kThreeRows);
        EditorFixture fixture(paths);
        MainWindow& window = fixture.start();

        QCOMPARE(window.currentDeckPath(), paths.front());
        QCOMPARE(window.windowTitle(), utf8(paths.front()) + " - Galewright");
        QCOMPARE(window.grid().rowCount(), loadedRows + 1);
        QCOMPARE(fixture.processes.starts.size(), paths.size() - 1);
        for (std::size_t i = 1; i < paths.size(); ++i) {
            QCOMPARE(fixture.processes.starts[i - 1].program, kFakeExecutable);
            QCOMPARE(fixture.processes.starts[i - 1].arguments, std::vector<std::string>{paths[i]});
        }
        QVERIFY(fixture.dialogs.messages.empty());
    }

    void commandLineRunsOnce()
    {
        ScratchDir decks;
        const std::string first = decks.file("a.dat");
        writeFile(first, kThreeRows);
        EditorFixture fixture({first, decks.file("b.dat")});
        MainWindow& window = fixture.start();
        window.handleCommandLine();
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&window, &activate);
        QCoreApplication::processEvents();
        QCOMPARE(fixture.processes.starts.size(), std::size_t(1));
    }

    void columnWidthsFromWidthSet_data()
    {
        QTest::addColumn<QByteArray>("widthSet");
        QTest::addColumn<QList<int>>("firstWidths");
        QTest::newRow("two entries") << QByteArray("60,80") << QList<int>{60, 80, 35, 35};
        QTest::newRow("empty and non-numeric entries hide") << QByteArray("50,,x,70") << QList<int>{50, 0, 0, 70};
        QTest::newRow("missing file") << QByteArray() << QList<int>{35, 35, 35, 35};
    }
    void columnWidthsFromWidthSet()
    {
        QFETCH(QByteArray, widthSet);
        QFETCH(QList<int>, firstWidths);
        EditorFixture fixture;
        std::filesystem::remove(fixture.settings.path() / "Width.set");
        if (!widthSet.isEmpty())
            writeFile(fixture.settings.path() / "Width.set", widthSet.toStdString());
        MainWindow& window = fixture.create(); // read at creation, before showing
        for (int k = 1; k <= firstWidths.size(); ++k)
            QCOMPARE(window.grid().tableColumnWidth(k), firstWidths[k - 1]);
        QCOMPARE(window.grid().tableColumnWidth(45), 35);
    }

    void widthSetPastTheLastColumn()
    {
        EditorFixture fixture;
        QStringList entries;
        for (int k = 1; k <= 48; ++k)
            entries << QString::number(k + 10);
        writeFile(fixture.settings.path() / "Width.set", entries.join(',').toStdString());
        MainWindow& window = fixture.create();
        QCOMPARE(window.grid().tableColumnWidth(1), 11);
        QCOMPARE(window.grid().tableColumnWidth(45), 55);
    }

    void lengthLimitsFromByteSet()
    {
        EditorFixture fixture;
        writeFile(fixture.settings.path() / "Byte.set", " 3 ,7");
        MainWindow& window = fixture.create();
        QCOMPARE(window.columnConfig().lengthLimits(), (std::vector<std::string>{" 3 ", "7"}));
    }

    void menuCaptions()
    {
        EditorFixture fixture;
        MainWindow& window = fixture.start();
        QStringList captions;
        for (QAction* top : window.menuBar()->actions()) {
            captions << top->text();
            collectCaptions(top->menu(), 1, captions);
        }
        const QStringList expected{
            "&F.文件",
            ".&O.打开文件（Ctrl+O）",
            ".&S.保存文件（Ctrl+S）",
            ".&N.新建窗口（Ctrl+N）",
            ".&C.关闭当前文件",
            "&R.编辑",
            ".&I.插入行",
            "..&U.当前位置向上",
            "..&D.当前位置向下（Ins）",
            "..&E.表格底部",
            ".&D.删除",
            "..&S.选中行",
            "..&A.清除选中区域的数据（Del）",
            ".&C.复制（Ctrl+C）",
            ".&V.粘贴（Ctrl+V）",
            ".&A.全选（Ctrl+A）",
            "&T.工具",
            ".&P.坐标选择器（F1）",
            ".&C.检查错误",
            ".-",
            ".&S.保存列宽",
        };
        QCOMPARE(captions, expected);
        // The captions name their keys; no second shortcut column.
        for (QAction* action : window.findChildren<QAction*>())
            QVERIFY2(action->shortcut().isEmpty(), qPrintable(action->text()));
    }

    void hotKeys()
    {
        EditorFixture fixture;
        MainWindow& window = fixture.start();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QSignalSpy insertBelow(window.action(MenuCommand::InsertRowBelow), &QAction::triggered);
        QSignalSpy picker(window.action(MenuCommand::CoordinatePicker), &QAction::triggered);
        QWidget* focus = &window.grid();
        focus->setFocus();

        QTest::keyClick(focus, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(fixture.dialogs.fileDialogs.size(), std::size_t(1));
        QVERIFY(!fixture.dialogs.fileDialogs[0].save);
        QTest::keyClick(focus, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(fixture.dialogs.fileDialogs.size(), std::size_t(2));
        QVERIFY(fixture.dialogs.fileDialogs[1].save);
        QTest::keyClick(focus, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(fixture.processes.starts.size(), std::size_t(1));
        QCOMPARE(fixture.processes.starts[0].program, kFakeExecutable);
        QVERIFY(fixture.processes.starts[0].arguments.empty());

        QTest::keyClick(focus, Qt::Key_Insert);
        QCOMPARE(insertBelow.count(), 1);
        QTest::keyClick(focus, Qt::Key_Insert, Qt::ControlModifier);
        QTest::keyClick(focus, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(insertBelow.count(), 1);
        QTest::keyClick(focus, Qt::Key_F1);
        QCOMPARE(picker.count(), 1);
    }

    void resizeKeepsGridAboveStatusBar()
    {
        EditorFixture fixture;
        MainWindow& window = fixture.start();
        for (const QSize size : {QSize(900, 700), QSize(400, 300)}) {
            window.resize(size);
            QTRY_COMPARE(window.size(), size);
            QCoreApplication::processEvents();
            const QRect grid = window.grid().geometry();
            QCOMPARE(grid.bottom() + 1, window.statusPanel().geometry().top());
            QCOMPARE(grid.width(), window.width());
            QCOMPARE(window.statusPanel().width(), window.width());
            QCOMPARE(window.statusPanel().geometry().bottom() + 1, window.height());
        }
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
