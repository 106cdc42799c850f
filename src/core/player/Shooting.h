// The player's shot, the last step of the turn.
#pragma once

#include "core/game/Context.h"

namespace boltik::player {

// Fires at most one pending shot, tried in the order up, right, left, down, when there is
// ammunition and at least kFireInterval cycles have passed since the last shot.
void shoot(game::Context& ctx);

}  // namespace boltik::player
