// Taking the player's level in play back to an earlier cycle (Backspace), the same in the game
// window and in the web page: the level's recorded inputs are played headless from its start
// to that cycle, and the game in play takes over the state they reach.
#pragma once

#include "core/game/Context.h"
#include "core/session/SessionHost.h"
#include "core/session/Sessions.h"

namespace boltik::headless {

// One press of Backspace takes the level back this many cycles: three seconds at the pace of
// the game.
inline constexpr long kRewindCycles = 30;

// Whether the level in play may be taken back now: it has run a cycle, and it is neither being
// wrecked nor leaving through the curtain.
bool mayRewind(const game::Context& ctx);

// Puts the game in ctx (played by host, recorded by live) into the state the level reached
// after `cycles` of its cycles (1 or more): the rules' layers of every cell (the pixel places
// stay the program's own), the counters, the robot's place, the keys held, the context's
// counts, the host's yields and the guns' generator; the board is painted again. The recording
// forgets what came after, so the level's best result counts as rewound. False, with nothing
// changed, when the recorded level cannot be played that far.
bool rewindTo(game::Context& ctx, session::SessionHost& host, session::Live& live, long cycles);

// Paints every cell of the play area as its code says, the robot facing down.
void repaintBoard(game::Context& ctx);

}  // namespace boltik::headless
