// The board picture widget.
#include "qt/BoardCanvas.h"

#include <QPaintEvent>
#include <QPainter>

#include "qt/Tiling.h"

namespace boltik::qt {

BoardCanvas::BoardCanvas(const GraphicObjects& sprites, QWidget* parent)
    : QWidget(parent), sprites_(sprites) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardCanvas::setBoardSize(QSize size) {
    // At the sprites' own resolution, so every picture is copied pixel for pixel.
    picture_ = QImage(size * sprites_.ratio(), QImage::Format_RGB32);
    picture_.setDevicePixelRatio(sprites_.ratio());
    picture_.fill(Qt::black);
    keptCopy_ = picture_;
    resize(size);
}

void BoardCanvas::fillKeptCopy(const QImage& tile, int factor) {
    TileForm(keptCopy_, tile, factor);
}

void BoardCanvas::paint(sprites::Picture picture, int x, int y) {
    const QImage& image = sprites_.image(picture);
    if (image.isNull() || picture_.isNull()) return;
    {
        QPainter painter(&picture_);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(x, y, image);
    }
    update(QRect(QPoint(x, y), image.deviceIndependentSize().toSize()));
    changed_ = true;
}

void BoardCanvas::clear() {
    picture_.fill(Qt::black);
    update();
    changed_ = true;
}

void BoardCanvas::restoreCopy() {
    picture_ = keptCopy_;
    update();
    changed_ = true;
}

void BoardCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const int ratio = sprites_.ratio();
    // On a screen of another ratio (150 %) the picture is resampled, and smoothly reads best.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, devicePixelRatio() != ratio);
    for (const QRect& r : event->region())
        painter.drawImage(r, picture_, QRect(r.topLeft() * ratio, r.size() * ratio));
}

}  // namespace boltik::qt
