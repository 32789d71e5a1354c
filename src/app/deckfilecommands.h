#pragma once

#include "dialogservice.h"

#include <string>

class QWidget;

namespace galewright {

class ColumnConfig;
class DeckGrid;
class GridPresenter;

// Opening, saving and closing the deck of the main window, and the state
// they share: the path of the open deck and the file dialog's file name
// (the proposal of the next open or save). Paths are local 8-bit bytes.
class DeckFileCommands {
public:
    static const QString kDeckFilter;
    static const QString kAllFilesFilter;
    static const QString kDefaultSuffix;

    DeckFileCommands(QWidget& window, DeckGrid& grid, GridPresenter& presenter, const ColumnConfig& config,
                     DialogService& dialogs);

    // Replaces the table with the records of the file; never reports an
    // error (a file that cannot be read leaves an empty table).
    void loadDeck(const std::string& path);
    void saveDeck();
    void openDeckCommand();
    void closeDeckCommand();

    const std::string& currentDeckPath() const { return currentDeckPath_; }
    const std::string& fileDialogName() const { return fileDialogName_; }

private:
    DialogService::FileRequest fileRequest() const;
    void setCaption(const std::string& path, bool loading = false);

    QWidget& window_;
    DeckGrid& grid_;
    GridPresenter& presenter_;
    const ColumnConfig& config_;
    DialogService& dialogs_;
    std::string currentDeckPath_;
    std::string fileDialogName_;
};

} // namespace galewright
