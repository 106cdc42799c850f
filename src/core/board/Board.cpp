// Checked cell access of the board.
#include "core/board/Board.h"

#include <string>

namespace boltik::board {

std::size_t Board::index(int x, int y, int layer) {
    if (!inside(x, y) || layer < 0 || layer >= kLayerCount) {
        throw BoardError("board access outside the board: (" + std::to_string(x) + ", " +
                         std::to_string(y) + ", layer " + std::to_string(layer) + ")");
    }
    return (static_cast<std::size_t>(x) * kBoardSize + static_cast<std::size_t>(y)) * kLayerCount +
           static_cast<std::size_t>(layer);
}

}  // namespace boltik::board
