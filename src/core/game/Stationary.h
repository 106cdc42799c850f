// The three objects whose step does not move them: capsule, teleporter and magnet.
#pragma once

#include "core/game/Context.h"

namespace boltik::game {

// Once every bolt is taken, the capsule step that completes a count of kBlinkPeriod (counted
// over all capsules) exchanges the two capsule pictures and redraws its capsule.
void capsuleStep(Context& ctx, int x, int y);
// Each kBlinkPeriod steps of its own, a teleporter paints its other picture.
void teleporterStep(Context& ctx, int x, int y);
// A magnet facing left strikes the player standing to its left in its row with only floor
// between them.
void magnetStep(Context& ctx, int x, int y);

}  // namespace boltik::game
