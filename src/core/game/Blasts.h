// Blast stages, fuses, a bomb's explosion and the level wreck.
#pragma once

#include "core/game/Context.h"

namespace boltik::game {

// Turns cell (x, y) into blast stage 100. A cell that was not already burning gets a
// forward phase flag, so a stale flag (a teleporter's picture phase, an old level's value)
// can never make it re-form as the robot; a blast stage blasted again keeps its flag.
void ignite(board::Board& board, int x, int y);

// One stage of a blast: forward towards the floor, or backward towards the re-forming robot.
void blastStep(Context& ctx, int x, int y);
// A primed bomb goes off when the sweep reaches it with its mark clear.
void fuseStep(Context& ctx, int x, int y);

// Bombowzr: the blast of the bomb at (a, b) on its eight neighbours, in a fixed order. A
// neighbour outside the board ends it there (BoardError), as every failing access does.
void Bombowzr(Context& ctx, int a, int b);
// Bombowzr as the main loop's steps call it: a failure ends only the blast.
void BombowzrResumingNext(Context& ctx, int a, int b);

// Destroy: the level wreck. Every object but walls bursts, a life is lost, the level is
// replayed when the countdown has run out.
void Destroy(Context& ctx);

}  // namespace boltik::game
