// The coordinate picker on a Maps.ini nobody should have to read, on map
// files that are not maps, and with a settings folder it cannot write. It
// opens every time, says what is wrong with a map in a box, and never loses
// a listed path it could read.

#include "mapcatalogue.h"
#include "inifile.h"
#include "pickertestsupport.h"

#include <QComboBox>
#include <QPushButton>

#include <random>
#include <sys/stat.h>

using namespace galewright;
using namespace galewright::test;

namespace {

const std::string kDeck = deckLine("120N", "1514E") + deckLine("125N", "1500E");

// The "List" entries of a Maps.ini text, read as the picker reads them.
std::vector<std::string> listedPaths(const std::string& text)
{
    const IniFile ini = IniFile::parse(text);
    std::vector<std::string> paths;
    for (int i = 0;; ++i) {
        const std::string path = ini.value("List", std::to_string(i));
        if (path.empty())
            return paths;
        paths.push_back(path);
    }
}

} // namespace

class BadInputPickerTest : public QObject {
    Q_OBJECT

private slots:
    void brokenMapsIniStillOpens_data()
    {
        const std::string map = imagePath("map-360x180.png");
        std::string many = "[List]\r\n";
        for (int i = 0; i < 10000; ++i)
            many += std::to_string(i) + "=\"" + (i % 2 ? map : imagePath("no-such-map-" + std::to_string(i) + ".png")) +
                    "\"\r\n";
        QTest::addColumn<QByteArray>("bytes"); // empty name: no file at all
        QTest::addColumn<int>("entries");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("messages");
        QTest::newRow("missing") << QByteArray() << 1 << -1 << 0; // the default map
        QTest::newRow("empty") << QByteArray("") << 1 << -1 << 0;
        QTest::newRow("garbage") << QByteArray::fromStdString(randomBytes(4096, 5)) << 1 << -1 << 0;
        QTest::newRow("truncated") << QByteArray::fromStdString("[List]\r\n0=\"" + map.substr(0, map.size() - 3))
                                   << 1 << -1 << 0;
        QTest::newRow("negative select") << QByteArray::fromStdString("[List]\r\n0=\"" + map + "\"\r\n[Select]\r\n0=-7\r\n")
                                         << 1 << -1 << 0;
        QTest::newRow("huge select")
            << QByteArray::fromStdString("[List]\r\n0=\"" + map + "\"\r\n[Select]\r\n0=99999999999999999999\r\n") << 1
            << -1 << 0;
        QTest::newRow("10000 entries, the last selected")
            << QByteArray::fromStdString(many + "[Select]\r\n0=9999\r\n") << 10000 << 9999 << 0;
        QTest::newRow("10000 entries, a missing one selected")
            << QByteArray::fromStdString(many + "[Select]\r\n0=9998\r\n") << 10000 << 9998 << 1;
    }
    void brokenMapsIniStillOpens()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, entries);
        QFETCH(int, selected);
        QFETCH(int, messages);
        PickerFixture fixture(kDeck);
        if (!bytes.isNull())
            writeFile(fixture.mapsIni(), bytes.toStdString());
        fixture.start();
        CoordinatePicker& picker = fixture.openPicker();
        QCOMPARE(picker.mapList()->count(), entries);
        QCOMPARE(picker.mapList()->currentIndex(), selected);
        QCOMPARE(int(fixture.dialogs().messages.size()), messages);
        const std::vector<std::string> listed = listedPaths(bytes.toStdString());

        fixture.closePicker();
        // Every path that was read is written back, in order.
        const std::vector<std::string> written = listedPaths(readFile(fixture.mapsIni()));
        if (!listed.empty())
            QVERIFY(written == listed);
        QCOMPARE(int(written.size()), entries);
    }

    void notMapsAreRefusedWithAMessage()
    {
        const std::string jpeg = readFile(testData("images") / "map-720x360.jpg");
        PickerFixture fixture(kDeck);
        const std::string halfJpeg = fixture.decks.file("half.jpg");
        writeFile(halfJpeg, jpeg.substr(0, jpeg.size() / 2));
        const std::string empty = fixture.decks.file("empty.png");
        writeFile(empty, "");
        fixture.writeMapsIni({imagePath("map-360x180.png")}, "0");
        fixture.start();
        CoordinatePicker& picker = fixture.openPicker();
        for (const std::string& file :
             {imagePath("huge-header.png"), imagePath("zero-size.png"), imagePath("no-frames.gif"),
              imagePath("truncated.jpg"), imagePath("zero-width.bmp"), halfJpeg, empty, fixture.decks.path().string()}) {
            fixture.dialogs().messages.clear();
            fixture.dialogs().chosenFiles.push_back(utf8(file));
            picker.addButton()->click();
            QVERIFY2(fixture.dialogs().messages.size() == 1, file.c_str());
            QVERIFY2(fixture.dialogs().messages[0].text.endsWith(QStringLiteral("”不是有效的图片文件，或格式不被支持。")),
                     qPrintable(fixture.dialogs().messages[0].text));
            QCOMPARE(picker.mapList()->count(), 1);
        }
    }

    void unwritableSettingsKeepTheOldMapsIniSilently()
    {
        PickerFixture fixture(kDeck);
        fixture.writeMapsIni({imagePath("map-360x180.png")}, "0");
        const std::string before = readFile(fixture.mapsIni());
        fixture.start();
        CoordinatePicker& picker = fixture.openPicker();
        fixture.dialogs().chosenFiles.push_back(utf8(imagePath("map-720x360.png")));
        picker.addButton()->click();
        QCOMPARE(picker.mapList()->count(), 2);
        const auto settings = fixture.mapsIni().parent_path();
        ::chmod(settings.c_str(), 0555);
        fixture.closePicker();
        ::chmod(settings.c_str(), 0755);
        QVERIFY(fixture.dialogs().messages.empty()); // a failed rewrite of Maps.ini is not reported
        QCOMPARE(readFile(fixture.mapsIni()), before);
    }
};

QTEST_MAIN(BadInputPickerTest)
#include "badinput_picker_test.moc"
