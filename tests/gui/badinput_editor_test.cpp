// The editor on input nobody should have to open: odd and huge decks,
// broken settings files, and saves that cannot succeed. Each ends with the
// documented silent behaviour or a message box, and the deck's bytes are
// never lost: what the window saves is what the core formatter writes for
// the same file.

#include "deckgrid.h"
#include "deckreader.h"
#include "deckwriter.h"
// GCC 12 takes the optional<QString> that the dialog fake returns for
// maybe-uninitialized once it is inlined here; it is not.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include "editortestsupport.h"
#pragma GCC diagnostic pop

#include <QClipboard>
#include <QGuiApplication>
#include <QScrollBar>

#include <random>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace galewright;
using namespace galewright::test;

namespace {

const std::string kDeck = "WP, 11, 2014072718, , BEST, 0, 120N, 1514E, 15\n"
                          "WP, 11, 2014072800, , BEST, 0, 119N, 1508E, 20\n";
const std::string kOldBytes = "the user's old file\n";

} // namespace

class BadInputEditorTest : public QObject {
    Q_OBJECT

    // Opens the file through the menu, checks it with every box answered OK,
    // saves it under a new name: the saved bytes must be the formatter's.
    void openCheckAndSave(EditorFixture& fixture, const std::string& name, const std::string& bytes)
    {
        MainWindow& window = *fixture.window;
        const std::string path = fixture.files.file(name);
        writeFile(path, bytes);
        fixture.dialogs.chosenFiles.push_back(utf8(path));
        window.action(MenuCommand::OpenDeck)->trigger();
        DeckTable core;
        loadDeckFile(core, path);
        QCOMPARE(window.grid().rowCount(), core.rowCount());
        QCOMPARE(window.windowTitle(), utf8(path) + " - Galewright");
        QVERIFY2(fixture.dialogs.messages.empty(), name.c_str()); // opening never complains

        window.checkErrors();
        QVERIFY2(!fixture.dialogs.messages.empty(), name.c_str()); // at least the summary
        QCOMPARE(fixture.dialogs.messages.back().title, QStringLiteral("检查错误"));
        fixture.dialogs.messages.clear();

        const std::string target = fixture.files.file(name + ".saved");
        fixture.dialogs.chosenFiles.push_back(utf8(target));
        window.saveDeck();
        QVERIFY2(fixture.dialogs.messages.empty(), name.c_str());
        const auto expected = formatDeck(core, window.columnConfig());
        QVERIFY(expected);
        QVERIFY2(readFile(target) == *expected, name.c_str());
        QCOMPARE(readFile(path), bytes); // the opened file itself is untouched
    }

private slots:
    void oddDecksOpenCheckAndSaveWithoutLoss()
    {
        std::string twoHundredFields;
        for (int k = 1; k <= 200; ++k)
            twoHundredFields += "f" + std::to_string(k) + ", ";
        std::string binary = randomBytes(8192, 3);
        for (auto& c : binary)
            if (c == '\0')
                c = '\n';
        const std::pair<const char*, std::string> decks[] = {
            {"zero-bytes.dat", ""},
            {"binary.dat", binary},
            {"invalid-gbk.dat", "WP, \x80\xFF, \xFF\xFF\xFE\n\xFE"},
            {"lead-byte-line-end.dat", "WP, 01\x81\nWP, 02\n"},
            {"lead-byte-file-end.dat", "WP, 01\nWP, 02\x81"},
            {"nul.dat", std::string("WP, 01\nWP, 0") + '\0' + "2\n"},
            {"cr-only.dat", "WP, 01\rWP, 02\r"},
            {"200-fields.dat", twoHundredFields},
        };
        EditorFixture fixture;
        fixture.start();
        for (const auto& [name, bytes] : decks)
            openCheckAndSave(fixture, name, bytes);
    }

    void nonFilesOpenEmptyWithoutHanging()
    {
        EditorFixture fixture;
        MainWindow& window = fixture.start();
        const std::string deck = fixture.files.file("deck.dat");
        writeFile(deck, kDeck);
        const std::string fifo = fixture.files.file("pipe.dat");
        QCOMPARE(::mkfifo(fifo.c_str(), 0644), 0);
        for (const std::string& path : {fixture.files.path().string(), fifo, std::string("/dev/zero")}) {
            window.loadDeck(deck);
            window.loadDeck(path); // the documented silent behaviour: an empty table
            QCOMPARE(window.grid().rowCount(), 1);
            QCOMPARE(window.windowTitle(), utf8(path) + " - Galewright");
            QVERIFY(fixture.dialogs.messages.empty());
        }
    }

