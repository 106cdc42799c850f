// The three objects whose step does not move them: capsule, teleporter and magnet.
#pragma once

#include "core/game/Context.h"

namespace boltik::game {

// Once every bolt is taken, every tenth capsule step (counted over all capsules) exchanges
// the two capsule pictures and redraws the capsule that completed the count.
void capsuleStep(Context& ctx, int x, int y);
// Every tenth step of its own, a teleporter paints its other picture.
void teleporterStep(Context& ctx, int x, int y);
// A magnet facing left strikes the player standing to its left in its row with only floor
// between them.
void magnetStep(Context& ctx, int x, int y);

}  // namespace boltik::game
