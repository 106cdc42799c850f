// The level editor's grid: drawing into its picture, its lines, the pairing frame, and which
// square a pixel falls in.
#include "qt/EditorGrid.h"

#include <QPaintEvent>
#include <QPainter>

#include "core/board/Codes.h"
#include "qt/EditorFrame.h"
#include "qt/GraphicObjects.h"
#include "qt/Twips.h"

namespace boltik::qt {

namespace {

constexpr int kSquare = px(editor::kSquareTwips);
const QColor kPairingGreen(192, 255, 192);

}  // namespace

EditorGrid::EditorGrid(QWidget* parent) : QWidget(parent), ratio_(pictureRatio()) {
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
}

std::optional<editor::Cell> EditorGrid::cellAt(QPoint pixel) {
    const int x = pixel.x() * 15;
    const int y = pixel.y() * 15;
    const int s = editor::kSquareTwips;
    // The first square found in scan order wins, edges included.
    for (int cx = 0; cx <= board::kLastCol; ++cx) {
        for (int cy = 0; cy <= board::kLastRow; ++cy) {
            if (x >= cx * s && x <= cx * s + s && y >= cy * s && y <= cy * s + s) {
                return editor::Cell{cx, cy};
            }
        }
    }
    return std::nullopt;
}

void EditorGrid::start(QSize size) {
    // Beyond the last whole square the grid is clear: the editor's own background shows there,
    // not a strip of white.
    picture_ = QImage(size * ratio_, QImage::Format_ARGB32_Premultiplied);
    picture_.setDevicePixelRatio(ratio_);
    picture_.fill(Qt::transparent);
    setAttribute(Qt::WA_TranslucentBackground);
    resize(size);
}

void EditorGrid::paintCell(editor::Cell c, const QImage& image) {
    QPainter(&picture_).drawImage(c.x * kSquare, c.y * kSquare, image);
    update(c.x * kSquare, c.y * kSquare, kSquare + 1, kSquare + 1);
}

void EditorGrid::outlineCell(editor::Cell c) {
    QPainter painter(&picture_);
    painter.setPen(Qt::black);
    painter.drawRect(outlineOf(c.x * kSquare, c.y * kSquare, kSquare, kSquare));
}

void EditorGrid::drawGridLines() {
    QPainter painter(&picture_);
    painter.setPen(Qt::black);
    // The lines of the whole squares only.
    const QSize size = picture_.deviceIndependentSize().toSize();
    const int columns = size.width() / kSquare;
    const int rows = size.height() / kSquare;
    for (int i = 0; i <= columns; ++i) {
        const QRectF line = outlineOf(i * kSquare, 0, 0, rows * kSquare);
        painter.drawLine(line.topLeft(), line.bottomRight());
    }
    for (int j = 0; j <= rows; ++j) {
        const QRectF line = outlineOf(0, j * kSquare, columns * kSquare, 0);
        painter.drawLine(line.topLeft(), line.bottomRight());
    }
    update();
}

void EditorGrid::showPairingFrame(std::optional<editor::Cell> at) {
    if (pairingFrame_ == at) return;
    pairingFrame_ = at;
    update();
}

void EditorGrid::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, devicePixelRatio() != ratio_);
    for (const QRect& r : event->region())
        painter.drawImage(r, picture_, QRect(r.topLeft() * ratio_, r.size() * ratio_));
    if (pairingFrame_) {
        painter.setPen(kPairingGreen);
        painter.drawRect(outlineOf(pairingFrame_->x * kSquare, pairingFrame_->y * kSquare,
                                   kSquare - 1, kSquare - 1));
    }
}

}  // namespace boltik::qt
