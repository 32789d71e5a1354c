#include "deckfilecommands.h"

#include "columnconfig.h"
#include "deckgrid.h"
#include "deckwriter.h"
#include "gridpresenter.h"
#include "wholefile.h"

#include <QFile>
#include <QWidget>

namespace galewright {

namespace {

constexpr int kLastPaddedColumn = 35;
const QString kCaption = QStringLiteral("Galewright");

QString pathText(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

} // namespace

const QString DeckFileCommands::kDeckFilter =
    QStringLiteral("ATCF decks文件（*.dat;*.txt;*.fst;*.com） (*.dat *.txt *.fst *.com)");
const QString DeckFileCommands::kAllFilesFilter = QStringLiteral("所有文件 (*)");
const QString DeckFileCommands::kDefaultSuffix = QStringLiteral("dat");

DeckFileCommands::DeckFileCommands(QWidget& window, DeckGrid& grid, GridPresenter& presenter,
                                   const ColumnConfig& config, DialogService& dialogs)
    : window_(window), grid_(grid), presenter_(presenter), config_(config), dialogs_(dialogs)
{
}

void DeckFileCommands::setCaption(const std::string& path, bool loading)
{
    window_.setWindowTitle((loading ? QStringLiteral("(正在载入 ..) ") : QString()) + pathText(path) +
                           QStringLiteral(" - ") + kCaption);
}

DialogService::FileRequest DeckFileCommands::fileRequest() const
{
    return {pathText(fileDialogName_), {kDeckFilter, kAllFilesFilter}, kDefaultSuffix};
}

void DeckFileCommands::loadDeck(const std::string& path)
{
    grid_.finishEditing();
    // Hidden while the rows change, so nothing repaints per row.
    grid_.hide();
    setCaption(path, true);
    currentDeckPath_ = path;
    fileDialogName_ = path;
    grid_.document().loadText(bytesToText(readWholeFile(path)));

    const int lastRow = grid_.rowCount() - 1;
    const int lastColumn = grid_.columnCount() - 1;
    grid_.setRangeAlignment({1, 1, lastRow, kLastPaddedColumn}, CellAlignment::Right);
    grid_.setRangeAlignment({1, kLastPaddedColumn + 1, lastRow, lastColumn}, CellAlignment::Left);
    if (lastRow >= 1) {
        grid_.setCursorCell(1, 1);
        grid_.selectCells(1, 1);
    }
    setCaption(path);
    presenter_.applyGridPresentation();
    grid_.show();
    presenter_.refreshStatusBar();
    grid_.setFocus();
}

void DeckFileCommands::saveDeck()
{
    grid_.finishEditing();
    const auto chosen = dialogs_.saveFileName(&window_, fileRequest());
    if (!chosen)
        return;
    fileDialogName_ = QFile::encodeName(*chosen).toStdString();
    if (writeDeck(fileDialogName_, grid_.document().table(), config_)) {
        currentDeckPath_ = fileDialogName_;
        setCaption(currentDeckPath_);
        return;
    }
    dialogs_.showMessage(&window_, QStringLiteral("保存失败！"), QStringLiteral("保存"), DialogService::Icon::Error,
                         DialogService::Buttons::Ok);
}

void DeckFileCommands::openDeckCommand()
{
    const auto chosen = dialogs_.openFileName(&window_, fileRequest());
    if (!chosen)
        return;
    fileDialogName_ = QFile::encodeName(*chosen).toStdString();
    loadDeck(fileDialogName_);
}

void DeckFileCommands::closeDeckCommand()
{
    // The dialog keeps its file name, so the next save proposes the closed
    // file's path.
    grid_.document().deleteAllDataRows();
    currentDeckPath_.clear();
    window_.setWindowTitle(kCaption);
}

} // namespace galewright
