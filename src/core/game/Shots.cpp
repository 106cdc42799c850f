// Shots and guns. Moving up or left a shot enters only empty cells; moving down or right it
// also passes through blast stages 100..103, and a blocker there loses its turn.
#include "core/game/Shots.h"

#include "core/board/Rules.h"
#include "core/game/Blasts.h"

namespace boltik::game {

using namespace board;

namespace {

bool passableForward(int c) {
    return c == code::kEmpty || (c >= code::kBlast1 && c <= code::kBlast4);
}

// The shot at (sx, sy) hits target (tx, ty), a shootable object or the player.
void hit(Context& ctx, int sx, int sy, int tx, int ty) {
    if (ctx.board.code(tx, ty) == code::kPlayer) {
        ctx.struckFrom = {sx, sy};
        Destroy(ctx);
    }
    if (ctx.board.code(tx, ty) == code::kBomb) BombowzrResumingNext(ctx, tx, ty);
    ctx.draw.paintObject(code::kEmpty, sx, sy);
    ctx.board.setCode(sx, sy, code::kEmpty);
    ignite(ctx.board, tx, ty);
    ctx.draw.paintObject(code::kBlast1, tx, ty);
}

void stopInPlace(Context& ctx, int x, int y) {
    ignite(ctx.board, x, y);
    ctx.draw.paintObject(code::kBlast1, x, y);
}

// Moves the shot of the given code from (x, y) to (tx, ty) with direction d.
void move(Context& ctx, int16_t shot, int x, int y, int tx, int ty, Dir d) {
    ctx.board.setCode(x, y, code::kEmpty);
    ctx.board.setCode(tx, ty, shot);
    ctx.board.set(tx, ty, layer::kShotDir, index(d));
    if (leadsAhead(d)) ctx.board.set(tx, ty, layer::kMoved, kMarked);
    ctx.draw.paintObject(code::kEmpty, x, y);
    ctx.draw.paintObject(shot, tx, ty);
}

// One flight step of a shot in direction d. Backward directions (up, left) enter only
// empty cells; forward ones (down, right) also blasts, and mark what they enter or hit.
void fly(Context& ctx, int16_t shot, int x, int y, Dir d, bool hurtsPlayer) {
    const int tx = x + dx(d);
    const int ty = y + dy(d);
    const int t = ctx.board.code(tx, ty);
    const bool forward = leadsAhead(d);
    if (forward ? passableForward(t) : t == code::kEmpty) {
        move(ctx, shot, x, y, tx, ty, d);
    } else if (info(t).shootable || (hurtsPlayer && t == code::kPlayer)) {
        hit(ctx, x, y, tx, ty);
    } else {
        stopInPlace(ctx, x, y);
        if (forward) ctx.board.set(tx, ty, layer::kMoved, kMarked);
    }
}

void shotStep(Context& ctx, int16_t shot, int x, int y, Dir back, Dir forward, bool hurts) {
    if (ctx.board.at(x, y, layer::kMoved) != 0) return;
    if (ctx.board.at(x, y, layer::kShotDir) == index(back)) fly(ctx, shot, x, y, back, hurts);
    // Tested again on the shot's own cell: a shot that went back left nothing here.
    if (ctx.board.at(x, y, layer::kShotDir) == index(forward) && ctx.board.code(x, y) == shot) {
        fly(ctx, shot, x, y, forward, hurts);
    }
}

}  // namespace

void verticalShotStep(Context& ctx, int x, int y) {
    shotStep(ctx, code::kShotV, x, y, Dir::Up, Dir::Down, true);
}

void horizontalShotStep(Context& ctx, int x, int y) {
    shotStep(ctx, code::kShotH, x, y, Dir::Left, Dir::Right, false);
}

void gunStep(Context& ctx, int x, int y) {
    if (static_cast<int>(ctx.host.random() * kGunOdds) != 1) return;
    const bool down = ctx.board.code(x, y) == code::kGunDown;
    const int ty = down ? y + 1 : y - 1;
    if (ctx.board.code(x, ty) == code::kPlayer) {
        ctx.struckFrom = {x, y};
        Destroy(ctx);
    }
    const int t = ctx.board.code(x, ty);
    if (info(t).shootable) {
        if (t == code::kBomb) BombowzrResumingNext(ctx, x, ty);
        ignite(ctx.board, x, ty);
    } else if (t == code::kEmpty) {
        // Only an empty cell takes a new shot: walls, boxes, keys, doors, bolts and
        // burning cells are left as they are.
        ctx.board.setCode(x, ty, code::kShotV);
        ctx.board.set(x, ty, layer::kMoved, kMarked);
        ctx.board.set(x, ty, layer::kShotDir, index(down ? Dir::Down : Dir::Up));
    }
}

}  // namespace boltik::game
