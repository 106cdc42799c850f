// Tiling helpers on Qt surfaces.
#include "qt/Tiling.h"

#include <QPainter>

#include "core/sprites/Tiling.h"

namespace boltik::qt {

namespace {

// The size painting on a device works in: images count pixels, widgets logical pixels.
QSize logicalSize(const QPaintDevice& device) {
    if (device.devType() == QInternal::Image) {
        return static_cast<const QImage&>(device).deviceIndependentSize().toSize();
    }
    return QSize(device.width(), device.height());
}

template <typename Places>
void paintCopies(QPaintDevice& target, const QImage& source, int factor, const Places& places) {
    QPainter painter(&target);
    const QSize size = logicalSize(source) * factor;
    for (const auto& p : places)
        painter.drawImage(QRect(QPoint(p.x, p.y), size), source);
}

}  // namespace

void TileForm(QPaintDevice& target, const QImage& source, int factor) {
    if (source.isNull()) return;
    const QSize area = logicalSize(target), tile = logicalSize(source);
    paintCopies(
        target, source, factor,
        sprites::tileFormPlaces(area.width(), area.height(), tile.width(), tile.height(), factor));
}

void TileHeader(QPaintDevice& target, const QImage& source, int factor) {
    if (source.isNull()) return;
    paintCopies(target, source, factor,
                sprites::tileHeaderPlaces(logicalSize(target).width(), logicalSize(source).width(),
                                          factor));
}

QImage widgetSurface(const QWidget& widget) {
    const qreal ratio = widget.devicePixelRatio();
    QImage surface(widget.size() * ratio, QImage::Format_RGB32);
    surface.setDevicePixelRatio(ratio);
    return surface;
}

}  // namespace boltik::qt
