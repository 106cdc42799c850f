// The one-cell drawing primitives: paint a sprite at a cell, redraw a cell, swap two cells.
#pragma once

#include <optional>

#include "core/board/Board.h"
#include "core/sprites/Canvas.h"
#include "core/sprites/Sprites.h"

namespace boltik::sprites {

class Drawing {
public:
    Drawing(board::Board& board, SpriteStore& sprites, Canvas& canvas)
        : board_(board), sprites_(sprites), canvas_(canvas) {}

    // Paints the picture of object code k at the pixel position (layers 2 and 3) of cell
    // (x, y). A code without a picture paints nothing and returns false.
    bool paintObject(int k, int x, int y);
    // Paints robot view k (0..7) at cell (x, y).
    bool paintRobot(int k, int x, int y);
    bool paintRobot(RobotView v, int x, int y) { return paintRobot(index(v), x, y); }
    bool paintRobot(board::Facing f, int x, int y) { return paintRobot(viewOf(f), x, y); }
    // Paints a picture at a pixel position directly.
    void paintAt(Picture picture, int px, int py) { canvas_.paint(picture, px, py); }

    // DrawZeml: paints cell (x, y) with the picture of its object code. The player's code has
    // no object picture, so the player's cell paints nothing (the player's turn draws it).
    bool DrawZeml(int x, int y);
    // menzeml: exchanges the object codes of two cells and redraws both. Only layer 7 moves;
    // directions, headings and marks stay with their cells.
    void swapCells(int a1, int b1, int a2, int b2);

    Canvas& canvas() { return canvas_; }

private:
    // Paints the picture at the cell's pixel position; the cell is checked either way.
    bool paintAtCell(std::optional<Picture> picture, int x, int y);

    board::Board& board_;
    SpriteStore& sprites_;
    Canvas& canvas_;
};

}  // namespace boltik::sprites
