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
    bool operator==(const Board&) const = default;

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

    // A cell checked once, for a caller that reads and writes it several times (the main
    // loop's sweep): its place in the board, and the layers read and written through it.
    static std::size_t cell(int x, int y) { return index(x, y, 0); }
    int16_t at(std::size_t cell, int layer) const { return cells_[cell + layerIndex(layer)]; }
    void set(std::size_t cell, int layer, int value) {
        cells_[cell + layerIndex(layer)] = static_cast<int16_t>(value);
    }

private:
    // The checks sit on every access of the rules, so they are inline; the throw is not.
    static std::size_t index(int x, int y, int layer) {
        if (!inside(x, y) || layer < 0 || layer >= kLayerCount) [[unlikely]] {
            outside(x, y, layer);
        }
        return (static_cast<std::size_t>(x) * kBoardSize + static_cast<std::size_t>(y)) *
                   kLayerCount +
               static_cast<std::size_t>(layer);
    }
    static std::size_t layerIndex(int layer) {
        if (layer < 0 || layer >= kLayerCount) [[unlikely]] {
            outside(0, 0, layer);
        }
        return static_cast<std::size_t>(layer);
    }
    [[noreturn]] static void outside(int x, int y, int layer);

    std::array<int16_t, kBoardSize * kBoardSize * kLayerCount> cells_{};
};

// Whether cell (x, y) lies on the border ring of the play area 0..lastCol x 0..lastRow, the
// cells the game keeps as walls. A cell outside the play area is on no ring.
constexpr bool onRing(int x, int y, int lastCol = kLastCol, int lastRow = kLastRow) {
    const bool inArea = x >= 0 && y >= 0 && x <= lastCol && y <= lastRow;
    return inArea && (x == 0 || y == 0 || x == lastCol || y == lastRow);
}

}  // namespace boltik::board