    void hugeOddClipboardPastesOnlyIntoTheTable()
    {
        EditorFixture fixture;
        MainWindow& window = fixture.start();
        const std::string deck = fixture.files.file("deck.dat");
        writeFile(deck, kDeck);
        window.loadDeck(deck);
        QString line;
        for (int k = 0; k < 60; ++k)
            line += QStringLiteral("f%1%2").arg(k).arg(k % 2 ? QStringLiteral("\t") : QStringLiteral(","));
        line += QChar(0);
        line += QChar(0xD800); // a lone surrogate
        line += QStringLiteral("\r\r\n");
        QString text;
        for (int i = 0; i < 50000; ++i)
            text += line;
        QGuiApplication::clipboard()->setText(text);
        window.grid().setCursorCell(2, 40);
        window.action(MenuCommand::Paste)->trigger();
        QCOMPARE(window.grid().rowCount(), 3);
        QCOMPARE(window.grid().cellText(2, 40), std::string("f0"));
        QCOMPARE(window.grid().cellText(2, 45), std::string("f5"));
        QCOMPARE(window.grid().cellText(2, 9), std::string("20")); // left of the cursor: untouched
        QCOMPARE(window.grid().cellText(1, 40), std::string());   // above it too

        const std::string target = fixture.files.file("saved.dat");
        fixture.dialogs.messages.clear();
        fixture.dialogs.chosenFiles.push_back(utf8(target));
        window.saveDeck();
        QVERIFY(fixture.dialogs.messages.empty());
        DeckTable back;
        loadDeckFile(back, target);
        QCOMPARE(back.rowCount(), 3);
        QVERIFY(readFile(target) == *formatDeck(window.document().table(), window.columnConfig()));
    }

    void hugeDecksOpenAndSave()
    {
        std::string longLine = "WP, 01, ";
        longLine.resize(50u << 20, 'x');
        std::string million;
        million.reserve(30u << 20);
        for (int i = 0; i < 1'000'000; ++i)
            million += "WP, " + std::to_string(i % 100) + ", 2014010100\n";
        EditorFixture fixture;
        MainWindow& window = fixture.start();
        for (const auto& [name, bytes] : {std::pair{"long-line.dat", &longLine}, std::pair{"million.dat", &million}}) {
            const std::string path = fixture.files.file(name);
            writeFile(path, *bytes);
            window.loadDeck(path);
            QCOMPARE(window.grid().rowCount(), name == std::string("million.dat") ? 1'000'001 : 2);
            // Move to the far end and paint. Not for the long line: laying
            // out a 50 MB cell takes Qt minutes (see the hardening notes).
            if (name == std::string("million.dat")) {
                window.grid().setCursorCell(window.grid().rowCount() - 1, 3);
                window.grid().repaint();
                QTest::qWait(20);
            }
            QVERIFY(fixture.dialogs.messages.empty());
            const std::string target = fixture.files.file(std::string(name) + ".saved");
            fixture.dialogs.chosenFiles.push_back(utf8(target));
            window.saveDeck();
            QVERIFY(fixture.dialogs.messages.empty());
            DeckTable core;
            loadDeckFile(core, path);
            QVERIFY(readFile(target) == *formatDeck(core, window.columnConfig()));
        }
    }

    void brokenSettingsFilesStillOpenCheckAndSave()
    {
        const std::pair<const char*, std::string> forms[] = {
            {"empty", ""},
            {"garbage", randomBytes(2048, 11)},
            {"truncated", "35,3"},
            {"negative and huge", "-35,99999999999,2147483647,-2147483648," + repeated("2147483647,", 41)},
            {"10000 entries", repeated("40,", 9999) + "40"},
        };
        for (const char* file : {"Width.set", "Byte.set", "Method.set"}) {
            for (const auto& [form, bytes] : forms) {
                const QByteArray what = QByteArray(file) + " " + form;
                EditorFixture fixture;
                writeFile(fixture.settings.path() / file, bytes);
                MainWindow& window = fixture.start();
                QVERIFY2(fixture.dialogs.messages.empty(), what.constData()); // no message at start-up
                for (int k = 1; k <= 45; ++k)
                    QVERIFY2(window.grid().tableColumnWidth(k) >= 0, what.constData());

                const std::string deck = fixture.files.file("deck.dat");
                writeFile(deck, kDeck);
                window.loadDeck(deck);
                window.grid().setCursorCell(2, 7);
                window.refreshStatusBar();
                window.grid().horizontalScrollBar()->setValue(window.grid().horizontalScrollBar()->maximum());
                QTest::qWait(1);
                window.checkErrors();
                QVERIFY2(!fixture.dialogs.messages.empty(), what.constData());
                fixture.dialogs.messages.clear();

                // A save either writes the formatter's bytes or says it failed
                // and leaves the old file.
                const std::string target = fixture.files.file("saved.dat");
                writeFile(target, kOldBytes);
                fixture.dialogs.chosenFiles.push_back(utf8(target));
                window.saveDeck();
                const auto expected = formatDeck(window.document().table(), window.columnConfig());
                if (expected) {
                    QVERIFY2(fixture.dialogs.messages.empty(), what.constData());
                    QVERIFY2(readFile(target) == *expected, what.constData());
                } else {
                    QCOMPARE(fixture.dialogs.messages.size(), std::size_t(1));
                    QCOMPARE(fixture.dialogs.messages[0].text, QStringLiteral("保存失败！"));
                    QCOMPARE(readFile(target), kOldBytes);
                }
                QCOMPARE(readFile(fixture.settings.path() / file), bytes); // read, never rewritten
            }
        }
    }

