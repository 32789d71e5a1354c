#pragma once

#include <QObject>
#include <QPoint>
#include <QRgb>
#include <QString>

#include <array>
#include <functional>

class QWidget;

namespace galewright {

class ColumnConfig;
class ColumnPanel;
class DeckDocument;
class DialogService;
class MapCanvas;
class MapGeometry;
class PickerStatusBar;

// The position the user pressed on the map and has not entered yet ((0, 0)
// for none), and whether the left button is down on the map. Kept for as
// long as the editor runs, not reset when the picker is opened again.
struct PickState {
    QPoint pendingPick{0, 0};
    bool leftPressed = false;
};

// Colours of the single-pixel marks.
inline constexpr QRgb kTrackMark = 0xFF0088FF;   // 0, 136, 255: a row's position, drawn by drawTrack
inline constexpr QRgb kRowMark = 0xFF00FF00;     // 0, 255, 0: the row shown in the panel
inline constexpr QRgb kPendingMark = 0xFFFF8000; // 255, 128, 0: pressed, not entered yet
inline constexpr QRgb kEnteredMark = 0xFFFF0000; // 255, 0, 0: entered into the table

// Picking and entry: the column panel follows the table's cursor row and
// writes each box edit into it, the map reads out the pointer's position
// and turns a pick into the latitude and longitude texts of columns 7 and 8
// of the cursor row, and the marks show where rows and picks are.
class CoordinateEntry : public QObject {
    Q_OBJECT
public:
    struct Setup {
        MapCanvas* canvas = nullptr;
        ColumnPanel* panel = nullptr;
        PickerStatusBar* status = nullptr;
        const MapGeometry* geometry = nullptr;
        DeckDocument* document = nullptr;
        std::function<int()> cursorRow; // -1 when there is none
        const ColumnConfig* config = nullptr;
        DialogService* dialogs = nullptr;
        QWidget* owner = nullptr; // the picker window
        PickState* state = nullptr;
    };

    static constexpr int kLatitudeColumn = 7;
    static constexpr int kLongitudeColumn = 8;

    explicit CoordinateEntry(Setup setup, QObject* parent = nullptr);

    // Fills the boxes with the row's cells (all empty for a row that is no
    // data row) and marks the row's position green.
    void showTableRow(int row);
    // Puts the pixel's latitude and longitude into the boxes of columns 7
    // and 8, and so into the cursor row.
    void enterPick(int x, int y);
    // Every data row's position in the track colour.
    void drawTrack();
    // The "清除" button: the bare map, then the track again.
    void clearMarks();

private:
    void pointerMoved(QPoint pixel);
    void leftPressed(QPoint pixel);
    void leftReleased();
    void rightReleased();
    void statusDoubleClicked();
    void boxTextChanged(int column);
    void boxFocused(int column);
    void putBoxText(int column, const QString& text);
    void refuseBoxText(int column, const QString& refused);
    QString readout(QPoint pixel) const;

    Setup setup_;
    // Set while the boxes are filled from the table or put back after a
    // refusal: their texts are the cells' own, so there is nothing to write.
    bool filling_ = false;
    // Each box's last text that the table could take, to put back when a
    // typed character has no GBK form.
    std::array<QString, 45> accepted_;
};

} // namespace galewright
