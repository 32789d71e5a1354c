#pragma once

#include "checkviolation.h"

#include <cstdint>
#include <string>

namespace galewright {

enum class CheckAnswer { kOk, kCancel };

// What the check run needs of the window (the editor implements it; the
// command-line tool prints instead). All calls come from CheckRun::checkErrors
// on the calling thread, in the order the run makes them; every text is GBK.
class CheckReporter {
public:
    // Text colours in the 0x00BBGGRR form.
    static constexpr std::uint32_t kBlack = 0;
    static constexpr std::uint32_t kRed = 255;

    virtual ~CheckReporter() = default;

    // Move the table cursor to (row, column). The first call is (1, 1) even
    // when the table has no data row; a cell that does not exist is ignored.
    virtual void moveCursor(int row, int column) = 0;
    // Set the text colour of the cells from (firstRow, firstColumn) to
    // (lastRow, lastColumn), both ends included and inside the table.
    virtual void setTextColour(int firstRow, int firstColumn, int lastRow, int lastColumn, std::uint32_t colour) = 0;
    // Show violation.message in a warning box with OK and Cancel, titled
    // CheckMessages::title(); any way of closing it other than OK is kCancel.
    virtual CheckAnswer showWarning(const CheckViolation& violation) = 0;
    // Show the summary in an information box with OK, titled CheckMessages::title().
    virtual void showSummary(const std::string& message) = 0;
    // Refresh the status bar for the cursor cell (the run calls it after the
    // length pass and at the end of a complete run).
    virtual void refreshStatusBar() = 0;
};

} // namespace galewright
