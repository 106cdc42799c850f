// The arrows and Escape as the rules take them: request flags by direction, and the Escape
// questions.
#pragma once

#include "core/board/Directions.h"
#include "core/board/World.h"
#include "core/game/Context.h"

namespace boltik::player {

// The arrow of direction d went down. With shot (Shift alone held, as the window reads it) it
// asks for a shot, otherwise for a move. The first key-down after a key-up marks the move
// request fresh.
void keyDown(board::World& world, board::Dir d, bool shot);
// The arrow of direction d went up: its shot request is cleared, and its move request unless
// fresh.
void keyUp(board::World& world, board::Dir d);

enum class EscapeAnswer { Quit, Restart, Continue };

// Escape: "Вы уверены, что хотите выйти ?" — "Да" quits the game (the caller closes the
// window); otherwise "Вы хотите перезапустить тур ?" — "Да" wrecks the level.
EscapeAnswer escape(game::Context& ctx);

}  // namespace boltik::player
