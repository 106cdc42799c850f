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
    picture_ = QImage(size * ratio_, QImage::Format_RGB32);
    picture_.setDevicePixelRatio(ratio_);
    picture_.fill(Qt::white);
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
    const QSize size = picture_.deviceIndependentSize().toSize();
    for (int i = 0; i <= size.width() / kSquare + 1; ++i) {
        const QRectF line = outlineOf(i * kSquare, 0, 0, size.height());
        painter.drawLine(line.topLeft(), line.bottomRight());
    }
    for (int j = 0; j <= size.height() / kSquare + 1; ++j) {
        const QRectF line = outlineOf(0, j * kSquare, size.width(), 0);
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
