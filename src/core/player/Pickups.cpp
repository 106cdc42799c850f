// The four pickups.
#include "core/player/Pickups.h"

#include "core/board/Rules.h"
#include "core/player/MeGo.h"

namespace boltik::player {

using namespace board;
using game::Context;

namespace {

void eat(Context& ctx, PickupTarget t, sound::Effect effect, Counter& counter, int change) {
    sound::restartAndPlay(ctx.sounds, effect);
    stepOnto(ctx, t.x, t.y, t.facing);
    counter.add(change);
}

}  // namespace

void EatWeapon(Context& ctx, PickupTarget target) {
    eat(ctx, target, sound::Effect::EatWeapon, ctx.world.kolWeapon, kShotsPerAmmo);
}

void EatKey(Context& ctx, PickupTarget target) {
    eat(ctx, target, sound::Effect::EatKey, ctx.world.kolKeys, 1);
}

void EatBolt(Context& ctx, PickupTarget target) {
    eat(ctx, target, sound::Effect::EatBolt, ctx.world.kolBolt, -1);
}

void EatDoor(Context& ctx, PickupTarget target) {
    World& w = ctx.world;
    if (w.kolKeys.value() <= 0) return;
    ctx.draw.paintObject(code::kEmpty, target.x, target.y);
    ctx.board.setCode(target.x, target.y, code::kEmpty);
    ctx.draw.paintRobot(target.facing, w.playerX, w.playerY);
    ctx.board.setCode(w.playerX, w.playerY, code::kPlayer);
    w.kolKeys.add(-1);
    sound::restartAndPlay(ctx.sounds, sound::Effect::EatDoor);
}

}  // namespace boltik::player
