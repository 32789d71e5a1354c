#include "mainmenu.h"

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

namespace galewright {

MainMenu::MainMenu(QMainWindow& window) : QObject(&window)
{
    QMenuBar* bar = window.menuBar();
    auto add = [this](QMenu* menu, MenuCommand command, const QString& caption) {
        actions_[static_cast<std::size_t>(command)] = menu->addAction(caption);
    };

    QMenu* file = bar->addMenu(QStringLiteral("&F.文件"));
    add(file, MenuCommand::OpenDeck, QStringLiteral("&O.打开文件（Ctrl+O）"));
    add(file, MenuCommand::SaveDeck, QStringLiteral("&S.保存文件（Ctrl+S）"));
    add(file, MenuCommand::NewWindow, QStringLiteral("&N.新建窗口（Ctrl+N）"));
    add(file, MenuCommand::CloseDeck, QStringLiteral("&C.关闭当前文件"));

    QMenu* edit = bar->addMenu(QStringLiteral("&R.编辑"));
    QMenu* insert = edit->addMenu(QStringLiteral("&I.插入行"));
    add(insert, MenuCommand::InsertRowAbove, QStringLiteral("&U.当前位置向上"));
    add(insert, MenuCommand::InsertRowBelow, QStringLiteral("&D.当前位置向下（Ins）"));
    add(insert, MenuCommand::AppendRow, QStringLiteral("&E.表格底部"));
    QMenu* remove = edit->addMenu(QStringLiteral("&D.删除"));
    add(remove, MenuCommand::DeleteSelectedRows, QStringLiteral("&S.选中行"));
    add(remove, MenuCommand::ClearSelectedCells, QStringLiteral("&A.清除选中区域的数据（Del）"));
    add(edit, MenuCommand::Copy, QStringLiteral("&C.复制（Ctrl+C）"));
    add(edit, MenuCommand::Paste, QStringLiteral("&V.粘贴（Ctrl+V）"));
    add(edit, MenuCommand::SelectAll, QStringLiteral("&A.全选（Ctrl+A）"));

    QMenu* tools = bar->addMenu(QStringLiteral("&T.工具"));
    add(tools, MenuCommand::CoordinatePicker, QStringLiteral("&P.坐标选择器（F1）"));
    add(tools, MenuCommand::CheckErrors, QStringLiteral("&C.检查错误"));
    tools->addSeparator();
    add(tools, MenuCommand::SaveColumnWidths, QStringLiteral("&S.保存列宽"));

    const std::pair<QKeySequence, MenuCommand> hotKeys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_O), MenuCommand::OpenDeck},
        {QKeySequence(Qt::CTRL | Qt::Key_S), MenuCommand::SaveDeck},
        {QKeySequence(Qt::CTRL | Qt::Key_N), MenuCommand::NewWindow},
        {QKeySequence(Qt::Key_Insert), MenuCommand::InsertRowBelow},
        {QKeySequence(Qt::Key_F1), MenuCommand::CoordinatePicker},
    };
    for (const auto& [keys, command] : hotKeys) {
        auto* shortcut = new QShortcut(keys, &window);
        shortcut->setContext(Qt::WindowShortcut);
        QAction* target = action(command);
        connect(shortcut, &QShortcut::activated, target, &QAction::trigger);
    }
}

} // namespace galewright
