// Tiling helpers on Qt surfaces.
#include "qt/Tiling.h"

#include <QPainter>

#include "core/board/Tiling.h"

namespace boltik::qt {

namespace {

template <typename Places>
void paintCopies(QPaintDevice& target, const QImage& source, int factor, const Places& places) {
    QPainter painter(&target);
    const QSize size(source.width() * factor, source.height() * factor);
    for (const auto& p : places)
        painter.drawImage(QRect(QPoint(p.x, p.y), size), source);
}

}  // namespace

void TileForm(QPaintDevice& target, const QImage& source, int factor) {
    if (source.isNull()) return;
    paintCopies(target, source, factor,
                board::tileFormPlaces(target.width(), target.height(), source.width(),
                                      source.height(), factor));
}

void TileHeader(QPaintDevice& target, const QImage& source, int factor) {
    if (source.isNull()) return;
    paintCopies(target, source, factor,
                board::tileHeaderPlaces(target.width(), source.width(), factor));
}

}  // namespace boltik::qt
