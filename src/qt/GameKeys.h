// The game window's keys as the rules take them: an arrow's direction, Shift for a shot, and
// Escape.
#pragma once

#include <QKeyEvent>
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
// The arrow key of a direction: the other way round from gameKey.
int arrowKey(board::Dir dir);

// The Latin letter key that sits where the key pressed sits, whatever the keyboard layout: the
// P of pause is the key that types З on a Russian layout. Told by the key's native scan code
// where the platform gives the common one (X11 and Wayland), else by the Russian layout's
// letters; any other key is returned as it is.
int keyByPlace(const QKeyEvent& event);
// keyByPlace for a key code alone (a Cyrillic letter of the Russian layout, or any other key).
int keyByPlace(int qtKey);

// An arrow asks for a shot when Shift alone is held: Shift with Ctrl or Alt asks for a move.
bool asksForShot(Qt::KeyboardModifiers modifiers);

}  // namespace boltik::qt
