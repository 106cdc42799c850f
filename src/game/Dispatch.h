// The main loop's table from object code to the object's step, and its error mode.
#pragma once

#include <cstdint>

#include "board/Board.h"
#include "game/Context.h"

namespace boltik::game {

// Runs one statement of the main loop: a failing board access ends only that statement.
template <typename Fn>
void resumeNext(Fn&& fn) {
    try {
        fn();
    } catch (const board::BoardError&) {
    }
}

// Gives the object with code c in cell (x, y) its step. Codes without a step do nothing.
void dispatch(Context& ctx, int16_t c, int x, int y);

}  // namespace boltik::game
