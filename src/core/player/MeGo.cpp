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

struct MoveRequest {
    Move move;
    int16_t Requests::*flag;
    bool Requests::*fresh;
    int dx, dy;
    int facing;  // robot view: 0 down, 1 left, 2 right, 3 up
};

constexpr MoveRequest kMoves[4] = {
    {Move::Down, &Requests::keyDown, &Requests::freshDown, 0, 1, 0},
    {Move::Up, &Requests::keyUp, &Requests::freshUp, 0, -1, 3},
    {Move::Left, &Requests::keyLeft, &Requests::freshLeft, -1, 0, 1},
    {Move::Right, &Requests::keyRight, &Requests::freshRight, 1, 0, 2},
};

void walk(Context& ctx, const MoveRequest& r, int tx, int ty) {
    World& w = ctx.world;
    sound::restartAndPlay(ctx.sounds, sound::Effect::Gi);
    ctx.sprites.robchan();
    ctx.draw.paintGraph(code::kEmpty, w.playerX, w.playerY);
    ctx.board.setCode(w.playerX, w.playerY, code::kEmpty);
    w.playerX = static_cast<int16_t>(tx);
    w.playerY = static_cast<int16_t>(ty);
    ctx.board.setCode(tx, ty, code::kPlayer);
    ctx.draw.paintMes(r.facing, tx, ty);
}

// Pushes the one object in (tx, ty) a cell further; nothing moves if the cell beyond is
// not empty. Only layer 7 of the three cells changes.
void push(Context& ctx, const MoveRequest& r, int tx, int ty) {
    World& w = ctx.world;
    ctx.sprites.robchan();
    const int bx = tx + r.dx;
    const int by = ty + r.dy;
    if (ctx.board.code(bx, by) != code::kEmpty) return;
    sound::restartAndPlay(ctx.sounds, sound::Effect::Move);
    const int16_t pushed = ctx.board.code(tx, ty);
    ctx.board.setCode(w.playerX, w.playerY, code::kEmpty);
    ctx.board.setCode(tx, ty, code::kPlayer);
    ctx.board.setCode(bx, by, pushed);
    ctx.draw.paintGraph(code::kEmpty, w.playerX, w.playerY);
    ctx.draw.paintMes(r.facing, tx, ty);
    ctx.draw.paintGraph(pushed, bx, by);
    w.playerX = static_cast<int16_t>(tx);
    w.playerY = static_cast<int16_t>(ty);
}

// One move request; returns true when the player has entered the open capsule.
bool handleMove(Context& ctx, const MoveRequest& r) {
    World& w = ctx.world;
    w.requests.*r.flag = 0;
    w.requests.*r.fresh = false;
    const int tx = w.playerX + r.dx;
    const int ty = w.playerY + r.dy;
    const PickupTarget target{tx, ty, r.facing};
    switch (ctx.board.code(tx, ty)) {
        case code::kEmpty:
            walk(ctx, r, tx, ty);
            break;
        case code::kBox:
        case code::kBomb:
            push(ctx, r, tx, ty);
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
                w.levelDone = -1;
                return true;
            }
            push(ctx, r, tx, ty);
            break;
        case code::kTeleporter:
            teleportTravel(ctx, r.move, tx, ty);
            break;
        default:
            break;
    }
    if (r.move == Move::Down || r.move == Move::Right) {
        ctx.board.set(w.playerX, w.playerY, layer::kMoved, -1);
    }
    return false;
}

}  // namespace

void MeGo(Context& ctx) {
    for (const MoveRequest& r : kMoves) {
        if (ctx.world.requests.*r.flag != 1) continue;
        if (handleMove(ctx, r)) return;
    }
    shoot(ctx);
}

}  // namespace boltik::player
