// The two moving enemies: the wall-following crawler and the shuttling bat.
#pragma once

#include "core/game/Context.h"

namespace boltik::game {

// Crawler (50): heading in layer 8, hand side in layer 9. Moves by its hand rule when its
// mark is clear, then strikes the player next to where its turn began, whatever its mark.
void crawlerStep(Context& ctx, int x, int y);
// Bat (60): heading in layer 8. Strikes a neighbouring player unless a wreck is running,
// then moves on or turns round.
void batStep(Context& ctx, int x, int y);

}  // namespace boltik::game
