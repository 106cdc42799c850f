// Capsule blink, teleporter blink and the magnet's strike.
#include "core/game/Stationary.h"

#include <limits>

#include "core/board/Rules.h"
#include "core/game/Blasts.h"

namespace boltik::game {

using namespace board;

void capsuleStep(Context& ctx, int x, int y) {
    if (++ctx.capsuleTicks != kBlinkPeriod) return;
    ctx.capsuleTicks = 0;
    if (!ctx.world.kolBolt.readsZero()) return;
    ctx.sprites.swapObjects(code::kCapsule, code::kCapsuleLit);
    ctx.draw.DrawZeml(x, y);
}

void teleporterStep(Context& ctx, int x, int y) {
    Board& b = ctx.board;
    const int ticks = b.at(x, y, layer::kTick);
    if (ticks < std::numeric_limits<int16_t>::max()) b.set(x, y, layer::kTick, ticks + 1);
    if (b.at(x, y, layer::kTick) != kBlinkPeriod) return;
    b.set(x, y, layer::kTick, 0);
    if (b.at(x, y, layer::kPhase) != teleporterPicture::kPlainNext) {
        b.set(x, y, layer::kPhase, teleporterPicture::kPlainNext);
        ctx.draw.paintObject(code::kTeleporterLit, x, y);
    } else {
        b.set(x, y, layer::kPhase, teleporterPicture::kLitNext);
        ctx.draw.paintObject(code::kTeleporter, x, y);
    }
}

void magnetStep(Context& ctx, int x, int y) {
    const World& w = ctx.world;
    if (ctx.board.at(x, y, layer::kParamB) != index(Dir::Left)) return;
    if (w.playerY != y || w.playerX >= x) return;
    for (int c = w.playerX + 1; c < x; ++c) {
        if (ctx.board.code(c, y) != code::kEmpty) return;
    }
    ctx.struckFrom = {x, y};
    Destroy(ctx);
}

}  // namespace boltik::game
