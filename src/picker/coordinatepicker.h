#pragma once

#include "coordinateentry.h"
#include "imagedecoder.h"
#include "mapgeometry.h"

#include <QWidget>

#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace galewright {

class ColumnConfig;
class ColumnPanel;
class DeckDocument;
class DialogService;
class MapCanvas;
class MapCatalogue;
class PickerStatusBar;

// The coordinate picker window, "坐标选择器": the tool row with the map
// list, the map canvas in a frame of scroll bars, the column panel with its
// own bar on the right, the status bar at the bottom. Every part is placed
// by hand from the window's client size (layoutPicker); the canvas lies
// beneath the rest, so only the viewport between them shows the map.
//
// A window of its own owned by the main window (a Qt::Window child): it
// stays above it and goes with it. It is deleted when closed, and writes
// Maps.ini back as it goes, however it is closed.
class CoordinatePicker : public QWidget {
    Q_OBJECT
public:
    struct Context {
        DeckDocument* document = nullptr;
        std::function<int()> cursorRow;
        const ColumnConfig* config = nullptr; // Method.set texts and the settings directory
        DialogService* dialogs = nullptr;
        PickState* state = nullptr;
    };

    CoordinatePicker(const Context& context, QWidget* owner);
    ~CoordinatePicker() override;

    // Shows a map that passed the map rule: its size becomes the geometry's,
    // the frame is laid out again and the track drawn on the bare picture.
    void showMap(DecodedImage image);
    void layoutPicker();
    // The first size and place: a client area of 580 x (status + 225), a
    // 360 x 180 viewport, centred on the main window.
    void placePickerWindow();
    void showTableRow(int row) { entry_->showTableRow(row); }
    void enterPick(int x, int y) { entry_->enterPick(x, y); }
    void drawTrack() { entry_->drawTrack(); }

    const MapGeometry& geometry() const { return geometry_; }
    MapCatalogue& catalogue() const { return *catalogue_; }
    QWidget* toolRow() const { return toolRow_; }
    QComboBox* mapList() const { return mapList_; }
    QPushButton* addButton() const { return addButton_; }
    QPushButton* removeButton() const { return removeButton_; }
    QPushButton* clearButton() const { return clearButton_; }
    MapCanvas* canvas() const { return canvas_; }
    QScrollBar* horizontalBar() const { return horizontalBar_; }
    QScrollBar* verticalBar() const { return verticalBar_; }
    QWidget* cornerFiller() const { return cornerFiller_; }
    ColumnPanel* columnPanel() const { return panel_; }
    QScrollBar* panelBar() const { return panelBar_; }
    PickerStatusBar* statusBar() const { return status_; }
    QString statusText(int part) const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildToolRow();
    void buildFrame();
    void scrollMapHorizontally();
    void scrollMapVertically();
    void scrollPanel();
    void turnWheelOnMap(int delta, bool control);
    void turnWheelOnPanel(int delta);

    Context context_;
    MapGeometry geometry_;
    QWidget* toolRow_ = nullptr;
    QComboBox* mapList_ = nullptr;
    QPushButton* addButton_ = nullptr;
    QPushButton* removeButton_ = nullptr;
    QPushButton* clearButton_ = nullptr;
    MapCanvas* canvas_ = nullptr;
    QScrollBar* horizontalBar_ = nullptr;
    QScrollBar* verticalBar_ = nullptr;
    QWidget* cornerFiller_ = nullptr;
    ColumnPanel* panel_ = nullptr;
    QScrollBar* panelBar_ = nullptr;
    PickerStatusBar* status_ = nullptr;
    std::unique_ptr<MapCatalogue> catalogue_;
    CoordinateEntry* entry_ = nullptr;
};

} // namespace galewright
