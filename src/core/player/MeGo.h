// The player's turn.
#pragma once

#include "core/game/Context.h"

namespace boltik::player {

// MeGo: handles the pending move requests in the order down, up, left, right (walk, push,
// pickups, capsule, teleport), marks the player's cell after Down and Right, then fires at
// most one shot.
void MeGo(game::Context& ctx);

// The four move requests, with the facing view (index of the robot picture) of each.
enum class Move { Down, Up, Left, Right };

}  // namespace boltik::player
