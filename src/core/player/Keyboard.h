// Keyboard input of the game window as request flags, and the Escape questions.
#pragma once

#include <optional>

#include "core/board/Directions.h"
#include "core/board/World.h"
#include "core/game/Context.h"

namespace boltik::player {

// Windows virtual-key codes, as the game names its keys.
inline constexpr int kKeyEscape = 27;
inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyRight = 39;
inline constexpr int kKeyDown = 40;
// The shift state of Shift alone.
inline constexpr int kShiftAlone = 1;

// The direction of an arrow key; nothing for other keys.
std::optional<board::Dir> arrowDir(int keyCode);
// The arrow key of a direction.
int arrowKey(board::Dir d);

// An arrow key went down. With Shift alone it asks for a shot, otherwise for a move. The
// first key-down after a key-up marks the move request fresh.
void keyDown(board::World& world, int keyCode, int shiftState);
// An arrow key went up: its shot request is cleared, and its move request unless fresh.
void keyUp(board::World& world, int keyCode);

enum class EscapeAnswer { Quit, Restart, Continue };

// Escape: "Вы уверены, что хотите выйти ?" — "Да" quits the game (the caller closes the
// window); otherwise "Вы хотите перезапустить тур ?" — "Да" wrecks the level.
EscapeAnswer escape(game::Context& ctx);

}  // namespace boltik::player
