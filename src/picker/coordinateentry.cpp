#include "coordinateentry.h"

#include "columnconfig.h"
#include "columnpanel.h"
#include "deckdocument.h"
#include "dialogservice.h"
#include "gbkcodec.h"
#include "mapcanvas.h"
#include "mapgeometry.h"
#include "pickerstatusbar.h"

#include <QLineEdit>
#include <QPointer>

#include <algorithm>

namespace galewright {

namespace {

// The first character of the text that GBK has no code for.
QString firstUnencodable(QStringView text)
{
    return QString::fromStdString(GbkCodec::firstUnencodable(text.toUtf8().toStdString()));
}

QString fromGbk(const std::string& text) { return QString::fromStdString(GbkCodec::toUtf8(text)); }

} // namespace

CoordinateEntry::CoordinateEntry(Setup setup, QObject* parent) : QObject(parent), setup_(std::move(setup))
{
    MapCanvas* canvas = setup_.canvas;
    connect(canvas, &MapCanvas::pointerMoved, this, &CoordinateEntry::pointerMoved);
    connect(canvas, &MapCanvas::leftPressed, this, &CoordinateEntry::leftPressed);
    connect(canvas, &MapCanvas::leftReleased, this, &CoordinateEntry::leftReleased);
    connect(canvas, &MapCanvas::rightReleased, this, &CoordinateEntry::rightReleased);
    connect(canvas, &MapCanvas::doubleClicked, this, [this](QPoint pixel) { enterPick(pixel.x(), pixel.y()); });
    connect(setup_.status, &PickerStatusBar::doubleClicked, this, &CoordinateEntry::statusDoubleClicked);
    connect(setup_.panel, &ColumnPanel::boxTextChanged, this, &CoordinateEntry::boxTextChanged);
    connect(setup_.panel, &ColumnPanel::boxFocused, this, &CoordinateEntry::boxFocused);
}

void CoordinateEntry::showTableRow(int row)
{
    const DeckDocument& document = *setup_.document;
    const bool dataRow = row >= 1 && row < document.rowCount();
    auto cell = [&](int column) { return dataRow ? document.table().cellText(row, column) : std::string(); };
    filling_ = true;
    for (int column = 1; column <= ColumnPanel::kColumns; ++column) {
        accepted_[static_cast<std::size_t>(column - 1)] = fromGbk(cell(column));
        setup_.panel->setBoxText(column, accepted_[static_cast<std::size_t>(column - 1)]);
    }
    filling_ = false;
    const MapGeometry& geometry = *setup_.geometry;
    setup_.canvas->drawMark(geometry.lonTextToX(cell(kLongitudeColumn)), geometry.latTextToY(cell(kLatitudeColumn)),
                            kRowMark);
}

void CoordinateEntry::enterPick(int x, int y)
{
    const MapGeometry& geometry = *setup_.geometry;
    putBoxText(kLatitudeColumn, QString::fromStdString(geometry.yToLatitude(y).entryText()));
    putBoxText(kLongitudeColumn, QString::fromStdString(geometry.xToLongitude(x).entryText()));
    setup_.status->setPartText(2, QStringLiteral("已输入。"));
    setup_.canvas->drawMark(x, y, kEnteredMark);
    setup_.state->pendingPick = QPoint(0, 0);
}

void CoordinateEntry::drawTrack()
{
    const DeckDocument& document = *setup_.document;
    const MapGeometry& geometry = *setup_.geometry;
    for (int row = 1; row < document.rowCount(); ++row) {
        const DeckTable& table = document.table();
        setup_.canvas->drawMark(geometry.lonTextToX(table.cellText(row, kLongitudeColumn)),
                                geometry.latTextToY(table.cellText(row, kLatitudeColumn)), kTrackMark);
    }
}

void CoordinateEntry::clearMarks()
{
    setup_.canvas->clearMarks();
    drawTrack();
}

QString CoordinateEntry::readout(QPoint pixel) const
{
    const MapGeometry& geometry = *setup_.geometry;
    return QString::fromStdString(geometry.yToLatitude(pixel.y()).readoutText() + ", " +
                                  geometry.xToLongitude(pixel.x()).readoutText());
}

void CoordinateEntry::pointerMoved(QPoint pixel)
{
    setup_.status->setPartText(1, readout(pixel));
    if (setup_.state->leftPressed)
        leftPressed(pixel);
}

void CoordinateEntry::leftPressed(QPoint pixel)
{
    setup_.state->leftPressed = true;
    // The message names the pressed position even when no move reported
    // it first (a touch, or a press right after the window appeared).
    setup_.status->setPartText(1, readout(pixel));
    setup_.status->setPartText(2, QStringLiteral("双击地图或状态条输入") + setup_.status->partText(1) +
                                      QStringLiteral("。"));
    setup_.state->pendingPick = pixel;
    setup_.canvas->drawMark(pixel.x(), pixel.y(), kPendingMark);
}

void CoordinateEntry::leftReleased() { setup_.state->leftPressed = false; }

void CoordinateEntry::rightReleased()
{
    setup_.state->pendingPick = QPoint(0, 0);
    setup_.status->setPartText(2, QStringLiteral("取消选择。"));
}

void CoordinateEntry::statusDoubleClicked()
{
    const PickState& state = *setup_.state;
    if (!state.leftPressed && state.pendingPick != QPoint(0, 0))
        enterPick(state.pendingPick.x(), state.pendingPick.y());
}

void CoordinateEntry::putBoxText(int column, const QString& text)
{
    setup_.panel->setBoxText(column, text);
    // A box that held this text already raises no change, yet the cell may
    // have been edited in the grid since: the pick goes into the table in
    // any case.
    boxTextChanged(column);
}

void CoordinateEntry::boxTextChanged(int column)
{
    if (filling_)
        return;
    const QString text = setup_.panel->boxText(column);
    const std::optional<std::string> bytes = GbkCodec::fromUtf8(text.toStdString());
    if (!bytes) {
        refuseBoxText(column, text);
        return;
    }
    accepted_[static_cast<std::size_t>(column - 1)] = text;
    // Without a cursor row the cell does not exist and nothing changes.
    setup_.document->setCellText(setup_.cursorRow(), column, *bytes);
}

void CoordinateEntry::refuseBoxText(int column, const QString& refused)
{
    QLineEdit* box = setup_.panel->box(column);
    const QString& previous = accepted_[static_cast<std::size_t>(column - 1)];
    const int cursor = box->cursorPosition() - static_cast<int>(refused.size() - previous.size());
    filling_ = true;
    box->setText(previous);
    filling_ = false;
    box->setCursorPosition(std::clamp(cursor, 0, static_cast<int>(previous.size())));

    const int row = setup_.cursorRow();
    const QString where = row > 0 ? QStringLiteral("第%1行第%2列：").arg(row).arg(column)
                                  : QStringLiteral("第%1列：").arg(column);
    const QString text = where + QStringLiteral("“%1”不是GBK字符，单元格无法保存它，保留了原来的内容。")
                                     .arg(firstUnencodable(refused));
    // Shown once the keystroke is done, not from inside the box's change.
    QPointer<QWidget> owner = setup_.owner;
    DialogService* dialogs = setup_.dialogs;
    QMetaObject::invokeMethod(
        this,
        [owner, dialogs, text] {
            dialogs->showMessage(owner, text, QStringLiteral("坐标选择器"), DialogService::Icon::Warning,
                                 DialogService::Buttons::Ok);
        },
        Qt::QueuedConnection);
}

void CoordinateEntry::boxFocused(int column)
{
    const ColumnConfig& config = *setup_.config;
    setup_.status->setPartText(2, fromGbk(config.columnDescription(column, ColumnConfig::kType)) +
                                      QStringLiteral("：") +
                                      fromGbk(config.columnDescription(column, ColumnConfig::kText)));
}

} // namespace galewright
