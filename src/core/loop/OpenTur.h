// Loading a level into the game window's board, with the missing-level question.
#pragma once

#include <string>

#include "core/game/Context.h"

namespace boltik::loop {

// OpenTur: rewrites the counter file, clears ammunition and keys, reads the level file into
// layers 6..9 and the bolt counter, and places the player. When the file cannot be loaded
// it asks "Тура<name>не существует, продолжить ?": "Нет" ends the game (GameQuit), "Да"
// tries the level with the next number, and so on.
void OpenTur(game::Context& ctx, std::string name);

}  // namespace boltik::loop
