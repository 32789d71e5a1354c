// The file commands of the main window: open, save, their cancellation and
// failure, close, with the captions, paths and dialog requests they make;
// every real deck saved under a new name gives the formatter's bytes; the
// column widths saved to Width.set; typed text without a GBK form.

#include "deckreader.h"
#include "deckwriter.h"
#include "deckgrid.h"
#include "decktablemodel.h"
#include "editortestsupport.h"

#include <QFile>
#include <QLineEdit>

using namespace galewright;
using namespace galewright::test;

namespace {

const std::string kDeck = "WP, 11, 2014072718, , BEST, 0, 120N, 1514E, 15\n"
                          "WP, 11, 2014072800, , BEST, 0, 119N, 1508E, 20\n";

} // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<EditorFixture> fixture;
    MainWindow* window = nullptr;
    std::string deckPath;

private slots:
    void init()
    {
        fixture = std::make_unique<EditorFixture>();
        deckPath = fixture->files.file("deck.dat");
        writeFile(deckPath, kDeck);
        window = &fixture->start();
    }
    void cleanup() { fixture.reset(); }

    void openAsksWithTheSharedDialog()
    {
        fixture->dialogs.chosenFiles.push_back(utf8(deckPath));
        window->action(MenuCommand::OpenDeck)->trigger();
        QCOMPARE(fixture->dialogs.fileDialogs.size(), std::size_t(1));
        const auto& dialog = fixture->dialogs.fileDialogs[0];
        QVERIFY(!dialog.save);
        QCOMPARE(dialog.request.proposedPath, QString());
        QCOMPARE(dialog.request.nameFilters,
                 (QStringList{"ATCF decks文件（*.dat;*.txt;*.fst;*.com） (*.dat *.txt *.fst *.com)", "所有文件 (*)"}));
        QCOMPARE(dialog.request.defaultSuffix, QStringLiteral("dat"));

        QCOMPARE(window->grid().rowCount(), 3);
        QCOMPARE(window->windowTitle(), utf8(deckPath) + " - Galewright");
        QCOMPARE(window->currentDeckPath(), deckPath);
        QCOMPARE(window->fileDialogName(), deckPath);
        QCOMPARE(window->statusText(1), QStringLiteral("单元格：1,1"));

        // The next dialog proposes the loaded file.
        window->openDeckCommand();
        QCOMPARE(fixture->dialogs.fileDialogs[1].request.proposedPath, utf8(deckPath));
    }

    void whileLoadingTheCaptionSaysSoAndTheGridIsHidden()
    {
        QString caption;
        bool gridVisible = true;
        connect(&window->document(), &DeckDocument::structureAboutToChange, this, [&] {
            caption = window->windowTitle();
            gridVisible = window->grid().isVisible();
        });
        window->loadDeck(deckPath);
        QCOMPARE(caption, "(正在载入 ..) " + utf8(deckPath) + " - Galewright");
        QVERIFY(!gridVisible);
        QVERIFY(window->grid().isVisible());
    }

    void cancelledOpenChangesNothing()
    {
        window->loadDeck(deckPath);
        window->grid().setCursorCell(2, 5);
        window->openDeckCommand(); // no scripted file: cancelled
        QCOMPARE(window->grid().rowCount(), 3);
        QCOMPARE(window->currentDeckPath(), deckPath);
        QCOMPARE(window->windowTitle(), utf8(deckPath) + " - Galewright");
        QCOMPARE(window->grid().cursorColumn(), 5);
    }

    void loadingAFileThatCannotBeRead()
    {
        window->loadDeck(deckPath);
        const std::string missing = fixture->files.file("missing.dat");
        window->loadDeck(missing);
        QCOMPARE(window->grid().rowCount(), 1);
        QCOMPARE(window->grid().cursorRow(), -1);
        QCOMPARE(window->windowTitle(), utf8(missing) + " - Galewright");
        QCOMPARE(window->currentDeckPath(), missing);
        QVERIFY(fixture->dialogs.messages.empty());
    }

    void saveUnderANewName()
    {
        window->loadDeck(deckPath);
        window->document().setCellText(2, 9, "25");
        const std::string target = fixture->files.file("saved");
        fixture->dialogs.chosenFiles.push_back(utf8(target));
        window->action(MenuCommand::SaveDeck)->trigger();
        const auto& dialog = fixture->dialogs.fileDialogs.back();
        QVERIFY(dialog.save);
        QCOMPARE(dialog.request.proposedPath, utf8(deckPath));
        QCOMPARE(dialog.request.defaultSuffix, QStringLiteral("dat"));
        QCOMPARE(readFile(target), *formatDeck(window->document().table(), window->columnConfig()));
        QVERIFY(readFile(target).find("  25, \n") != std::string::npos);
        QCOMPARE(window->currentDeckPath(), target);
        QCOMPARE(window->fileDialogName(), target);
        QCOMPARE(window->windowTitle(), utf8(target) + " - Galewright");
        QVERIFY(fixture->dialogs.messages.empty());
    }

    void saveCommitsTheOpenEditor()
    {
        window->loadDeck(deckPath);
        DeckGrid& grid = window->grid();
        grid.setCursorCell(1, 2);
        grid.edit(grid.currentIndex());
        auto* editor = grid.findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->setText("12");
        fixture->dialogs.chosenFiles.push_back(utf8(fixture->files.file("edited.dat")));
        window->saveDeck();
        QVERIFY(readFile(fixture->files.file("edited.dat")).starts_with("WP, 12, "));
    }

    void cancelledSaveWritesNothing()
    {
        window->loadDeck(deckPath);
        window->saveDeck();
        QCOMPARE(fixture->dialogs.fileDialogs.size(), std::size_t(1));
        QVERIFY(fixture->dialogs.messages.empty());
        QCOMPARE(window->currentDeckPath(), deckPath);
        QCOMPARE(readFile(deckPath), kDeck);
    }

    void failedSaveSaysSo()
    {
        window->loadDeck(deckPath);
        const std::string target = fixture->files.file("no such folder/deck.dat");
        fixture->dialogs.chosenFiles.push_back(utf8(target));
        window->saveDeck();
        QCOMPARE(fixture->dialogs.messages.size(), std::size_t(1));
        const auto& box = fixture->dialogs.messages[0];
        QCOMPARE(box.text, QStringLiteral("保存失败！"));
        QCOMPARE(box.title, QStringLiteral("保存"));
        QCOMPARE(box.icon, DialogService::Icon::Error);
        QCOMPARE(box.buttons, DialogService::Buttons::Ok);
        QCOMPARE(box.owner, window);
        QCOMPARE(window->currentDeckPath(), deckPath);
        QCOMPARE(window->windowTitle(), utf8(deckPath) + " - Galewright");
    }

    void closeThenSaveWritesAnEmptyFileAtTheClosedPath()
    {
        window->loadDeck(deckPath);
        window->action(MenuCommand::CloseDeck)->trigger();
        QCOMPARE(window->grid().rowCount(), 1);
        QCOMPARE(window->grid().cursorRow(), -1);
        QCOMPARE(window->windowTitle(), QStringLiteral("Galewright"));
        QVERIFY(window->currentDeckPath().empty());
        QCOMPARE(window->fileDialogName(), deckPath);

        fixture->dialogs.chosenFiles.push_back(utf8(deckPath));
        window->saveDeck();
        QCOMPARE(fixture->dialogs.fileDialogs.back().request.proposedPath, utf8(deckPath));
        QCOMPARE(readFile(deckPath), std::string());
        QCOMPARE(window->windowTitle(), utf8(deckPath) + " - Galewright");
    }

    void realDecksSaveAsTheFormatterWrites()
    {
        int decks = 0;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(testData("realdata"))) {
            if (!entry.is_regular_file() || entry.path().extension() != ".dat")
                continue;
            ++decks;
            const std::string source = entry.path().string();
            fixture->dialogs.chosenFiles.push_back(utf8(source));
            window->openDeckCommand();
            const std::string target = fixture->files.file("copy-" + entry.path().filename().string());
            fixture->dialogs.chosenFiles.push_back(utf8(target));
            window->saveDeck();

            DeckTable core;
            loadDeckFile(core, source);
            const auto expected = formatDeck(core, window->columnConfig());
            QVERIFY(expected);
            QVERIFY2(readFile(target) == *expected, source.c_str());
            QCOMPARE(window->grid().rowCount(), core.rowCount());
        }
        QVERIFY(decks > 20);
        QVERIFY(fixture->dialogs.messages.empty());
    }

    void saveColumnWidths()
    {
        window->grid().setTableColumnWidth(3, 120);
        window->grid().setTableColumnWidth(4, 0);
        window->action(MenuCommand::SaveColumnWidths)->trigger();
        QStringList widths;
        for (int k = 1; k <= 45; ++k)
            widths << QString::number(window->grid().tableColumnWidth(k));
        const std::string written = readFile(fixture->settings.path() / "Width.set");
        QCOMPARE(QString::fromStdString(written), widths.join(','));
        QVERIFY(written.starts_with("35,35,120,0,52,"));
        QCOMPARE(fixture->dialogs.messages.size(), std::size_t(1));
        const auto& box = fixture->dialogs.messages[0];
        QCOMPARE(box.text, QStringLiteral("列宽保存成功。"));
        QCOMPARE(box.title, QStringLiteral("保存列宽"));
        QCOMPARE(box.icon, DialogService::Icon::Information);
        QCOMPARE(box.buttons, DialogService::Buttons::Ok);
        QCOMPARE(box.owner, nullptr);
    }

    void saveColumnWidthsFailure()
    {
        // A folder where the file should be cannot be replaced.
        const auto widthSet = fixture->settings.path() / "Width.set";
        std::filesystem::remove(widthSet);
        std::filesystem::create_directory(widthSet);
        window->saveColumnWidths();
        QCOMPARE(fixture->dialogs.messages.size(), std::size_t(1));
        const auto& box = fixture->dialogs.messages[0];
        QCOMPARE(box.text, QStringLiteral("列宽保存失败！"));
        QCOMPARE(box.title, QStringLiteral("保存列宽"));
        QCOMPARE(box.icon, DialogService::Icon::Warning);
        QCOMPARE(box.owner, nullptr);
        QVERIFY(std::filesystem::is_directory(widthSet));
    }

    void typedTextWithoutGbkFormIsRefusedWithAMessage()
    {
        window->loadDeck(deckPath);
        DeckTableModel& model = window->grid().tableModel();
        model.setData(model.index(0, 4), QStringLiteral("B\U0001F300"), Qt::EditRole);
        QTRY_COMPARE(fixture->dialogs.messages.size(), std::size_t(1));
        const auto& box = fixture->dialogs.messages[0];
        QVERIFY(box.text.contains(QStringLiteral("\U0001F300")));
        QVERIFY(box.text.contains(QStringLiteral("GBK")));
        QCOMPARE(box.icon, DialogService::Icon::Warning);
        QCOMPARE(box.owner, window);
        QCOMPARE(window->grid().cellText(1, 5), std::string("BEST"));
    }
};

QTEST_MAIN(FileCommandsTest)
#include "filecommands_test.moc"
