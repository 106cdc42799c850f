// The player's shot.
#include "core/player/Shooting.h"

#include "core/game/Blasts.h"

namespace boltik::player {

using namespace board;
using game::Context;

namespace {

struct FireRequest {
    int16_t Requests::*flag;
    int dx, dy;
    int16_t shot;
    int direction;
};

constexpr FireRequest kFires[4] = {
    {&Requests::fireUp, 0, -1, code::kShotV, dir::kUp},
    {&Requests::fireRight, 1, 0, code::kShotH, dir::kRight},
    {&Requests::fireLeft, -1, 0, code::kShotH, dir::kLeft},
    {&Requests::fireDown, 0, 1, code::kShotV, dir::kDown},
};

// Codes that swallow a shot fired point-blank: it is lost and the board is unchanged.
bool absorbsShot(int t) {
    return t == code::kWall || t == code::kBox || t == code::kKey || t == code::kDoor ||
           t == code::kBolt || t >= 100;
}

void fire(Context& ctx, const FireRequest& f) {
    World& w = ctx.world;
    ctx.sprites.robchan();
    w.requests.*f.flag = 0;
    w.fireDelay = 0;
    w.kolWeapon.add(-1);
    const int sx = w.playerX + f.dx;
    const int sy = w.playerY + f.dy;
    const int t = ctx.board.code(sx, sy);
    if (absorbsShot(t)) return;
    if (t == code::kEmpty) {
        ctx.board.setCode(sx, sy, f.shot);
        ctx.board.set(sx, sy, layer::kShotDir, f.direction);
        if (f.direction == dir::kRight || f.direction == dir::kDown) {
            ctx.board.set(sx, sy, layer::kMoved, -1);
        }
        return;
    }
    if (t == code::kBomb) game::Bombowzr(ctx, sx, sy);
    game::ignite(ctx.board, sx, sy);
}

}  // namespace

void shoot(Context& ctx) {
    World& w = ctx.world;
    for (const FireRequest& f : kFires) {
        if (w.kolWeapon.value() > 0 && w.fireDelay >= 10 && w.requests.*f.flag == 1) fire(ctx, f);
    }
}

}  // namespace boltik::player
