#include "mainwindow.h"

#include "deckgrid.h"
#include "decktablemodel.h"
#include "dialogservice.h"
#include "gbkcodec.h"
#include "gridpresenter.h"
#include "pickercontroller.h"
#include "processstarter.h"
#include "statuspanel.h"

#include <QAction>
#include <QCloseEvent>
#include <QEvent>

namespace galewright {

namespace {

// The first character of the text that GBK has no code for.
QString firstUnencodable(QStringView text)
{
    return QString::fromStdString(GbkCodec::firstUnencodable(text.toUtf8().toStdString()));
}

constexpr int kDesignX = 50;
constexpr int kDesignY = 50;
constexpr int kDesignWidth = 640;
constexpr int kDesignHeight = 480;

} // namespace

MainWindow::MainWindow(const Setup& setup, QWidget* parent)
    : QMainWindow(parent), dialogs_(*setup.dialogs), processes_(*setup.processes),
      executablePath_(setup.executablePath), arguments_(setup.arguments), config_(setup.settingsDirectory),
      grid_(new DeckGrid(document_, this)), status_(new StatusPanel(this)),
      presenter_(new GridPresenter(*grid_, *status_, config_, this)), menu_(new MainMenu(*this)),
      files_(std::make_unique<DeckFileCommands>(*this, *grid_, *presenter_, config_, dialogs_)),
      columns_(std::make_unique<ColumnSettingsCommands>(*grid_, config_, dialogs_)),
      check_(std::make_unique<CheckController>(*this, *grid_, *presenter_, config_, dialogs_)),
      edit_(std::make_unique<EditCommands>(*this, *grid_, *presenter_, dialogs_))
{
    setWindowTitle(QStringLiteral("Galewright"));
    // The grid fills the client area above the status bar at every size.
    setCentralWidget(grid_);
    setStatusBar(status_);
    resize(kDesignWidth, kDesignHeight);
    move(kDesignX, kDesignY);
    connectCommands();
    connectCoordinatePicker();
    // As soon as the controls exist, before any command can run.
    readColumnSettings();
}

MainWindow::~MainWindow()
{
    // The grid shows the document, which as a member goes before the
    // window's children would.
    delete grid_;
    grid_ = nullptr;
}

void MainWindow::connectCommands()
{
    auto bind = [this](MenuCommand command, void (MainWindow::*handler)()) {
        connect(action(command), &QAction::triggered, this, handler);
    };
    bind(MenuCommand::OpenDeck, &MainWindow::openDeckCommand);
    bind(MenuCommand::SaveDeck, &MainWindow::saveDeck);
    bind(MenuCommand::NewWindow, &MainWindow::newWindowCommand);
    bind(MenuCommand::CloseDeck, &MainWindow::closeDeckCommand);
    bind(MenuCommand::CheckErrors, &MainWindow::checkErrors);
    bind(MenuCommand::SaveColumnWidths, &MainWindow::saveColumnWidths);
    const std::pair<MenuCommand, void (EditCommands::*)()> editItems[] = {
        {MenuCommand::InsertRowAbove, &EditCommands::insertRowAbove},
        {MenuCommand::InsertRowBelow, &EditCommands::insertRowBelow},
        {MenuCommand::AppendRow, &EditCommands::appendRow},
        {MenuCommand::DeleteSelectedRows, &EditCommands::deleteSelectedRows},
        {MenuCommand::ClearSelectedCells, &EditCommands::clearSelectedCells},
        {MenuCommand::Copy, &EditCommands::copyCells},
        {MenuCommand::Paste, &EditCommands::pasteCells},
        {MenuCommand::SelectAll, &EditCommands::selectAllCells},
    };
    for (const auto& [command, handler] : editItems)
        connect(action(command), &QAction::triggered, edit_.get(), handler);
    // The box is shown after the editor has closed, not from inside it.
    connect(&grid_->tableModel(), &DeckTableModel::editRefused, this, &MainWindow::refuseTypedText,
            Qt::QueuedConnection);
}

QString MainWindow::statusText(int part) const { return status_->partText(part); }

void MainWindow::applyGridPresentation() { presenter_->applyGridPresentation(); }

void MainWindow::refreshStatusBar() { presenter_->refreshStatusBar(); }

void MainWindow::runBulkChange(const std::function<void()>& change, const std::function<void()>& placeCursor)
{
    presenter_->runBulkChange(change, placeCursor);
}

void MainWindow::newWindowCommand() { processes_.startProcess(executablePath_, {}); }

bool MainWindow::event(QEvent* event)
{
    // The command line runs once the window is up: on its first activation,
    // or after its first showing where nothing activates it (an X server
    // without a window manager). Queued, so it runs as a command of its own
    // and not inside the event handler.
    const bool up = event->type() == QEvent::WindowActivate || event->type() == QEvent::Show;
    if (up && !activated_) {
        activated_ = true;
        QMetaObject::invokeMethod(this, &MainWindow::handleCommandLine, Qt::QueuedConnection);
    }
    return QMainWindow::event(event);
}

void MainWindow::handleCommandLine()
{
    if (commandLineHandled_)
        return;
    commandLineHandled_ = true;
    if (!arguments_.empty())
        loadDeck(arguments_.front());
    for (std::size_t i = 1; i < arguments_.size(); ++i)
        processes_.startProcess(executablePath_, {arguments_[i]});
    applyGridPresentation();
}

void MainWindow::refuseTypedText(int row, int column, const QString& text)
{
    dialogs_.showMessage(this,
                         QStringLiteral("第%1行第%2列：“%3”不是GBK字符，单元格无法保存它，保留了原来的内容。")
                             .arg(row)
                             .arg(column)
                             .arg(firstUnencodable(text)),
                         QStringLiteral("编辑"), DialogService::Icon::Warning, DialogService::Buttons::Ok);
}

void MainWindow::connectCoordinatePicker()
{
    PickerController::Setup setup;
    setup.owner = this;
    setup.document = &document_;
    setup.cursorRow = [this] { return grid_ ? grid_->cursorRow() : -1; };
    setup.config = &config_;
    setup.dialogs = &dialogs_;
    picker_ = std::make_unique<PickerController>(std::move(setup));
    connect(action(MenuCommand::CoordinatePicker), &QAction::triggered, this, &MainWindow::openCoordinatePicker);
    // Every status refresh names the cursor row first; the open picker
    // shows it.
    connect(presenter_, &GridPresenter::cursorRowShown, picker_.get(), &PickerController::showTableRow);
}

void MainWindow::openCoordinatePicker() { picker_->openCoordinatePicker(); }

void MainWindow::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    // The picker is a window of its own, which hiding this one would leave
    // on the screen.
    if (event->isAccepted())
        picker_->closeCoordinatePicker();
}

} // namespace galewright
