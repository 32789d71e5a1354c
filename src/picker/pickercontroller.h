#pragma once

#include "coordinateentry.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

namespace galewright {

class ColumnConfig;
class CoordinatePicker;
class DeckDocument;
class DialogService;

// The main window's side of the coordinate picker: opens it (one window at
// most), tells it every cursor row while it is open, closes it with the
// main window, and keeps the pick state for as long as the editor runs.
class PickerController : public QObject {
    Q_OBJECT
public:
    struct Setup {
        QWidget* owner = nullptr; // the main window
        DeckDocument* document = nullptr;
        std::function<int()> cursorRow;
        const ColumnConfig* config = nullptr;
        DialogService* dialogs = nullptr;
    };

    explicit PickerController(Setup setup, QObject* parent = nullptr);
    ~PickerController() override;

    // Opens the picker, or brings the open one back (restored when
    // minimised, else activated); then shows the cursor row in it.
    void openCoordinatePicker();
    // Passes the row on while the picker is open; nothing otherwise.
    void showTableRow(int row);
    void closeCoordinatePicker();

    // Null while the picker is closed.
    CoordinatePicker* picker() const;
    const PickState& pickState() const { return state_; }

private:
    Setup setup_;
    PickState state_;
    QPointer<CoordinatePicker> picker_;
};

} // namespace galewright
