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
    polle_ = QImage(size, QImage::Format_RGB32);
    polle_.fill(Qt::black);
    hran_ = polle_;
    resize(size);
}

void BoardCanvas::fillKeptCopy(const QImage& tile, int factor) {
    TileForm(hran_, tile, factor);
}

void BoardCanvas::paint(sprites::Picture picture, int x, int y) {
    const QImage& image = sprites_.image(picture);
    if (image.isNull() || polle_.isNull()) return;
    {
        QPainter painter(&polle_);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(x, y, image);
    }
    update(QRect(QPoint(x, y), image.size()));
}

void BoardCanvas::clear() {
    polle_.fill(Qt::black);
    update();
}

void BoardCanvas::restoreCopy() {
    polle_ = hran_;
    update();
}

void BoardCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    for (const QRect& r : event->region())
        painter.drawImage(r, polle_, r);
}

}  // namespace boltik::qt
