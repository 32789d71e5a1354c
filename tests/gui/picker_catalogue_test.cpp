// The coordinate picker's window and its list of maps: opening from the
// main window (once), Maps.ini read at opening and written byte for byte at
// closing, the default map, the map rule's messages, adding and removing
// maps, the first layout, the scroll bars and the wheel.

#include "columnpanel.h"
#include "deckgrid.h"
#include "mapcatalogue.h"
#include "pickerlayout.h"
#include "pickerstatusbar.h"
#include "pickertestsupport.h"

#include <QComboBox>
#include <QLabel>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

using namespace galewright;
using namespace galewright::test;

namespace {

const std::string kDeck = deckLine("120N", "1514E") + deckLine("125N", "1500E");

QRect rectOf(const PixelRect& r) { return {r.left, r.top, r.width, r.height}; }

} // namespace

class PickerCatalogueTest : public QObject {
    Q_OBJECT

    std::unique_ptr<PickerFixture> fixture;

    FakeDialogService& dialogs() { return fixture->dialogs(); }

private slots:
    void init()
    {
        fixture = std::make_unique<PickerFixture>(kDeck);
        fixture->start();
    }
    void cleanup() { fixture.reset(); }

    void storedSelection_data()
    {
        QTest::addColumn<QString>("select");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("mapWidth");
        QTest::newRow("second of two") << "1" << 1 << 360;
        QTest::newRow("first of two") << "0" << 0 << 720;
        QTest::newRow("beyond the list") << "5" << -1 << 360;
        QTest::newRow("none") << "-1" << -1 << 360;
        QTest::newRow("not a number") << "x" << 0 << 720;
    }
    void storedSelection()
    {
        QFETCH(QString, select);
        QFETCH(int, selected);
        QFETCH(int, mapWidth);
        fixture->writeMapsIni({imagePath("map-720x360.png"), imagePath("map-360x180.png")}, select.toStdString());
        CoordinatePicker& picker = fixture->openPicker();
        QCOMPARE(picker.mapList()->count(), 2);
        QCOMPARE(picker.mapList()->itemText(1), utf8(imagePath("map-360x180.png")));
        QCOMPARE(picker.mapList()->currentIndex(), selected);
        QCOMPARE(picker.canvas()->hasPicture(), selected >= 0);
        QCOMPARE(picker.geometry().width(), mapWidth);
        QCOMPARE(picker.canvas()->width(), selected >= 0 ? mapWidth : 0);
        QVERIFY(dialogs().messages.empty());
    }

    void gapEndsTheListAndListedFilesAreNotCheckedAtOpening()
    {
        writeFile(fixture->mapsIni(), "[List]\r\n0=\"/no/such/map.png\"\r\n1=\r\n2=\"" + imagePath("map-360x180.png") +
                                          "\"\r\n[Select]\r\n0=-1\r\n");
        CoordinatePicker& picker = fixture->openPicker();
        QCOMPARE(picker.catalogue().entries(), std::vector<std::string>{"/no/such/map.png"});
        QVERIFY(dialogs().messages.empty());
        // Chosen, it fails; nothing was shown before, nothing is now.
        picker.mapList()->setCurrentIndex(0);
        picker.catalogue().selectMap();
        QCOMPARE(dialogs().messages.size(), std::size_t(1));
        QCOMPARE(dialogs().messages[0].text, QStringLiteral("文件“/no/such/map.png”不存在！"));
        QVERIFY(!picker.canvas()->hasPicture());
    }

