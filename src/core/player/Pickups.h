// Picking up ammunition, keys and bolts, and opening doors.
#pragma once

#include "core/board/Directions.h"
#include "core/game/Context.h"

namespace boltik::player {

// The cell holding the pickup and the way the robot faces there. The player's own cell is
// playerX, playerY.
struct PickupTarget {
    int x, y;
    board::Facing facing;
};

// Each plays its sound, moves the player onto the target and changes its counter:
// ammunition +kShotsPerAmmo, keys +1, bolts -1.
void EatWeapon(game::Context& ctx, PickupTarget target);
void EatKey(game::Context& ctx, PickupTarget target);
void EatBolt(game::Context& ctx, PickupTarget target);
// With a key, the door vanishes and the player stays, turned to the doorway; without one
// nothing at all happens.
void EatDoor(game::Context& ctx, PickupTarget target);

}  // namespace boltik::player
