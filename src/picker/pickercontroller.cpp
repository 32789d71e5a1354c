#include "pickercontroller.h"

#include "coordinatepicker.h"

namespace galewright {

PickerController::PickerController(Setup setup, QObject* parent) : QObject(parent), setup_(std::move(setup)) {}

PickerController::~PickerController()
{
    // The picker borrows the pick state; it must not outlive it, even for
    // the moment between the main window's members and its children.
    delete picker_.data();
}

CoordinatePicker* PickerController::picker() const
{
    // A closed picker is hidden at once and deleted a moment later; in
    // between it counts as gone.
    return picker_ && !picker_->isHidden() ? picker_.data() : nullptr;
}

void PickerController::openCoordinatePicker()
{
    if (CoordinatePicker* open = picker()) {
        if (open->isMinimized()) {
            open->showNormal();
        } else {
            open->raise();
            open->activateWindow();
        }
    } else {
        // One closed a moment ago may still wait for deletion: deleting it
        // now writes its catalogue before the new one reads it.
        delete picker_.data();
        CoordinatePicker::Context context;
        context.document = setup_.document;
        context.cursorRow = setup_.cursorRow;
        context.config = setup_.config;
        context.dialogs = setup_.dialogs;
        context.state = &state_;
        picker_ = new CoordinatePicker(context, setup_.owner);
        picker_->show();
        // Where the platform knows the frame as soon as the window is
        // shown, the centring now counts it in.
        picker_->placePickerWindow();
    }
    picker_->showTableRow(setup_.cursorRow());
}

void PickerController::showTableRow(int row)
{
    if (CoordinatePicker* open = picker())
        open->showTableRow(row);
}

void PickerController::closeCoordinatePicker()
{
    if (CoordinatePicker* open = picker())
        open->close();
}

} // namespace galewright
