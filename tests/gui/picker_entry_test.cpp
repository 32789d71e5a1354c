// Picking and entry in the coordinate picker, driven through the real main
// window: double clicks on the map and on the status bar write columns 7
// and 8 of the cursor row, the pending pick and the left-button flag, the
// column panel following the table's cursor and writing typed text into
// it, and the marks on the map.

#include "columnpanel.h"
#include "deckgrid.h"
#include "pickerstatusbar.h"
#include "pickertestsupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace galewright;
using namespace galewright::test;

namespace {

// Rows 1 to 4; on a 360 x 180 map row r lies at (lon / 10, 90 - lat / 10).
const std::string kDeck =
    deckLine("120N", "1514E") + deckLine("125N", "1500E") + deckLine("130N", "1490E") + deckLine("135N", "1480E");
const QPoint kRow3(149, 77);
const QPoint kRow4(148, 76);

const std::string kMethodSet = "[7]\r\nType=" + gbk("纬度") + "\r\nError=x\r\nText=" + gbk("如 120N") + "\r\n";

// Mouse events sent straight to the widget: QTest takes the pixel (0, 0)
// for "the middle", and moves without a button through the platform.
void sendMouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton,
               Qt::MouseButtons held = Qt::NoButton)
{
    QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}
void press(QWidget* target, QPoint at) { sendMouse(target, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton); }
void release(QWidget* target, QPoint at) { sendMouse(target, QEvent::MouseButtonRelease, at); }
void doubleClick(QWidget* target, QPoint at)
{
    sendMouse(target, QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
}
void move(QWidget* target, QPoint at, Qt::MouseButtons held = Qt::NoButton)
{
    sendMouse(target, QEvent::MouseMove, at, Qt::NoButton, held);
}

} // namespace

class PickerEntryTest : public QObject {
    Q_OBJECT

    std::unique_ptr<PickerFixture> fixture;
    CoordinatePicker* picker = nullptr;

    MainWindow& window() { return fixture->window(); }
    std::string cell(int row, int column) { return window().document().table().cellText(row, column); }
    QRgb pixel(QPoint at) { return picker->canvas()->image().pixel(at); }
    const PickState& state() { return fixture->controller().pickState(); }

private slots:
    void init()
    {
        fixture = std::make_unique<PickerFixture>(kDeck);
        writeFile(fixture->editor->settings.path() / "Method.set", kMethodSet);
        fixture->writeMapsIni({imagePath("map-360x180.png")}, "0");
        fixture->start();
        window().grid().setCursorCell(3, 2);
        picker = &fixture->openPicker();
    }
    void cleanup()
    {
        picker = nullptr;
        fixture.reset();
    }

