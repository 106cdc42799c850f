// The level in play taken back to an earlier cycle.
#include "core/headless/Rewind.h"

#include "core/board/Board.h"
#include "core/headless/HeadlessGame.h"

namespace boltik::headless {

bool mayRewind(const game::Context& ctx) {
    return ctx.cycles > 0 && ctx.world.wreckCountdown == 0 && ctx.world.levelDone == 0;
}

bool rewindTo(game::Context& ctx, session::SessionHost& host, session::Live& live, long cycles) {
    board::World& world = ctx.world;
    const auto played = live.played(world);
    if (!played) return false;
    const auto state = stateAfter(*played, cycles);
    if (!state) return false;
    // The rules' layers of every cell; the pixel places stay those of the program's canvas.
    board::Board& b = world.board;
    for (int x = 0; x < board::kBoardSize; ++x) {
        for (int y = 0; y < board::kBoardSize; ++y) {
            for (int l = 0; l < board::kLayerCount; ++l) {
                if (l >= board::layer::kLeft && l <= board::layer::kWidth) continue;
                b.set(x, y, l, state->world.board.at(x, y, l));
            }
        }
    }
    const board::World& then = state->world;
    world.kolBolt.setCaption(then.kolBolt.caption());
    world.kolKeys.setCaption(then.kolKeys.caption());
    world.kolWeapon.setCaption(then.kolWeapon.caption());
    world.playerX = then.playerX;
    world.playerY = then.playerY;
    world.requests = then.requests;
    world.fireDelay = then.fireDelay;
    world.levelDone = then.levelDone;
    world.wreckCountdown = then.wreckCountdown;
    // The cell steps counted are those of the timeline kept, as its recording counts them.
    world.bigCycles = then.bigCycles;
    ctx.capsuleTicks = state->capsuleTicks;
    ctx.flashState = state->flashState;
    ctx.cycles = state->cycles;
    host.moveToYield(state->yieldPoint);
    host.setRandom(played->seed, state->draws);
    live.rewoundTo(state->yieldPoint);
    repaintBoard(ctx);
    return true;
}

void repaintBoard(game::Context& ctx) {
    const board::World& world = ctx.world;
    for (int x = 0; x <= world.lastCol; ++x) {
        for (int y = 0; y <= world.lastRow; ++y) {
            board::resumeNext([&] {
                if (world.board.code(x, y) == board::code::kPlayer) {
                    ctx.draw.paintRobot(sprites::RobotView::Down, x, y);
                } else {
                    ctx.draw.DrawZeml(x, y);
                }
            });
        }
    }
}

}  // namespace boltik::headless
