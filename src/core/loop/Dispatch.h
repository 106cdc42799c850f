// The main loop's table from object code to the object's step, and its error mode.
#pragma once

#include <cstdint>

#include "core/board/Board.h"
#include "core/game/Context.h"

namespace boltik::loop {

// Gives the object with code c in cell (x, y) its step. Codes without a step do nothing.
void dispatch(game::Context& ctx, int16_t c, int x, int y);

}  // namespace boltik::loop
