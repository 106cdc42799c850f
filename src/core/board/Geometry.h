// Where cells lie on the board picture: the pixel geometry of layers 2..5.
#pragma once

#include "core/board/Board.h"

namespace boltik::board {

// Sets layers 2..5 of cell (x, y) for square cells of the given size in pixels: left x * size,
// top y * size, height and width size, each rounded half to even. Throws BoardError, writing
// nothing, for a cell outside the board or a position beyond 16 bits.
void placeCell(Board& board, int x, int y, double size);

// The pixels spanned by that many cells of the given size.
int span(int cells, double size);

}  // namespace boltik::board
