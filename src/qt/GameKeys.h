// The game window's keys as the rules take them: an arrow's direction, Shift for a shot, and
// Escape.
#pragma once

#include <Qt>

#include "core/board/Directions.h"

namespace boltik::qt {

// What a key of the game window is to the game: an arrow with its direction, Escape, or a key
// the game does not know.
struct GameKey {
    enum class Kind { Other, Arrow, Escape };
    Kind kind = Kind::Other;
    board::Dir dir = board::Dir::Up;  // for an arrow
};

GameKey gameKey(int qtKey);

// An arrow asks for a shot when Shift alone is held: Shift with Ctrl or Alt asks for a move.
bool asksForShot(Qt::KeyboardModifiers modifiers);

}  // namespace boltik::qt
