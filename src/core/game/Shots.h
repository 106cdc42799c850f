// Flying shots and the guns that fire them.
#pragma once

#include "core/game/Context.h"

namespace boltik::game {

// A vertical shot (120) moves up or down one cell a cycle; layer 6 holds its direction.
void verticalShotStep(Context& ctx, int x, int y);
// A horizontal shot (122) moves left or right; it never harms the player.
void horizontalShotStep(Context& ctx, int x, int y);
// A gun fires with one chance in kGunOdds a cycle, whatever its mark.
void gunStep(Context& ctx, int x, int y);

}  // namespace boltik::game
