// The game's level load and its question for a level that cannot be loaded.
#include "core/loop/OpenTur.h"

#include "core/board/LevelFile.h"
#include "core/board/LevelNames.h"

namespace boltik::loop {

using namespace board;
using game::Context;
using game::GameQuit;

namespace {

bool loadOnce(Context& ctx, const std::string& name) {
    World& w = ctx.world;
    // The counter is a statistic only: failing to write it must not stop the level.
    if (ctx.writesCounterFile) writeCounterFile(w.bigCycles);
    w.kolWeapon.setCaption("0");
    w.kolKeys.setCaption("0");
    w.levelName = name;
    const LevelReadResult result = readLevelFile(name, w.board, w.lastCol, w.lastRow);
    if (result.playerFound) {
        w.playerX = static_cast<int16_t>(result.playerX);
        w.playerY = static_cast<int16_t>(result.playerY);
    }
    if (!result.ok) return false;
    w.kolBolt.setCaption(result.boltLine);
    if (w.playerX == 1 && w.playerY == 1) w.board.setCode(1, 1, code::kPlayer);
    return true;
}

}  // namespace

void OpenTur(Context& ctx, std::string name) {
    // A loop, not a recursion: a long run of missing numbers must not grow the stack.
    while (!loadOnce(ctx, name)) {
        const int answer = ctx.host.askUser(game::missingLevelQuestion(name));
        if (answer == 2) throw GameQuit{};
        name = nextLevelName(name);
    }
}

}  // namespace boltik::loop
