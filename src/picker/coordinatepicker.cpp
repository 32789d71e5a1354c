#include "coordinatepicker.h"

#include "columnconfig.h"
#include "columnpanel.h"
#include "mapcanvas.h"
#include "mapcatalogue.h"
#include "pickerlayout.h"
#include "pickerstatusbar.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

namespace galewright {

namespace {

constexpr int kMapListWidth = 200;

void place(QWidget* widget, const PixelRect& rect) { widget->setGeometry(rect.left, rect.top, rect.width, rect.height); }

void applyBar(QScrollBar* bar, const ScrollBarState& state)
{
    bar->setMaximum(state.maximum);
    bar->setValue(state.position);
    bar->setEnabled(state.enabled);
}

QScrollBar* makeBar(Qt::Orientation orientation, int lineStep, int pageStep, QWidget* parent)
{
    auto* bar = new QScrollBar(orientation, parent);
    bar->setRange(0, 0);
    bar->setSingleStep(lineStep);
    bar->setPageStep(pageStep);
    // The map and the panel follow the thumb while it is dragged.
    bar->setTracking(true);
    return bar;
}

} // namespace

CoordinatePicker::CoordinatePicker(const Context& context, QWidget* owner)
    : QWidget(owner, Qt::Window), context_(context)
{
    setWindowTitle(QStringLiteral("坐标选择器"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildFrame();
    buildToolRow();

    geometry_.reset();

    MapCatalogue::Setup catalogue;
    catalogue.list = mapList_;
    catalogue.owner = this;
    catalogue.dialogs = context_.dialogs;
    catalogue.settingsDirectory = context_.config->settingsDirectory();
    catalogue.showMap = [this](DecodedImage image) { showMap(std::move(image)); };
    catalogue.focusMap = [this] { canvas_->setFocus(); };
    catalogue_ = std::make_unique<MapCatalogue>(std::move(catalogue));
    catalogue_->loadMapCatalogue();

    panel_ = new ColumnPanel(*context_.config, this);
    connect(panel_, &ColumnPanel::wheelTurned, this, &CoordinatePicker::turnWheelOnPanel);
    CoordinateEntry::Setup entry;
    entry.canvas = canvas_;
    entry.panel = panel_;
    entry.status = status_;
    entry.geometry = &geometry_;
    entry.document = context_.document;
    entry.cursorRow = context_.cursorRow;
    entry.config = context_.config;
    entry.dialogs = context_.dialogs;
    entry.owner = this;
    entry.state = context_.state;
    entry_ = new CoordinateEntry(std::move(entry), this);
    // The map lies beneath every other part.
    canvas_->lower();

    connect(mapList_, &QComboBox::activated, this, [this] { catalogue_->selectMap(); });
    connect(addButton_, &QPushButton::clicked, this, [this] { catalogue_->addMapCommand(); });
    connect(removeButton_, &QPushButton::clicked, this, [this] { catalogue_->removeMapCommand(); });
    connect(clearButton_, &QPushButton::clicked, this, [this] { entry_->clearMarks(); });

    catalogue_->selectStoredMap();
    placePickerWindow();
}

CoordinatePicker::~CoordinatePicker() { catalogue_->saveMapCatalogue(); }

void CoordinatePicker::buildFrame()
{
    canvas_ = new MapCanvas(this);
    connect(canvas_, &MapCanvas::wheelTurned, this, &CoordinatePicker::turnWheelOnMap);
    verticalBar_ = makeBar(Qt::Vertical, kMapLineStep, kMapPageStep, this);
    horizontalBar_ = makeBar(Qt::Horizontal, kMapLineStep, kMapPageStep, this);
    panelBar_ = makeBar(Qt::Vertical, kPanelLineStep, kPanelPageStep, this);
    connect(horizontalBar_, &QScrollBar::valueChanged, this, &CoordinatePicker::scrollMapHorizontally);
    connect(verticalBar_, &QScrollBar::valueChanged, this, &CoordinatePicker::scrollMapVertically);
    connect(panelBar_, &QScrollBar::valueChanged, this, &CoordinatePicker::scrollPanel);
    cornerFiller_ = new QWidget(this);
    cornerFiller_->setAutoFillBackground(true);
    status_ = new PickerStatusBar(this);
}

void CoordinatePicker::buildToolRow()
{
    toolRow_ = new QWidget(this);
    toolRow_->setAutoFillBackground(true);
    auto* caption = new QLabel(QStringLiteral("地图："), toolRow_);
    caption->setGeometry(0, 0, 40, kPickerToolRowHeight);
    mapList_ = new QComboBox(toolRow_);
    mapList_->setGeometry(40, 0, kMapListWidth, kPickerToolRowHeight);
    addButton_ = new QPushButton(QStringLiteral("＋"), toolRow_);
    addButton_->setGeometry(240, 0, 25, 25);
    removeButton_ = new QPushButton(QStringLiteral("－"), toolRow_);
    removeButton_->setGeometry(265, 0, 25, 25);
    clearButton_ = new QPushButton(QStringLiteral("清除"), toolRow_);
    clearButton_->setGeometry(296, 0, 48, 24);
}

QString CoordinatePicker::statusText(int part) const { return status_->partText(part); }

void CoordinatePicker::showMap(DecodedImage image)
{
    const int width = image.width;
    const int height = image.height;
    canvas_->setPicture(std::move(image));
    geometry_.setMapSize(width, height);
    layoutPicker();
    drawTrack();
}

void CoordinatePicker::layoutPicker()
{
    const int hs = status_->height();
    const PickerLayout layout =
        computePickerLayout(width(), height(), hs, geometry_.width(), geometry_.height(),
                            {horizontalBar_->value(), verticalBar_->value(), panelBar_->value()});
    place(toolRow_, layout.toolRow);
    place(verticalBar_, layout.verticalBar);
    place(horizontalBar_, layout.horizontalBar);
    place(panelBar_, layout.panelBar);
    place(cornerFiller_, layout.cornerFiller);
    place(panel_, layout.columnPanel);
    status_->setGeometry(0, height() - hs, width(), hs);
    applyBar(verticalBar_, layout.vertical);
    applyBar(horizontalBar_, layout.horizontal);
    applyBar(panelBar_, layout.panel);
    scrollMapHorizontally();
    scrollMapVertically();
    scrollPanel();
}

void CoordinatePicker::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The column panel is made after the frame; until then there is
    // nothing to lay out.
    if (panel_)
        layoutPicker();
}

void CoordinatePicker::placePickerWindow()
{
    PixelRect centre;
    if (QWidget* main = parentWidget()) {
        const QRect frame = main->frameGeometry();
        centre = {frame.left(), frame.top(), frame.width(), frame.height()};
    } else if (const QScreen* shown = screen()) {
        centre = {0, 0, shown->geometry().width(), shown->geometry().height()};
    }
    // Before the window is first shown its frame is not known yet and
    // counts as none.
    const QRect outer = frameGeometry();
    const PixelRect placed = pickerPlacement(outer.width(), outer.height(), width(), height(), status_->height(), centre);
    resize(placed.width - (outer.width() - width()), placed.height - (outer.height() - height()));
    move(placed.left, placed.top);
    layoutPicker();
}

void CoordinatePicker::scrollMapHorizontally()
{
    canvas_->move(-horizontalBar_->value(), canvas_->y());
    canvas_->update();
}

void CoordinatePicker::scrollMapVertically()
{
    canvas_->move(canvas_->x(), kPickerToolRowHeight - verticalBar_->value());
    canvas_->update();
}

void CoordinatePicker::scrollPanel() { panel_->move(panel_->x(), -panelBar_->value()); }

void CoordinatePicker::turnWheelOnMap(int delta, bool control)
{
    QScrollBar* bar = control ? horizontalBar_ : verticalBar_;
    bar->setValue(wheelScrollPosition(bar->value(), bar->maximum(), delta, kMapLineStep));
}

void CoordinatePicker::turnWheelOnPanel(int delta)
{
    panelBar_->setValue(wheelScrollPosition(panelBar_->value(), panelBar_->maximum(), delta, kPanelLineStep));
}

} // namespace galewright