    // Paths are GBK in the file and in the file system's own encoding
    // on disk; a Chinese file name goes both ways.
    void writtenOnCloseByteForByte()
    {
        const std::string chinese = fixture->decks.file("地图.png");
        std::filesystem::copy_file(imagePath("map-720x360.png"), chinese);
        const std::string second = imagePath("map-360x180.png");
        fixture->writeMapsIni({gbk(chinese), second}, "0");
        CoordinatePicker& picker = fixture->openPicker();
        QCOMPARE(picker.mapList()->itemText(0), utf8(chinese));
        QCOMPARE(picker.geometry().width(), 720);
        // Nothing is written while the window is open.
        std::filesystem::remove(fixture->mapsIni());
        picker.mapList()->setCurrentIndex(1);
        picker.catalogue().selectMap();
        QVERIFY(!std::filesystem::exists(fixture->mapsIni()));

        fixture->closePicker();
        QVERIFY(!fixture->controller().picker());
        QCOMPARE(readFile(fixture->mapsIni()), "[List]\r\n0=\"" + gbk(chinese) + "\"\r\n1=\"" + second +
                                                   "\"\r\n[Select]\r\n0=1\r\n");
    }

    void closingTheMainWindowClosesAndWritesThePicker()
    {
        fixture->writeMapsIni({imagePath("map-360x180.png")}, "0");
        QPointer<CoordinatePicker> picker = &fixture->openPicker();
        fixture->window().close();
        QVERIFY(picker->isHidden());
        fixture->editor->window.reset();
        QVERIFY(!picker);
        QCOMPARE(readFile(fixture->mapsIni()),
                 "[List]\r\n0=\"" + imagePath("map-360x180.png") + "\"\r\n[Select]\r\n0=0\r\n");
    }

    void defaultMapWhenNothingIsListed()
    {
        CoordinatePicker& picker = fixture->openPicker();
        QCOMPARE(picker.catalogue().entries(), std::vector<std::string>{fixture->defaultMap()});
        // Offered, not shown: nothing is selected until the user chooses it.
        QCOMPARE(picker.mapList()->currentIndex(), -1);
        QVERIFY(!picker.canvas()->hasPicture());
        picker.mapList()->setCurrentIndex(0);
        picker.catalogue().selectMap();
        QCOMPARE(picker.geometry().width(), 1440);
        QVERIFY(dialogs().messages.empty());
    }

    void missingDefaultMapIsReportedAtEachOpening()
    {
        std::filesystem::remove(fixture->defaultMap());
        const QString expected = QStringLiteral("文件“%1”不存在！").arg(utf8(fixture->defaultMap()));
        for (int opening = 1; opening <= 2; ++opening) {
            CoordinatePicker& picker = fixture->openPicker();
            QCOMPARE(picker.mapList()->count(), 0);
            QCOMPARE(dialogs().messages.size(), std::size_t(opening));
            QCOMPARE(dialogs().messages.back().text, expected);
            QCOMPARE(dialogs().messages.back().owner, &picker);
            fixture->closePicker();
            QCOMPARE(readFile(fixture->mapsIni()), std::string("[Select]\r\n0=-1\r\n"));
        }
    }

