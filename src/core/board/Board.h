// The board: 31 x 31 cells of eleven signed 16-bit layers, with checked access.
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>

#include "core/board/Codes.h"

namespace boltik::board {

// Thrown by any board access with a column or row outside 0..30 or a layer outside 0..10.
// The access writes nothing. Procedures without error handling of their own end there;
// the main loop catches it around each step and goes on.
class BoardError : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
};

// resumeNext: runs one statement in the mode that skips only that statement when a board
// access fails, as the main loop and the window's load run every statement.
template <typename Fn>
void resumeNext(Fn&& fn) {
    try {
        fn();
    } catch (const BoardError&) {
    }
}

class Board {
public:
    int16_t at(int x, int y, int layer) const { return cells_[index(x, y, layer)]; }
    // Stores the value truncated to 16 bits, as the level format and the rules keep them.
    void set(int x, int y, int layer, int value) {
        cells_[index(x, y, layer)] = static_cast<int16_t>(value);
    }

    int16_t code(int x, int y) const { return at(x, y, layer::kCode); }
    void setCode(int x, int y, int value) { set(x, y, layer::kCode, value); }

    static bool inside(int x, int y) {
        return x >= 0 && x < kBoardSize && y >= 0 && y < kBoardSize;
    }

private:
    static std::size_t index(int x, int y, int layer);

    std::array<int16_t, kBoardSize * kBoardSize * kLayerCount> cells_{};
};

}  // namespace boltik::board
