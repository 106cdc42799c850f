// Board directions, the robot's facing, and the fixed orders in which the rules try them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace boltik::board {

// A direction on the board, numbered as board layers hold it (shot direction, headings, hand
// sides, magnet facing): 0 up (y - 1), 1 right (x + 1), 2 down (y + 1), 3 left (x - 1).
enum class Dir : int8_t { Up = 0, Right = 1, Down = 2, Left = 3 };

inline constexpr std::array<Dir, 4> kAllDirs = {Dir::Up, Dir::Right, Dir::Down, Dir::Left};

// The number a layer stores for the direction, and the array index of per-direction data.
constexpr int index(Dir d) {
    return static_cast<int>(d);
}
constexpr int dx(Dir d) {
    return d == Dir::Right ? 1 : d == Dir::Left ? -1 : 0;
}
constexpr int dy(Dir d) {
    return d == Dir::Down ? 1 : d == Dir::Up ? -1 : 0;
}
// The direction after the given number of quarter turns clockwise (negative: anticlockwise).
constexpr Dir turned(Dir d, int quarterTurns) {
    return static_cast<Dir>(((index(d) + quarterTurns) % 4 + 4) % 4);
}
constexpr Dir opposite(Dir d) {
    return turned(d, 2);
}
// The direction a layer value names; nothing for a value outside 0..3.
constexpr std::optional<Dir> dirFromLayer(int value) {
    if (value < 0 || value > 3) return std::nullopt;
    return static_cast<Dir>(value);
}
// Down and right lead to cells the sweep of a cycle reaches later (it goes column by column,
// each column top to bottom), so whatever moves there must be marked as moved.
constexpr bool leadsAhead(Dir d) {
    return d == Dir::Down || d == Dir::Right;
}
// The direction's word in scripts and recordings, and the direction a word names.
constexpr const char* dirName(Dir d) {
    constexpr const char* kNames[] = {"up", "right", "down", "left"};
    return kNames[index(d)];
}
constexpr std::optional<Dir> dirNamed(std::string_view word) {
    for (Dir d : kAllDirs) {
        if (word == dirName(d)) return d;
    }
    return std::nullopt;
}

// Four values, one for each direction.
template <typename T>
struct ByDir {
    std::array<T, 4> values{};
    constexpr T& operator[](Dir d) { return values[index(d)]; }
    constexpr const T& operator[](Dir d) const { return values[index(d)]; }
};

// The robot's facing, numbered as its pictures are (the views mes(0..3)) and as the pickups
// receive it: 0 down, 1 left, 2 right, 3 up. It is not a board direction and is never stored
// in a layer as one.
enum class Facing : int8_t { Down = 0, Left = 1, Right = 2, Up = 3 };

constexpr int index(Facing f) {
    return static_cast<int>(f);
}
constexpr Facing facingOf(Dir d) {
    switch (d) {
        case Dir::Up:
            return Facing::Up;
        case Dir::Right:
            return Facing::Right;
        case Dir::Down:
            return Facing::Down;
        case Dir::Left:
            break;
    }
    return Facing::Left;
}

// The player's turn handles its move requests in this order.
inline constexpr std::array<Dir, 4> kMoveOrder = {Dir::Down, Dir::Up, Dir::Left, Dir::Right};
// The player's shot tries its requests in this order; the first that can fire does.
inline constexpr std::array<Dir, 4> kFireOrder = {Dir::Up, Dir::Right, Dir::Left, Dir::Down};

}  // namespace boltik::board
