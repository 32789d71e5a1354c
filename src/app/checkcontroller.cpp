#include "checkcontroller.h"

#include "checkmessages.h"
#include "checkrun.h"
#include "columndescriptions.h"
#include "deckgrid.h"
#include "dialogservice.h"
#include "gbkcodec.h"
#include "gridpresenter.h"

#include <QColor>

namespace galewright {

namespace {

QString fromGbk(std::string_view text) { return QString::fromStdString(GbkCodec::toUtf8(text)); }

} // namespace

CheckController::CheckController(QWidget& window, DeckGrid& grid, GridPresenter& presenter,
                                 const ColumnConfig& config, DialogService& dialogs)
    : window_(window), grid_(grid), presenter_(presenter), config_(config), dialogs_(dialogs)
{
}

void CheckController::checkErrors()
{
    // Text still in the cell editor belongs to the table being checked, and
    // the table must not change while the run holds on to it.
    grid_.finishEditing();
    // Method.set is read for every message, so an edit to it shows at once.
    const ColumnDescriptions descriptions = ColumnDescriptions::live(config_);
    CheckRun(grid_.document().table(), config_, descriptions).checkErrors(*this);
}

void CheckController::moveCursor(int row, int column) { grid_.setCursorCell(row, column); }

void CheckController::setTextColour(int firstRow, int firstColumn, int lastRow, int lastColumn, std::uint32_t colour)
{
    // 0x00BBGGRR
    const QColor text(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                      static_cast<int>((colour >> 16) & 0xFF));
    grid_.setRangeTextColour({firstRow, firstColumn, lastRow, lastColumn}, text);
}

CheckAnswer CheckController::showWarning(const CheckViolation& violation)
{
    const auto answer = dialogs_.showMessage(&window_, fromGbk(violation.message), fromGbk(CheckMessages::title()),
                                             DialogService::Icon::Warning, DialogService::Buttons::OkCancel);
    return answer == DialogService::Answer::Ok ? CheckAnswer::kOk : CheckAnswer::kCancel;
}

void CheckController::showSummary(const std::string& message)
{
    dialogs_.showMessage(&window_, fromGbk(message), fromGbk(CheckMessages::title()), DialogService::Icon::Information,
                         DialogService::Buttons::Ok);
}

void CheckController::refreshStatusBar() { presenter_.refreshStatusBar(); }

} // namespace galewright
