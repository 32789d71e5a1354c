#pragma once

#include "checkcontroller.h"
#include "columnconfig.h"
#include "columnsettingscommands.h"
#include "deckdocument.h"
#include "deckfilecommands.h"
#include "editcommands.h"
#include "mainmenu.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace galewright {

class DeckGrid;
class DialogService;
class GridPresenter;
class PickerController;
class ProcessStarter;
class StatusPanel;

// The editor's one window: the grid over the open deck, the status bar,
// the menu bar and the file commands. A further window is a further
// process, started through the ProcessStarter.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    struct Setup {
        std::string settingsDirectory;      // Width.set, Byte.set, Method.set
        std::string executablePath;         // started again for new windows
        std::vector<std::string> arguments; // deck paths from the command line
        DialogService* dialogs = nullptr;
        ProcessStarter* processes = nullptr;
    };

    explicit MainWindow(const Setup& setup, QWidget* parent = nullptr);
    ~MainWindow() override;

    DeckDocument& document() { return document_; }
    DeckGrid& grid() const { return *grid_; }
    StatusPanel& statusPanel() const { return *status_; }
    GridPresenter& presenter() const { return *presenter_; }
    ColumnConfig& columnConfig() { return config_; }
    DialogService& dialogs() const { return dialogs_; }
    EditCommands& editCommands() const { return *edit_; }
    QAction* action(MenuCommand command) const { return menu_->action(command); }
    QString statusText(int part) const;

    void loadDeck(const std::string& path) { files_->loadDeck(path); }
    void saveDeck() { files_->saveDeck(); }
    void openDeckCommand() { files_->openDeckCommand(); }
    void closeDeckCommand() { files_->closeDeckCommand(); }
    void newWindowCommand();
    void readColumnSettings() { columns_->readColumnSettings(); }
    void saveColumnWidths() { columns_->saveColumnWidths(); }
    void checkErrors() { check_->checkErrors(); }
    void openCoordinatePicker();
    PickerController& pickerController() const { return *picker_; }
    void applyGridPresentation();
    void refreshStatusBar();
    void runBulkChange(const std::function<void()>& change, const std::function<void()>& placeCursor);
    const std::string& currentDeckPath() const { return files_->currentDeckPath(); }
    const std::string& fileDialogName() const { return files_->fileDialogName(); }

    // The command line's files: the first here, each further one in a new
    // process; then the presentation. Runs once, on first activation.
    void handleCommandLine();
    bool commandLineHandled() const { return commandLineHandled_; }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void connectCommands();
    void refuseTypedText(int row, int column, const QString& text);
    void connectCoordinatePicker();

    DialogService& dialogs_;
    ProcessStarter& processes_;
    std::string executablePath_;
    std::vector<std::string> arguments_;
    ColumnConfig config_;
    DeckDocument document_;
    DeckGrid* grid_;
    StatusPanel* status_;
    GridPresenter* presenter_;
    MainMenu* menu_;
    std::unique_ptr<DeckFileCommands> files_;
    std::unique_ptr<ColumnSettingsCommands> columns_;
    std::unique_ptr<CheckController> check_;
    std::unique_ptr<EditCommands> edit_;
    bool activated_ = false;
    bool commandLineHandled_ = false;
    // Last, so that the picker (which reads the document) goes first.
    std::unique_ptr<PickerController> picker_;
};

} // namespace galewright
