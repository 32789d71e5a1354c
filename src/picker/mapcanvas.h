#pragma once

#include "imagedecoder.h"

#include <QImage>
#include <QPoint>
#include <QWidget>

#include <utility>
#include <vector>

namespace galewright {

// The map shown one image pixel to one screen pixel, with single-pixel
// marks drawn into it. The picture and its marks share one image (a big map
// is hundreds of megabytes); what a mark covered is kept aside so that
// clearing the marks brings the bare picture back. Mouse positions are
// reported in map pixels, which are the canvas's own coordinates.
class MapCanvas : public QWidget {
    Q_OBJECT
public:
    explicit MapCanvas(QWidget* parent = nullptr);

    // Takes the decoded pixels over without copying them; the canvas
    // becomes the image's size. Marks of the previous picture are gone.
    void setPicture(DecodedImage image);
    bool hasPicture() const { return !image_.isNull(); }
    // Picture and marks, as painted.
    const QImage& image() const { return image_; }

    // A pixel outside the picture is not drawn. Without a picture nothing
    // is drawn either: the canvas stays blank.
    void drawMark(int x, int y, QRgb colour);
    void clearMarks();

signals:
    void pointerMoved(QPoint pixel);
    void leftPressed(QPoint pixel);
    void leftReleased();
    void rightReleased();
    void doubleClicked(QPoint pixel);
    // Notch-scaled wheel delta (120 a notch, positive away from the user).
    void wheelTurned(int delta, bool control);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    QImage image_;
    // Each mark's pixel and what it covered, oldest first; restored newest
    // first, so a pixel marked twice gets its picture colour back.
    std::vector<std::pair<QPoint, QRgb>> covered_;
};

} // namespace galewright
