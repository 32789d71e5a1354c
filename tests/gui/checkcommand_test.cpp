// The check command in the window: cursor moves the status bar follows, red
// marks (never for a failing column 19 cell), the warning boxes answered OK
// or Cancel, the summary, and a second run clearing the marks.

#include "deckgrid.h"
#include "editortestsupport.h"

using namespace galewright;
using namespace galewright::test;

namespace {

const QString kGoOnOrStop = QStringLiteral("\r\n按【确认】继续检查；按【取消】退出检查。");
const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);

// Row 2: column 1 too long and no basin code; row 3: column 19 not digits.
const std::string kDeck = "WP,11,2014072718,,BEST,0,120N,1514E\n"
                          "WPX,11,2014072718,,BEST,0,120N,1514E\n"
                          "WP,11,2014072718,,BEST,0,120N,1514E" + std::string(11, ',') + "-1\n";

const std::string kMethodSet = "[1]\nType=" + gbk("洋区") + "\nError=" + gbk("代码错误") + "\nText=" + gbk("如WP") +
                               "\n[19]\nType=T19\nError=E19\nText=H19\n";

QString lengthMessage(int row, int column, int length, const QString& limit)
{
    return QStringLiteral("错误：内容长度超过限制！\r\n行：%1，列：%2\r\n内容长度：%3；长度限制：%4")
               .arg(row)
               .arg(column)
               .arg(length)
               .arg(limit) +
           kGoOnOrStop;
}

QString ruleMessage(int row, int column, const QString& text, const QString& type, const QString& error,
                    const QString& help)
{
    return QStringLiteral("错误：%1%2\r\n行：%3，列：%4\r\n内容：%5\r\n参考内容：%6\r\n帮助请参照 "
                          "Western_North_Pacific_Best_Track_Data_Format.html 。")
               .arg(type, error)
               .arg(row)
               .arg(column)
               .arg(text, help) +
           kGoOnOrStop;
}

} // namespace

class CheckCommandTest : public QObject {
    Q_OBJECT

    std::unique_ptr<EditorFixture> fixture;
    MainWindow* window = nullptr;
    QStringList statusWhileShown;

private slots:
    void init()
    {
        fixture = std::make_unique<EditorFixture>();
        writeFile(fixture->settings.path() / "Method.set", kMethodSet);
        const std::string path = fixture->files.file("errors.dat");
        writeFile(path, kDeck);
        window = &fixture->start();
        window->loadDeck(path);
        statusWhileShown.clear();
        fixture->dialogs.whileShown = [this](const FakeDialogService::Message&) {
            statusWhileShown << window->statusText(1);
        };
    }
    void cleanup() { fixture.reset(); }

    void everyErrorAnsweredOk()
    {
        window->action(MenuCommand::CheckErrors)->trigger();
        const auto& boxes = fixture->dialogs.messages;
        QCOMPARE(boxes.size(), std::size_t(4));
        QCOMPARE(boxes[0].text, lengthMessage(2, 1, 3, "2"));
        QCOMPARE(boxes[1].text, ruleMessage(2, 1, "WPX", "洋区", "代码错误", "如WP"));
        QCOMPARE(boxes[2].text, ruleMessage(3, 19, "-1", "T19", "E19", "H19"));
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(boxes[i].title, QStringLiteral("检查错误"));
            QCOMPARE(boxes[i].icon, DialogService::Icon::Warning);
            QCOMPARE(boxes[i].buttons, DialogService::Buttons::OkCancel);
            QCOMPARE(boxes[i].owner, window);
        }
        QCOMPARE(boxes[3].text, QStringLiteral("检查完成。\r\n共发现了3个错误。"));
        QCOMPARE(boxes[3].title, QStringLiteral("检查错误"));
        QCOMPARE(boxes[3].icon, DialogService::Icon::Information);
        QCOMPARE(boxes[3].buttons, DialogService::Buttons::Ok);

        // The status bar followed the cursor to each reported cell.
        QCOMPARE(statusWhileShown, (QStringList{"单元格：2,1", "单元格：2,1", "单元格：3,19", "单元格：3,19"}));
        QCOMPARE(window->grid().cursorRow(), 3);
        QCOMPARE(window->grid().cursorColumn(), 19);

        const GridPresentation& look = window->grid().presentation();
        QCOMPARE(look.textColour(2, 1), kRed);
        QCOMPARE(look.textColour(3, 19), kBlack); // reported, never marked
        QCOMPARE(look.textColour(1, 1), kBlack);
        QCOMPARE(look.textColour(0, 0), kBlack);
    }

    void cancelStopsAtOnce()
    {
        fixture->dialogs.answers = {DialogService::Answer::Cancel};
        window->checkErrors();
        QCOMPARE(fixture->dialogs.messages.size(), std::size_t(1));
        QCOMPARE(fixture->dialogs.messages[0].text, lengthMessage(2, 1, 3, "2"));
        QCOMPARE(window->grid().presentation().textColour(2, 1), kRed);
        QCOMPARE(window->grid().cursorRow(), 2);
        QCOMPARE(window->grid().cursorColumn(), 1);
        QCOMPARE(window->statusText(1), QStringLiteral("单元格：2,1"));
    }

    void cancelInTheRulePass()
    {
        fixture->dialogs.answers = {DialogService::Answer::Ok, DialogService::Answer::Ok,
                                    DialogService::Answer::Cancel};
        window->checkErrors();
        QCOMPARE(fixture->dialogs.messages.size(), std::size_t(3)); // no summary
        QCOMPARE(window->grid().cursorColumn(), 19);
    }

    void secondRunClearsOldMarks()
    {
        window->checkErrors();
        window->document().setCellText(2, 1, "WP");
        fixture->dialogs.messages.clear();
        window->checkErrors();
        const auto& boxes = fixture->dialogs.messages;
        QCOMPARE(boxes.size(), std::size_t(2));
        QCOMPARE(boxes[1].text, QStringLiteral("检查完成。\r\n共发现了1个错误。"));
        QCOMPARE(window->grid().presentation().textColour(2, 1), kBlack);
    }

    void emptyTable()
    {
        window->closeDeckCommand();
        window->checkErrors();
        QCOMPARE(fixture->dialogs.messages.size(), std::size_t(1));
        QCOMPARE(fixture->dialogs.messages[0].text, QStringLiteral("检查完成。\r\n没有发现致命错误。"));
        QCOMPARE(window->grid().cursorRow(), -1);
    }
};

QTEST_MAIN(CheckCommandTest)
#include "checkcommand_test.moc"