    void doubleClickOnTheMap_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QString>("latitude");
        QTest::addColumn<QString>("longitude");
        QTest::newRow("east of the Philippines") << QPoint(120, 66) << "240N" << "1200E";
        QTest::newRow("top left corner") << QPoint(0, 0) << "900N" << "0E";
        QTest::newRow("middle") << QPoint(180, 90) << "0N" << "1800E";
        QTest::newRow("south west") << QPoint(200, 100) << "100S" << "1600W";
    }
    void doubleClickOnTheMap()
    {
        QFETCH(QPoint, at);
        QFETCH(QString, latitude);
        QFETCH(QString, longitude);
        // The cursor is in column 2; the pick goes to 7 and 8 all the same.
        doubleClick(picker->canvas(), at);
        QCOMPARE(cell(3, 7), latitude.toStdString());
        QCOMPARE(cell(3, 8), longitude.toStdString());
        QCOMPARE(cell(3, 2), std::string("11"));
        QCOMPARE(picker->columnPanel()->boxText(7), latitude);
        QCOMPARE(picker->columnPanel()->boxText(8), longitude);
        QCOMPARE(picker->statusText(2), QStringLiteral("已输入。"));
        QCOMPARE(pixel(at), kEnteredMark);
        QCOMPARE(state().pendingPick, QPoint(0, 0));
        QCOMPARE(window().grid().cursorRow(), 3);
    }

    void statusBarDoubleClick_data()
    {
        QTest::addColumn<QPoint>("pressAt"); // (-1, -1): no press
        QTest::addColumn<bool>("leftRelease");
        QTest::addColumn<bool>("rightClick");
        QTest::addColumn<QString>("latitude");
        QTest::addColumn<QString>("longitude");
        QTest::addColumn<QString>("message");
        const QString row3Latitude = "130N";
        const QString row3Longitude = "1490E";
        QTest::newRow("pending pick") << QPoint(200, 100) << true << false << "100S" << "1600W" << "已输入。";
        QTest::newRow("nothing pending") << QPoint(-1, -1) << true << false << row3Latitude << row3Longitude << "";
        QTest::newRow("cancelled by the right button")
            << QPoint(200, 100) << true << true << row3Latitude << row3Longitude << "取消选择。";
        QTest::newRow("pressed at the corner") << QPoint(0, 0) << true << false << row3Latitude << row3Longitude
                                               << "双击地图或状态条输入90.0N, 0.0E。";
        QTest::newRow("button still held") << QPoint(200, 100) << false << false << row3Latitude << row3Longitude
                                           << "双击地图或状态条输入10.0S, 160.0W。";
    }
    void statusBarDoubleClick()
    {
        QFETCH(QPoint, pressAt);
        QFETCH(bool, leftRelease);
        QFETCH(bool, rightClick);
        QFETCH(QString, latitude);
        QFETCH(QString, longitude);
        QFETCH(QString, message);
        if (pressAt.x() >= 0) {
            press(picker->canvas(), pressAt);
            QCOMPARE(pixel(pressAt), kPendingMark);
            QCOMPARE(state().pendingPick, pressAt);
            if (leftRelease)
                release(picker->canvas(), pressAt);
            QCOMPARE(state().leftPressed, !leftRelease);
        }
        if (rightClick)
            sendMouse(picker->canvas(), QEvent::MouseButtonRelease, QPoint(5, 5), Qt::RightButton);
        QTest::mouseDClick(picker->statusBar(), Qt::LeftButton);
        QCOMPARE(cell(3, 7), latitude.toStdString());
        QCOMPARE(cell(3, 8), longitude.toStdString());
        QCOMPARE(picker->statusText(2), message);
        if (!leftRelease)
            release(picker->canvas(), pressAt);
    }

    // A drag moves the pending pick and leaves a trail; the pick outlives
    // the window and is entered from the next one.
    void dragThenEnterFromTheNextWindow()
    {
        press(picker->canvas(), QPoint(10, 10));
        move(picker->canvas(), QPoint(20, 30), Qt::LeftButton);
        release(picker->canvas(), QPoint(20, 30));
        QCOMPARE(state().pendingPick, QPoint(20, 30));
        QCOMPARE(pixel(QPoint(10, 10)), kPendingMark);
        QCOMPARE(pixel(QPoint(20, 30)), kPendingMark);
        QCOMPARE(picker->statusText(1), QStringLiteral("60.0N, 20.0E"));
        QCOMPARE(picker->statusText(2), QStringLiteral("双击地图或状态条输入60.0N, 20.0E。"));

        fixture->closePicker();
        picker = &fixture->openPicker();
        QCOMPARE(picker->statusText(2), QString());
        QTest::mouseDClick(picker->statusBar(), Qt::LeftButton, {}, QPoint(300, 5));
        QCOMPARE(cell(3, 7), std::string("600N"));
        QCOMPARE(cell(3, 8), std::string("200E"));
        QCOMPARE(state().pendingPick, QPoint(0, 0));
    }

    void movingReadsOutThePosition()
    {
        move(picker->canvas(), QPoint(240, 66));
        QCOMPARE(picker->statusText(1), QStringLiteral("24.0N, 120.0W"));
        QCOMPARE(state().pendingPick, QPoint(0, 0));
    }

    void typingInABoxChangesTheCell()
    {
        window().grid().setCursorCell(2, 1);
        QLineEdit* box = picker->columnPanel()->box(5);
        QCOMPARE(box->text(), QStringLiteral("BEST"));
        box->setFocus();
        box->end(false);
        QTest::keyClicks(box, "X");
        QCOMPARE(cell(2, 5), std::string("BESTX"));
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(cell(2, 5), std::string("BEST"));
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QCOMPARE(cell(2, 5), std::string());
        // Chinese text is stored as GBK.
        box->insert(QStringLiteral("最佳"));
        QCOMPARE(cell(2, 5), gbk("最佳"));
        // Other rows are left alone.
        QCOMPARE(cell(3, 5), std::string("BEST"));
    }

    void textWithoutGbkFormIsRefused()
    {
        QLineEdit* box = picker->columnPanel()->box(8);
        box->setFocus();
        box->end(false);
        box->insert(QStringLiteral("€"));
        QCOMPARE(cell(3, 8), std::string("1490E"));
        QCOMPARE(box->text(), QStringLiteral("1490E"));
        QTRY_COMPARE(fixture->dialogs().messages.size(), std::size_t(1));
        const auto& shown = fixture->dialogs().messages[0];
        QCOMPARE(shown.text, QStringLiteral("第3行第8列：“€”不是GBK字符，单元格无法保存它，保留了原来的内容。"));
        QCOMPARE(shown.title, QStringLiteral("坐标选择器"));
        QCOMPARE(shown.owner, picker);
        // Typing goes on from where it was.
        QTest::keyClicks(box, "0");
        QCOMPARE(cell(3, 8), std::string("1490E0"));
    }

    void focusShowsTheColumnDescription()
    {
        QCOMPARE(picker->columnPanel()->label(7)->text(), QStringLiteral("纬度"));
        QCOMPARE(picker->columnPanel()->label(8)->text(), QString());
        picker->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(picker));
        picker->columnPanel()->box(7)->setFocus();
        QTRY_COMPARE(picker->statusText(2), QStringLiteral("纬度：如 120N"));
        picker->columnPanel()->box(8)->setFocus();
        QTRY_COMPARE(picker->statusText(2), QStringLiteral("："));
    }

    void panelFollowsTheCursorAndMarksStayUntilCleared()
    {
        const QRgb bare = qRgb(40, 90, 150); // the test map's one colour
        QCOMPARE(picker->columnPanel()->boxText(7), QStringLiteral("130N"));
        QCOMPARE(picker->columnPanel()->boxText(3), QStringLiteral("2014072712"));
        QCOMPARE(pixel(QPoint(151, 78)), kTrackMark); // row 1
        QCOMPARE(pixel(kRow3), kRowMark);

        window().grid().setCursorCell(4, 9);
        QCOMPARE(picker->columnPanel()->boxText(7), QStringLiteral("135N"));
        QCOMPARE(picker->columnPanel()->boxText(8), QStringLiteral("1480E"));
        QCOMPARE(picker->columnPanel()->boxText(9), QStringLiteral("35"));
        QCOMPARE(picker->columnPanel()->boxText(10), QString());
        QCOMPARE(pixel(kRow4), kRowMark);
        QCOMPARE(pixel(kRow3), kRowMark);

        // Row 4 moves to the pick; its old place keeps its marks until
        // they are cleared, and the track is drawn anew.
        doubleClick(picker->canvas(), QPoint(10, 10));
        QCOMPARE(cell(4, 7), std::string("800N"));
        QCOMPARE(pixel(QPoint(10, 10)), kEnteredMark);
        picker->clearButton()->click();
        QCOMPARE(pixel(kRow4), bare);
        QCOMPARE(pixel(QPoint(10, 10)), kTrackMark);
        QCOMPARE(pixel(kRow3), kTrackMark);
        QCOMPARE(pixel(QPoint(300, 170)), bare);
    }

    // Without a cursor row the boxes are empty and a pick stays in them.
    void withoutACursorRowNothingIsWritten()
    {
        window().closeDeckCommand();
        QCOMPARE(window().grid().cursorRow(), -1);
        window().refreshStatusBar();
        QCOMPARE(picker->columnPanel()->boxText(7), QString());
        QCOMPARE(picker->columnPanel()->boxText(1), QString());
        doubleClick(picker->canvas(), QPoint(120, 66));
        QCOMPARE(picker->columnPanel()->boxText(7), QStringLiteral("240N"));
        QCOMPARE(window().document().rowCount(), 1);
    }

    // A pick whose texts the boxes hold already still reaches the cell,
    // which may have been edited in the grid since.
    void repeatedPickAfterAGridEdit()
    {
        doubleClick(picker->canvas(), QPoint(120, 66));
        window().document().setCellText(3, 7, "1N");
        doubleClick(picker->canvas(), QPoint(120, 66));
        QCOMPARE(cell(3, 7), std::string("240N"));
    }
};

QTEST_MAIN(PickerEntryTest)
#include "picker_entry_test.moc"
