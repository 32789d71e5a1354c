#pragma once

#include <QObject>

#include <array>

class QAction;
class QMainWindow;

namespace galewright {

// Every item of the main window's menu bar. The commands connect to
// action(...)->triggered; an item whose command is not there yet does
// nothing when chosen.
enum class MenuCommand {
    OpenDeck,
    SaveDeck,
    NewWindow,
    CloseDeck,
    InsertRowAbove,
    InsertRowBelow,
    AppendRow,
    DeleteSelectedRows,
    ClearSelectedCells,
    Copy,
    Paste,
    SelectAll,
    CoordinatePicker,
    CheckErrors,
    SaveColumnWidths,
};
inline constexpr int kMenuCommandCount = static_cast<int>(MenuCommand::SaveColumnWidths) + 1;

// Builds the menu bar with its captions and access keys, and binds the five
// hot keys to the window (not to the menu items, whose captions already name
// their keys): Ctrl+O, Ctrl+S, Ctrl+N, Ins (without modifiers, so Ctrl+Ins
// and Shift+Ins still reach the grid) and F1.
class MainMenu : public QObject {
    Q_OBJECT
public:
    explicit MainMenu(QMainWindow& window);

    QAction* action(MenuCommand command) const { return actions_[static_cast<std::size_t>(command)]; }

private:
    std::array<QAction*, kMenuCommandCount> actions_{};
};

} // namespace galewright
