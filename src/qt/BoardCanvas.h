// polle: the board picture of the game window. Every cell paint goes into an off-screen
// image; the widget shows it, repainted at the next yield. Positions and sizes are logical
// pixels; the image has the sprites' device pixel ratio, so on a dense screen it holds
// twice the pixels each way.
#pragma once

#include <QImage>
#include <QWidget>
#include <utility>

#include "core/sprites/Canvas.h"
#include "qt/GraphicObjects.h"

namespace boltik::qt {

class BoardCanvas : public QWidget, public sprites::Canvas {
    Q_OBJECT

public:
    BoardCanvas(const GraphicObjects& sprites, QWidget* parent = nullptr);

    // Sizes the board picture (logical pixels); the old content is dropped.
    void setBoardSize(QSize size);
    // hran: the panel that keeps the copy for the flash, filled at first with a tile.
    void fillKeptCopy(const QImage& tile, int factor);

    void paint(sprites::Picture picture, int x, int y) override;
    void clear() override;
    void keepCopy() override { keptCopy_ = picture_; }
    void restoreCopy() override;

    const QImage& picture() const { return picture_; }
    // Whether the picture has changed since the last call.
    bool takeChanged() { return std::exchange(changed_, false); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const GraphicObjects& sprites_;
    QImage picture_;
    QImage keptCopy_;
    bool changed_ = false;
};

}  // namespace boltik::qt
