// The main loop: one call plays one level; the Starter tick runs it and draws the curtain.
#pragma once

#include "core/game/Context.h"

namespace boltik::loop {

// How a call of Game ended.
enum class GameEnd {
    LevelDone,  // the player entered the open capsule
    Wrecked,    // the countdown after a level wreck ran out
    Stopped,    // a headless run reached its cycle limit
};

inline constexpr int kCycleColumnRounds = 2001;
inline constexpr int kRevealColumnRounds = 8001;
inline constexpr int kCurtainColumnRounds = 10001;

// Game: prepares the geometry, loads the level that startMode names, reveals the board,
// plays the start sound and runs cycles until the level is finished or the wreck
// countdown has run out. GameQuit from the host or the level load passes through.
GameEnd Game(game::Context& ctx);

// The two halves of Game, for callers that step a level themselves (the solver):
// the start of a call (geometry, the level, the reveal, the start sound), false when a cycle
// limit of 0 stops the call right after the load; and one cycle.
enum class CycleEnd { Continue, LevelDone, Wrecked };
bool loadLevel(game::Context& ctx);
CycleEnd runCycle(game::Context& ctx);

// The most yields a call of Game makes up to the end of its given cycle: one a column of the
// reveal, one for the all-bolts flash, and in each cycle one a cell step and one at its end.
// Every input of a recording lies within the yields of its cycles. Saturates.
long yieldsUpTo(long cycles, int lastCol = board::kLastCol, int lastRow = board::kLastRow);

// One tick of the Starter timer: Game, then after a finished level that had been chosen or
// replayed (startMode 0) the curtain and startMode 3, so the next tick loads the next number.
void Starter(game::Context& ctx);

}  // namespace boltik::loop
