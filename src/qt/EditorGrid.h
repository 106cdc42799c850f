// polle, the level editor's grid: the 19 x 12 squares kept as a picture, their lines, and the
// frame (obwodka) that follows the pointer while a teleporter awaits its partner.
#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QWidget>
#include <optional>

#include "core/editor/Editor.h"

namespace boltik::qt {

// The grid is kept as a picture, so drawing lasts across repaints. The picture has the palette
// pictures' device pixel ratio; it is drawn on in logical pixels.
class EditorGrid : public QWidget {
public:
    explicit EditorGrid(QWidget* parent);

    // The grid cell under a pixel of the grid; nothing outside the 19 x 12 squares.
    static std::optional<editor::Cell> cellAt(QPoint pixel);

    // A white picture of this many logical pixels, and the widget of that size.
    void start(QSize size);
    // Draws a picture into a cell's square, and the black outline of a cell's square.
    void paintCell(editor::Cell c, const QImage& image);
    void outlineCell(editor::Cell c);
    // The black lines between the squares, over the whole picture.
    void drawGridLines();
    // The pairing frame over a cell; nothing hides it.
    void showPairingFrame(std::optional<editor::Cell> at);
    const QImage& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const int ratio_;
    QImage picture_;
    std::optional<editor::Cell> pairingFrame_;
};

}  // namespace boltik::qt
