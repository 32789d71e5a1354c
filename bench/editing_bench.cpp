// The Edit menu's bulk work on a big deck in the main window (offscreen),
// each step timed through its menu action and until the grid has painted
// again:
//   - selecting every cell, then deleting all rows;
//   - pasting ten thousand lines of 45 fields from the clipboard;
//   - copying ten thousand rows of all 45 columns;
//   - inserting one row above row 1 and deleting it again.
// Best of three runs each, the deck loaded afresh before each run.
//
//   editing_bench DECK [SETTINGS_DIR]

#include "benchsupport.h"
#include "windowbenchsupport.h"
#include "deckgrid.h"
#include "dialogservice.h"
#include "mainwindow.h"
#include "processstarter.h"
#include "settingsdirectory.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

using namespace galewright;
using namespace galewright::bench;

namespace {

constexpr int kPastedLines = 10000;
constexpr int kRuns = 3;

// Ten thousand lines of 45 fields, as another deck's rows would be copied.
QString pastedLines()
{
    QString text;
    for (int line = 0; line < kPastedLines; ++line) {
        for (int field = 1; field <= 45; ++field) {
            text += QStringLiteral("p%1.%2").arg(line).arg(field);
            text += field < 45 ? QStringLiteral("\t") : QStringLiteral("\r\n");
        }
    }
    return text;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: editing_bench DECK [SETTINGS_DIR]\n");
        return 2;
    }
    const std::string path = argv[1];
    const std::string settings = argc > 2 ? argv[2] : executableDirectory();

    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    BenchEditor editor(settings);
    MainWindow& window = editor.window;
    DeckGrid& grid = window.grid();
    auto run = [&](MenuCommand command) {
        window.action(command)->trigger();
        settle();
    };
    auto load = [&] {
        window.loadDeck(path);
        settle();
    };

    double selectAll = 1e9;
    double deleteAll = 1e9;
    double paste = 1e9;
    double copy = 1e9;
    double insert = 1e9;
    double deleteOne = 1e9;
    int rows = 0;
    bool pasted = true;
    const QString lines = pastedLines();
    for (int i = 0; i < kRuns; ++i) {
        load();
        rows = grid.rowCount() - 1;
        selectAll = std::min(selectAll, seconds([&] { run(MenuCommand::SelectAll); }));
        deleteAll = std::min(deleteAll, seconds([&] { run(MenuCommand::DeleteSelectedRows); }));
        if (grid.rowCount() != 1)
            std::fprintf(stderr, "rows left after deleting all: %d\n", grid.rowCount() - 1);

        load();
        QGuiApplication::clipboard()->setText(lines);
        grid.setCursorCell(1, 1);
        paste = std::min(paste, seconds([&] { run(MenuCommand::Paste); }));
        pasted = pasted && grid.cellText(kPastedLines, 45) == "p" + std::to_string(kPastedLines - 1) + ".45";

        grid.selectCells(1, 1, kPastedLines, 45);
        copy = std::min(copy, seconds([&] { run(MenuCommand::Copy); }));
        pasted = pasted && QGuiApplication::clipboard()->text() == lines.chopped(2);

        grid.setCursorCell(1, 1);
        insert = std::min(insert, seconds([&] { run(MenuCommand::InsertRowAbove); }));
        grid.selectCells(1, 1);
        deleteOne = std::min(deleteOne, seconds([&] { run(MenuCommand::DeleteSelectedRows); }));
    }

    std::printf("deck: %s, %d rows; best of %d, each until painted\n", path.c_str(), rows, kRuns);
    std::printf("select all cells:                    %8.3f s\n", selectAll);
    std::printf("delete all %d selected rows:     %8.3f s\n", rows, deleteAll);
    std::printf("paste %d lines of 45 fields:      %8.3f s\n", kPastedLines, paste);
    std::printf("copy %d rows of 45 columns:       %8.3f s\n", kPastedLines, copy);
    std::printf("insert a row above row 1:            %8.3f s\n", insert);
    std::printf("delete that row:                     %8.3f s\n", deleteOne);
    std::printf("pasted and copied texts as expected: %s\n", pasted ? "yes" : "NO");
    std::printf("goals: delete all and paste well under a second: %s\n",
                deleteAll < 0.5 && paste < 0.5 ? "yes" : "NO");
    return 0;
}