    void mapRuleMessages_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("ending");
        QTest::newRow("wrong proportion") << "map-300x100.png" << "”比例不正确。";
        QTest::newRow("one row too many") << "map-360x181.png" << "”比例不正确。";
        QTest::newRow("too small") << "map-358x179.png" << "”尺寸过小。宽度必须≥360px，高度≥180px。";
        QTest::newRow("text named png") << "text-named.png" << "”不是有效的图片文件，或格式不被支持。";
        QTest::newRow("cut short") << "truncated.png" << "”不是有效的图片文件，或格式不被支持。";
        QTest::newRow("missing") << "no-such-map.png" << "”不存在！";
        QTest::newRow("jpeg named png") << "jpeg-named.png" << "";
        QTest::newRow("gif") << "map-720x360.gif" << "";
    }
    void mapRuleMessages()
    {
        QFETCH(QString, file);
        QFETCH(QString, ending);
        fixture->writeMapsIni({imagePath("map-360x180.png")}, "0");
        CoordinatePicker& picker = fixture->openPicker();
        const QString path = utf8(imagePath(file.toStdString()));
        dialogs().chosenFiles.push_back(path);
        picker.addButton()->click();

        QCOMPARE(dialogs().fileDialogs.size(), std::size_t(1));
        const auto& request = dialogs().fileDialogs[0].request;
        QVERIFY(!dialogs().fileDialogs[0].save);
        QCOMPARE(request.title, QStringLiteral("请选择地图文件："));
        QCOMPARE(request.nameFilters, QStringList{QStringLiteral("所有文件（*.*） (*)")});
        if (ending.isEmpty()) {
            QVERIFY(dialogs().messages.empty());
            QCOMPARE(picker.mapList()->count(), 2);
            QCOMPARE(picker.mapList()->itemText(1), path);
        } else {
            QCOMPARE(dialogs().messages.size(), std::size_t(1));
            const auto& shown = dialogs().messages[0];
            QCOMPARE(shown.text, "文件“" + path + ending);
            QCOMPARE(shown.title, QStringLiteral("坐标选择器"));
            QCOMPARE(shown.icon, DialogService::Icon::Warning);
            QCOMPARE(shown.buttons, DialogService::Buttons::Ok);
            QCOMPARE(shown.owner, &picker);
            QCOMPARE(picker.mapList()->count(), 1);
        }
        // Adding neither selects nor shows the new map.
        QCOMPARE(picker.mapList()->currentIndex(), 0);
        QCOMPARE(picker.geometry().width(), 360);
    }

    void addingToAnEmptyListSelectsNothing()
    {
        std::filesystem::remove(fixture->defaultMap());
        CoordinatePicker& picker = fixture->openPicker();
        dialogs().messages.clear();
        dialogs().chosenFiles.push_back(utf8(imagePath("map-720x360.png")));
        picker.addButton()->click();
        QCOMPARE(picker.mapList()->count(), 1);
        QCOMPARE(picker.mapList()->currentIndex(), -1);
        QVERIFY(!picker.canvas()->hasPicture());
    }

    void cancelledOrDuplicateAddChangesNothing()
    {
        // Two files whose names differ only in letter case are two maps.
        const std::string lower = fixture->decks.file("map.png");
        const std::string upper = fixture->decks.file("Map.png");
        std::filesystem::copy_file(imagePath("map-360x180.png"), lower);
        std::filesystem::copy_file(imagePath("map-360x180.png"), upper);
        fixture->writeMapsIni({lower}, "0");
        CoordinatePicker& picker = fixture->openPicker();

        picker.addButton()->click(); // cancelled
        QCOMPARE(dialogs().fileDialogs.size(), std::size_t(1));
        dialogs().chosenFiles = {utf8(lower), utf8(upper)};
        picker.addButton()->click();
        QCOMPARE(dialogs().messages.size(), std::size_t(1));
        QCOMPARE(dialogs().messages[0].text, "文件“" + utf8(lower) + "”已经存在于列表中。");
        QCOMPARE(dialogs().messages[0].icon, DialogService::Icon::None);
        QCOMPARE(dialogs().messages[0].title, QStringLiteral("坐标选择器"));
        QCOMPARE(picker.mapList()->count(), 1);
        picker.addButton()->click();
        QCOMPARE(picker.catalogue().entries(), (std::vector<std::string>{lower, upper}));
    }

    // A path that Maps.ini cannot hold is refused rather than written as
    // something else.
    void pathWithoutGbkFormIsRefused()
    {
        fixture->writeMapsIni({imagePath("map-360x180.png")}, "0");
        const std::string path = fixture->decks.file("карта😀.png");
        std::filesystem::copy_file(imagePath("map-360x180.png"), path);
        CoordinatePicker& picker = fixture->openPicker();
        dialogs().chosenFiles.push_back(utf8(path));
        picker.addButton()->click();
        QCOMPARE(dialogs().messages.size(), std::size_t(1));
        QVERIFY(dialogs().messages[0].text.contains(QStringLiteral("GBK")));
        QCOMPARE(picker.mapList()->count(), 1);
    }

    void removingTheShownMap()
    {
        fixture->writeMapsIni({imagePath("map-720x360.png"), imagePath("map-360x180.png")}, "0");
        CoordinatePicker& picker = fixture->openPicker();
        dialogs().answers = {DialogService::Answer::Cancel, DialogService::Answer::Ok};
        picker.removeButton()->click();
        QCOMPARE(picker.mapList()->count(), 2);
        picker.removeButton()->click();
        QCOMPARE(dialogs().messages.size(), std::size_t(2));
        const auto& question = dialogs().messages[1];
        QCOMPARE(question.text, "确定从列表去移除“" + utf8(imagePath("map-720x360.png")) +
                                    "”？\r\n此移除操作不会删除文件。");
        QCOMPARE(question.icon, DialogService::Icon::Question);
        QCOMPARE(question.buttons, DialogService::Buttons::OkCancel);
        QCOMPARE(question.title, QStringLiteral("坐标选择器"));
        QCOMPARE(picker.catalogue().entries(), std::vector<std::string>{imagePath("map-360x180.png")});
        QCOMPARE(picker.mapList()->currentIndex(), -1);
        // The map stays on the canvas and the file on disk.
        QVERIFY(picker.canvas()->hasPicture());
        QCOMPARE(picker.geometry().width(), 720);
        QVERIFY(std::filesystem::exists(imagePath("map-720x360.png")));
        // Nothing selected: nothing to remove, nothing asked.
        picker.removeButton()->click();
        QCOMPARE(dialogs().messages.size(), std::size_t(2));

        fixture->closePicker();
        QCOMPARE(readFile(fixture->mapsIni()),
                 "[List]\r\n0=\"" + imagePath("map-360x180.png") + "\"\r\n[Select]\r\n0=-1\r\n");
        CoordinatePicker& again = fixture->openPicker();
        QVERIFY(!again.canvas()->hasPicture());
    }

    void hotKeyTwiceGivesOneWindow()
    {
        MainWindow& window = fixture->window();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window.grid(), Qt::Key_F1);
        CoordinatePicker* first = fixture->controller().picker();
        QVERIFY(first);
        QVERIFY(first->isVisible());
        QCOMPARE(first->windowTitle(), QStringLiteral("坐标选择器"));
        QCOMPARE(first->parentWidget(), &fixture->window());
        QVERIFY(first->isWindow());
        QVERIFY(!first->isModal());
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window.grid(), Qt::Key_F1);
        QCOMPARE(fixture->controller().picker(), first);
        first->showMinimized();
        window.action(MenuCommand::CoordinatePicker)->trigger();
        QCOMPARE(fixture->controller().picker(), first);
        QVERIFY(!first->isMinimized());
        QCOMPARE(window.findChildren<CoordinatePicker*>().size(), 1);
    }

    void firstLayout()
    {
        fixture->writeMapsIni({imagePath("map-360x180.png")}, "0");
        CoordinatePicker& picker = fixture->openPicker();
        const int hs = picker.statusBar()->height();
        QCOMPARE(picker.size(), QSize(580, hs + 225));
        const QRect main = fixture->window().frameGeometry();
        const QRect outer = picker.frameGeometry();
        QCOMPARE(outer.left(), main.left() + (main.width() - outer.width()) / 2);
        QCOMPARE(outer.top(), main.top() + (main.height() - outer.height()) / 2);

        QCOMPARE(picker.toolRow()->geometry(), QRect(0, 0, 380, 25));
        QCOMPARE(picker.mapList()->geometry(), QRect(40, 0, 200, 25));
        QCOMPARE(picker.addButton()->geometry(), QRect(240, 0, 25, 25));
        QCOMPARE(picker.removeButton()->geometry(), QRect(265, 0, 25, 25));
        QCOMPARE(picker.clearButton()->geometry(), QRect(296, 0, 48, 24));
        QCOMPARE(picker.verticalBar()->geometry(), QRect(360, 25, 20, 180));
        QCOMPARE(picker.horizontalBar()->geometry(), QRect(0, 205, 360, 20));
        QCOMPARE(picker.cornerFiller()->geometry(), QRect(360, 205, 20, 20));
        QCOMPARE(picker.columnPanel()->geometry(), QRect(380, 0, 180, 1080));
        QCOMPARE(picker.panelBar()->geometry(), QRect(560, 0, 20, 225));
        QCOMPARE(picker.canvas()->geometry(), QRect(0, 25, 360, 180));
        QCOMPARE(picker.statusBar()->geometry(), QRect(0, 225, 580, hs));
        QVERIFY(!picker.horizontalBar()->isEnabled());
        QVERIFY(!picker.verticalBar()->isEnabled());
        QVERIFY(picker.panelBar()->isEnabled());
        QCOMPARE(picker.panelBar()->maximum(), 855);
        QCOMPARE(picker.panelBar()->singleStep(), 24);
        QCOMPARE(picker.panelBar()->pageStep(), 48);
        QCOMPARE(picker.horizontalBar()->singleStep(), 10);
        QCOMPARE(picker.verticalBar()->pageStep(), 100);
        QCOMPARE(picker.canvas()->cursor().shape(), Qt::CrossCursor);
        QCOMPARE(picker.statusText(1), QStringLiteral("90.0N, 100.0E"));
        QCOMPARE(picker.statusText(2), QString());
    }

    // A bigger map scrolls; resizing keeps every part where the layout
    // puts it and the positions within the new maxima.
    void scrollingAndWheel()
    {
        fixture->writeMapsIni({imagePath("map-720x360.png")}, "0");
        CoordinatePicker& picker = fixture->openPicker();
        QCOMPARE(picker.horizontalBar()->maximum(), 360);
        QCOMPARE(picker.verticalBar()->maximum(), 180);
        QVERIFY(picker.horizontalBar()->isEnabled());

        auto wheel = [](QWidget* target, int delta, Qt::KeyboardModifiers keys) {
            QWheelEvent event(QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta),
                              Qt::NoButton, keys, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(target, &event);
        };
        wheel(picker.canvas(), -120, Qt::NoModifier);
        QCOMPARE(picker.verticalBar()->value(), 10);
        QCOMPARE(picker.canvas()->pos(), QPoint(0, 15));
        wheel(picker.canvas(), -240, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(picker.horizontalBar()->value(), 20);
        QCOMPARE(picker.canvas()->pos(), QPoint(-20, 15));
        wheel(picker.canvas(), 119, Qt::NoModifier); // less than a notch
        QCOMPARE(picker.verticalBar()->value(), 10);
        wheel(picker.canvas(), 360, Qt::NoModifier);
        QCOMPARE(picker.verticalBar()->value(), 0);

        wheel(picker.columnPanel()->box(3), -120, Qt::ControlModifier);
        QCOMPARE(picker.panelBar()->value(), 24);
        QCOMPARE(picker.columnPanel()->y(), -24);
        wheel(picker.columnPanel()->label(40), -120 * 100, {});
        QCOMPARE(picker.panelBar()->value(), 855);

        picker.horizontalBar()->setValue(300);
        QCOMPARE(picker.canvas()->x(), -300);
        picker.resize(800, 500);
        const int hs = picker.statusBar()->height();
        QCOMPARE(picker.horizontalBar()->maximum(), 720 - 800 + 220);
        QCOMPARE(picker.horizontalBar()->value(), 140);
        QCOMPARE(picker.canvas()->x(), -140);
        QCOMPARE(picker.verticalBar()->isEnabled(), false);
        QCOMPARE(picker.panelBar()->maximum(), 1080 - 500 + hs);
        QCOMPARE(picker.columnPanel()->geometry(), QRect(600, -(1080 - 500 + hs), 180, 1080));
        QCOMPARE(picker.verticalBar()->geometry(), QRect(580, 25, 20, 500 - 25 - hs - 20));
        QCOMPARE(picker.statusBar()->geometry(), QRect(0, 500 - hs, 800, hs));
        const PickerLayout expected = computePickerLayout(800, 500, hs, 720, 360, {140, 0, 1080 - 500 + hs});
        QCOMPARE(picker.horizontalBar()->geometry(), rectOf(expected.horizontalBar));
        QCOMPARE(picker.cornerFiller()->geometry(), rectOf(expected.cornerFiller));
        QCOMPARE(picker.panelBar()->geometry(), rectOf(expected.panelBar));
    }
};

QTEST_MAIN(PickerCatalogueTest)
#include "picker_catalogue_test.moc"
