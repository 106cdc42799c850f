// The player's shot.
#include "core/player/Shooting.h"

#include "core/board/Rules.h"
#include "core/game/Blasts.h"

namespace boltik::player {

using namespace board;
using game::Context;

namespace {

// Fires towards d from the player's cell: the shot is lost in a cell that swallows it, flies
// from an empty one, and destroys a shootable object point-blank.
void fire(Context& ctx, Dir d) {
    World& w = ctx.world;
    ctx.sprites.nextWalkFrame();
    w.requests.fire[d] = 0;
    w.fireDelay = 0;
    w.kolWeapon.add(-1);
    const int sx = w.playerX + dx(d);
    const int sy = w.playerY + dy(d);
    const int t = ctx.board.code(sx, sy);
    if (info(t).absorbsShot) return;
    if (t == code::kEmpty) {
        const bool vertical = d == Dir::Up || d == Dir::Down;
        ctx.board.setCode(sx, sy, vertical ? code::kShotV : code::kShotH);
        ctx.board.set(sx, sy, layer::kShotDir, index(d));
        if (leadsAhead(d)) ctx.board.set(sx, sy, layer::kMoved, kMarked);
        return;
    }
    if (t == code::kBomb) game::Bombowzr(ctx, sx, sy);
    game::ignite(ctx.board, sx, sy);
}

}  // namespace

void shoot(Context& ctx) {
    World& w = ctx.world;
    for (Dir d : kFireOrder) {
        if (w.kolWeapon.value() > 0 && w.fireDelay >= kFireInterval && w.requests.fire[d] == 1)
            fire(ctx, d);
    }
}

}  // namespace boltik::player
