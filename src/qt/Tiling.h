// Shared window helpers: tiling a picture over a surface or along its top edge, and the
// off-screen surface a window paints on.
#pragma once

#include <QImage>
#include <QPaintDevice>
#include <QWidget>

namespace boltik::qt {

// TileForm: covers the target with copies of the source, each stretched by factor.
// Errors (a null picture) are ignored: nothing is painted. Sizes are logical pixels, so a
// picture with device pixel ratio 2 covers what its twin at 1 covers.
void TileForm(QPaintDevice& target, const QImage& source, int factor);
// TileHeader: one row of stretched copies along the target's top edge.
void TileHeader(QPaintDevice& target, const QImage& source, int factor);

// An image the size of the widget at the device pixel ratio of its screen, to compose a
// paint event off screen and then draw it at (0, 0).
QImage widgetSurface(const QWidget& widget);

}  // namespace boltik::qt
