// The state of a level between two cycles as the solver keeps it: only what decides the
// future, packed as its difference from the level's start.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/game/Context.h"

namespace boltik::solver {

// One cell as the rules see it between two cycles: its object, its moved mark and the state
// layers the table of codes gives for that object, in extra (a shot's direction, a teleporter's
// partner, a crawler's heading and hand side, a bat's heading, a magnet's facing, a blast's
// phase). The other layers are stale leftovers or decide only pictures; they are kept as 0.
struct CellState {
    int16_t code = 0;
    int16_t moved = 0;
    int16_t extra[2] = {0, 0};

    bool operator==(const CellState&) const = default;
};

// Everything outside the cells that decides the future. Left out, because they decide only
// pictures: the capsules' shared blink count, teleporter ticks and phases (layers 0 and 1 of
// a teleporter), the robot's walking frame. Left out because a kept state never has them: a
// wreck (its countdown, the lives, startMode). bigCycles is a statistic.
struct Snapshot {
    std::vector<CellState> cells;  // in the order of StateCodec's cells
    int16_t playerX = 0;
    int16_t playerY = 0;
    uint16_t requests = 0;  // the four kinds of request flags, four bits each
    // At most kFireInterval: the rules only ask whether it has reached that. Always kFireInterval
    // when the robot has no ammunition and none lies on the board, so it will never fire.
    int16_t fireDelay = 0;
    int16_t levelDone = 0;
    uint8_t flash = 0;
    std::string bolts, keys, ammo;  // the counters' captions, exactly as shown
    // How many numbers the guns have drawn from the level's seeded generator: with the seed,
    // this decides every shot to come. The codec leaves it to the search to read and set.
    uint32_t draws = 0;

    bool operator==(const Snapshot&) const = default;
};

// Reads, writes and packs the states of one level.
class StateCodec {
public:
    // The level as the main loop has just loaded it in ctx is the start that packed states
    // are told apart from.
    // keepsDraws: the level has guns, whose draws from the seeded generator are part of a
    // state; without guns they are always 0 and are not packed.
    StateCodec(const boltik::game::Context& ctx, bool keepsDraws);

    void read(const boltik::game::Context& ctx, Snapshot& s) const;
    // Puts state `target` into ctx, which holds state `now`: only the cells that differ are
    // written. What the codec leaves out keeps its value.
    void restore(const Snapshot& now, const Snapshot& target, boltik::game::Context& ctx) const;

    void pack(const Snapshot& s, std::vector<uint8_t>& out) const;
    void unpack(std::span<const uint8_t> bytes, Snapshot& s) const;

    const Snapshot& start() const { return start_; }

private:
    void writeCell(std::size_t i, const CellState& c, boltik::board::Board& board) const;
    void writeRest(const Snapshot& s, boltik::game::Context& ctx) const;

    // The board places of the cells kept: the play area when a wall ring closes it (nothing
    // then reaches further), otherwise the whole board.
    std::vector<std::size_t> places_;
    Snapshot start_;
    std::string lives_;
    boltik::board::StartMode startMode_;
    bool keepsDraws_;
};

}  // namespace boltik::solver
