// Cell positions on the board picture.
#include "core/board/Geometry.h"

#include <cmath>
#include <limits>

namespace boltik::board {

namespace {

// Rounds half to even into 16 bits, as cell positions are stored.
int16_t roundToCell(double value) {
    const double r = std::nearbyint(value);
    if (!(r >= std::numeric_limits<int16_t>::min() && r <= std::numeric_limits<int16_t>::max())) {
        throw BoardError("cell position out of range");
    }
    return static_cast<int16_t>(r);
}

}  // namespace

void placeCell(Board& board, int x, int y, double size) {
    const int16_t left = roundToCell(x * size);
    const int16_t top = roundToCell(y * size);
    const int16_t side = roundToCell(size);
    board.at(x, y, layer::kLeft);  // checks the cell before anything is written
    board.set(x, y, layer::kLeft, left);
    board.set(x, y, layer::kTop, top);
    board.set(x, y, layer::kHeight, side);
    board.set(x, y, layer::kWidth, side);
}

int span(int cells, double size) {
    return static_cast<int>(cells * size);
}

}  // namespace boltik::board
