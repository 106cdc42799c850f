// The player's turn: walking, pushing, the capsule, and handing over to pickups, teleport
// travel and shooting.
#include "core/player/MeGo.h"

#include "core/player/Pickups.h"
#include "core/player/Shooting.h"
#include "core/player/Teleport.h"

namespace boltik::player {

using namespace board;
using game::Context;

namespace {

void walk(Context& ctx, Dir d, int tx, int ty) {
    sound::restartAndPlay(ctx.sounds, sound::Effect::Gi);
    ctx.sprites.nextWalkFrame();
    stepOnto(ctx, tx, ty, facingOf(d));
}

// Pushes the one object in (tx, ty) a cell further; nothing moves if the cell beyond is
// not empty. Only layer 7 of the three cells changes.
void push(Context& ctx, Dir d, int tx, int ty) {
    ctx.sprites.nextWalkFrame();
    const int bx = tx + dx(d);
    const int by = ty + dy(d);
    if (ctx.board.code(bx, by) != code::kEmpty) return;
    sound::restartAndPlay(ctx.sounds, sound::Effect::Move);
    const int16_t pushed = ctx.board.code(tx, ty);
    stepOnto(ctx, tx, ty, facingOf(d));
    ctx.board.setCode(bx, by, pushed);
    ctx.draw.paintObject(pushed, bx, by);
}

// One move request; returns true when the player has entered the open capsule.
bool handleMove(Context& ctx, Dir d) {
    World& w = ctx.world;
    w.requests.key[d] = 0;
    w.requests.fresh[d] = false;
    const int tx = w.playerX + dx(d);
    const int ty = w.playerY + dy(d);
    const PickupTarget target{tx, ty, facingOf(d)};
    const int16_t c = ctx.board.code(tx, ty);
    switch (c) {
        case code::kEmpty:
            walk(ctx, d, tx, ty);
            break;
        case code::kAmmo:
            EatWeapon(ctx, target);
            break;
        case code::kKey:
            EatKey(ctx, target);
            break;
        case code::kDoor:
            EatDoor(ctx, target);
            break;
        case code::kBolt:
            EatBolt(ctx, target);
            break;
        case code::kCapsule:
            if (w.kolBolt.readsZero()) {
                sound::restartAndPlay(ctx.sounds, sound::Effect::Zwezd);
                w.levelDone = kLevelDone;
                return true;
            }
            push(ctx, d, tx, ty);
            break;
        case code::kTeleporter:
            teleportTravel(ctx, d, tx, ty);
            break;
        default:
            if (info(c).pushable) push(ctx, d, tx, ty);
            break;
    }
    if (leadsAhead(d)) ctx.board.set(w.playerX, w.playerY, layer::kMoved, kMarked);
    return false;
}

}  // namespace

void stepOnto(Context& ctx, int tx, int ty, Facing f) {
    World& w = ctx.world;
    ctx.draw.paintObject(code::kEmpty, w.playerX, w.playerY);
    ctx.board.setCode(w.playerX, w.playerY, code::kEmpty);
    ctx.draw.paintRobot(f, tx, ty);
    ctx.board.setCode(tx, ty, code::kPlayer);
    w.playerX = static_cast<int16_t>(tx);
    w.playerY = static_cast<int16_t>(ty);
}

void MeGo(Context& ctx) {
    for (Dir d : kMoveOrder) {
        if (ctx.world.requests.key[d] != 1) continue;
        if (handleMove(ctx, d)) return;
    }
    shoot(ctx);
}

}  // namespace boltik::player
