// Checked cell access of the board.
#include "core/board/Board.h"

#include <string>

namespace boltik::board {

void Board::outside(int x, int y, int layer) {
    throw BoardError("board access outside the board: (" + std::to_string(x) + ", " +
                     std::to_string(y) + ", layer " + std::to_string(layer) + ")");
}

}  // namespace boltik::board
