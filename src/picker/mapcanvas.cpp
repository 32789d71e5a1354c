#include "mapcanvas.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <memory>

namespace galewright {

namespace {

void freeDecodedPixels(void* owner) { delete static_cast<DecodedImage*>(owner); }

QPoint pixelOf(const QMouseEvent* event) { return event->position().toPoint(); }

} // namespace

MapCanvas::MapCanvas(QWidget* parent) : QWidget(parent)
{
    setCursor(Qt::CrossCursor);
    setMouseTracking(true);
    // Focus lets the window hand the keyboard to the map after a choice.
    setFocusPolicy(Qt::ClickFocus);
    resize(0, 0);
}

void MapCanvas::setPicture(DecodedImage image)
{
    image_ = QImage();
    covered_.clear();
    auto owned = std::make_unique<DecodedImage>(std::move(image));
    const int width = owned->width;
    const int height = owned->height;
    auto* bits = reinterpret_cast<uchar*>(owned->pixels.data());
    // The decoder's layout is Format_ARGB32's; the QImage writes marks
    // straight into the decoded buffer and frees it with the image.
    image_ = QImage(bits, width, height, static_cast<qsizetype>(width) * 4, QImage::Format_ARGB32, freeDecodedPixels,
                    owned.get());
    if (image_.isNull()) {
        resize(0, 0);
        update();
        return;
    }
    owned.release();
    resize(width, height);
    update();
}

void MapCanvas::drawMark(int x, int y, QRgb colour)
{
    if (image_.isNull() || x < 0 || y < 0 || x >= image_.width() || y >= image_.height())
        return;
    covered_.emplace_back(QPoint(x, y), image_.pixel(x, y));
    image_.setPixel(x, y, colour);
    update(x, y, 1, 1);
}

void MapCanvas::clearMarks()
{
    for (auto it = covered_.rbegin(); it != covered_.rend(); ++it)
        image_.setPixel(it->first, it->second);
    covered_.clear();
    covered_.shrink_to_fit();
    update();
}

void MapCanvas::paintEvent(QPaintEvent* event)
{
    if (image_.isNull())
        return;
    QPainter painter(this);
    const QRect area = event->rect() & image_.rect();
    painter.drawImage(area, image_, area);
}

void MapCanvas::mouseMoveEvent(QMouseEvent* event) { emit pointerMoved(pixelOf(event)); }

void MapCanvas::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit leftPressed(pixelOf(event));
}

void MapCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit leftReleased();
    else if (event->button() == Qt::RightButton)
        emit rightReleased();
}

void MapCanvas::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click arrives as a press too; this is
    // only the double click itself.
    if (event->button() == Qt::LeftButton)
        emit doubleClicked(pixelOf(event));
}

void MapCanvas::wheelEvent(QWheelEvent* event)
{
    emit wheelTurned(event->angleDelta().y(), event->modifiers().testFlag(Qt::ControlModifier));
    event->accept();
}

} // namespace galewright