    void failedSavesKeepTheOldFileAndSaySo()
    {
        EditorFixture fixture;
        MainWindow& window = fixture.start();
        const std::string deck = fixture.files.file("deck.dat");
        writeFile(deck, kDeck);
        window.loadDeck(deck);

        const std::string readOnlyDir = fixture.files.file("read-only");
        std::filesystem::create_directory(readOnlyDir);
        writeFile(readOnlyDir + "/deck.dat", kOldBytes);
        ::chmod(readOnlyDir.c_str(), 0555);
        const std::string readOnlyFile = fixture.files.file("read-only.dat");
        writeFile(readOnlyFile, kOldBytes);
        ::chmod(readOnlyFile.c_str(), 0444);

        for (const std::string& target : {readOnlyDir + "/deck.dat", readOnlyFile}) {
            fixture.dialogs.messages.clear();
            fixture.dialogs.chosenFiles.push_back(utf8(target));
            window.saveDeck();
            QCOMPARE(fixture.dialogs.messages.size(), std::size_t(1));
            QCOMPARE(fixture.dialogs.messages[0].text, QStringLiteral("保存失败！"));
            QCOMPARE(readFile(target), kOldBytes);
            QCOMPARE(window.currentDeckPath(), deck);
            QCOMPARE(window.windowTitle(), utf8(deck) + " - Galewright");
        }
        ::chmod(readOnlyDir.c_str(), 0755);

        // Width.set in a settings folder that cannot be written.
        const std::string widths = readFile(fixture.settings.path() / "Width.set");
        ::chmod(fixture.settings.path().c_str(), 0555);
        fixture.dialogs.messages.clear();
        window.grid().setTableColumnWidth(3, 99);
        window.saveColumnWidths();
        ::chmod(fixture.settings.path().c_str(), 0755);
        QCOMPARE(fixture.dialogs.messages.size(), std::size_t(1));
        QCOMPARE(fixture.dialogs.messages[0].text, QStringLiteral("列宽保存失败！"));
        QCOMPARE(readFile(fixture.settings.path() / "Width.set"), widths);
    }

    void fullDiskKeepsTheOldFileAndSaysSo()
    {
        if (::geteuid() != 0)
            QSKIP("mounting a 64 KiB tmpfs to fill needs root");
        EditorFixture fixture;
        MainWindow& window = fixture.start();
        const std::string deck = fixture.files.file("deck.dat");
        writeFile(deck, kDeck);
        window.loadDeck(deck);

        const std::string disk = fixture.files.file("disk");
        std::filesystem::create_directory(disk);
        if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k") != 0)
            QSKIP("cannot mount a tmpfs here; the core tests cover /dev/full instead");
        const std::string target = disk + "/deck.dat";
        writeFile(target, kOldBytes);
        FILE* filler = std::fopen((disk + "/filler").c_str(), "wb");
        const std::string block(4096, 'f');
        while (filler && std::fwrite(block.data(), 1, block.size(), filler) == block.size() && std::fflush(filler) == 0) {
        }
        if (filler)
            std::fclose(filler);

        fixture.dialogs.chosenFiles.push_back(utf8(target));
        window.saveDeck();
        const std::string after = readFile(target);
        ::umount2(disk.c_str(), MNT_DETACH);
        QCOMPARE(fixture.dialogs.messages.size(), std::size_t(1));
        QCOMPARE(fixture.dialogs.messages[0].text, QStringLiteral("保存失败！"));
        QCOMPARE(after, kOldBytes);
        QCOMPARE(window.currentDeckPath(), deck);
    }
};

QTEST_MAIN(BadInputEditorTest)
#include "badinput_editor_test.moc"
