// Teleport travel: the player dissolves and re-forms beside the partner teleporter.
#pragma once

#include "core/board/Directions.h"
#include "core/game/Context.h"

namespace boltik::player {

// The move request towards d met the teleporter at (tx, ty). The player's cell starts a
// forward blast; the first free side of the partner, tried in the order the move gives, starts
// a backward one that ends with the robot. With no side free the robot re-forms in place.
// Sides outside the play area are never free.
void teleportTravel(game::Context& ctx, board::Dir d, int tx, int ty);

}  // namespace boltik::player
