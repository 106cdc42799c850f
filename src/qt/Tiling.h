// Shared window helpers: tiling a picture over a surface or along its top edge.
#pragma once

#include <QImage>
#include <QPaintDevice>

namespace boltik::qt {

// TileForm: covers the target with copies of the source, each stretched by factor.
// Errors (a null picture) are ignored: nothing is painted.
void TileForm(QPaintDevice& target, const QImage& source, int factor);
// TileHeader: one row of stretched copies along the target's top edge.
void TileHeader(QPaintDevice& target, const QImage& source, int factor);

}  // namespace boltik::qt
