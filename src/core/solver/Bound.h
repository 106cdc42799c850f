// What the walls and teleporters of a level allow the robot at best, and from that the fewest
// cycles in which a level can still be won, or the proof that it cannot be won any more.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/board/World.h"

namespace boltik::solver {

// The fewest steps between two cells of a board when nothing but walls stood in the way:
// walls are the only objects nothing ever removes or puts, every other cell may be empty
// one day. A step goes to a neighbouring cell, or through a teleporter from a cell next to
// it to a cell next to its partner. Teleporters are never made during play, only destroyed,
// so the teleporters of the board given are all there will be.
class Reach {
public:
    static constexpr int16_t kNoWay = INT16_MAX;

    // From the board of world as loaded: the play area when a wall ring closes it (nothing then
    // reaches further), otherwise the whole board.
    explicit Reach(const board::World& world);

    // The steps from (x1, y1) to (x2, y2); kNoWay when walls seal one off from the other, or
    // a cell is a wall or off the board.
    int16_t steps(int x1, int y1, int x2, int y2) const;

    // The cells the board held bolts in: bolts never move, and none is ever made.
    const std::vector<std::pair<int, int>>& bolts() const { return bolts_; }
    // The cells that are not walls: the only cells anything ever moves to.
    const std::vector<std::pair<int, int>>& cells() const { return cells_; }

private:
    int node(int x, int y) const;

    std::vector<int> nodeOf_;     // by board cell: its number among the cells not walls, or -1
    std::vector<int16_t> steps_;  // nodes × nodes
    std::size_t nodes_ = 0;
    std::vector<std::pair<int, int>> bolts_;
    std::vector<std::pair<int, int>> cells_;
};

// The fewest cycles in which the player can still win the level as the world stands (one tap
// or shot a cycle), never more than it takes; nothing when it is certain that no sequence of
// moves wins it: the capsule is gone or walled off from the robot, the bolt counter can no
// longer read "0" when the robot reaches a capsule, or fewer bolts are left within the
// robot's reach than the counter asks for. reach must be made from this level's board as it
// was loaded.
std::optional<int> cyclesToWin(const Reach& reach, const board::World& world);

// The fewest cycles to the next bolt taken, or into the capsule when the counter reads "0".
int cyclesToNextBolt(const Reach& reach, const board::World& world);

}  // namespace boltik::solver
