// The player's turn.
#pragma once

#include "core/board/Directions.h"
#include "core/game/Context.h"

namespace boltik::player {

// MeGo: handles the pending move requests in the order down, up, left, right (walk, push,
// pickups, capsule, teleport), marks the player's cell after Down and Right, then fires at
// most one shot.
void MeGo(game::Context& ctx);

// The player steps from its cell onto (tx, ty): the floor is painted and written where it
// stood, the robot facing f where it now stands, and playerX, playerY follow it.
void stepOnto(game::Context& ctx, int tx, int ty, board::Facing f);

}  // namespace boltik::player
