// Crawler and bat.
#include "core/game/Enemies.h"

#include "core/game/Blasts.h"

namespace boltik::game {

using namespace board;

namespace {

bool validHeading(int d) {
    return d >= 0 && d <= 3;
}

bool playerNextTo(const Board& b, int x, int y) {
    return b.code(x + 1, y) == code::kPlayer || b.code(x - 1, y) == code::kPlayer ||
           b.code(x, y + 1) == code::kPlayer || b.code(x, y - 1) == code::kPlayer;
}

// Turn towards the hand side, else straight on, else away from it; else round in place.
void crawlerMove(Context& ctx, int x, int y) {
    Board& b = ctx.board;
    const int d = b.at(x, y, layer::kParamA);
    if (!validHeading(d)) return;
    const bool rightHanded = b.at(x, y, layer::kParamB) == (d + 1) % 4;
    const int toHand = rightHanded ? 1 : 3;
    const int tries[3] = {(d + toHand) % 4, d, (d + 4 - toHand) % 4};
    for (int m : tries) {
        const int nx = x + dir::kDx[m];
        const int ny = y + dir::kDy[m];
        if (b.code(nx, ny) != code::kEmpty) continue;
        ctx.draw.menzeml(x, y, nx, ny);
        b.set(nx, ny, layer::kParamA, m);
        b.set(nx, ny, layer::kParamB, (m + toHand) % 4);
        if (m == dir::kRight || m == dir::kDown) b.set(nx, ny, layer::kMoved, -1);
        return;
    }
    ctx.draw.DrawZeml(x, y);
    b.set(x, y, layer::kParamA, (d + 2) % 4);
    b.set(x, y, layer::kParamB, (d + 2 + toHand) % 4);
    b.set(x, y, layer::kMoved, -1);
}

}  // namespace

void crawlerStep(Context& ctx, int x, int y) {
    if (ctx.board.at(x, y, layer::kMoved) == 0) crawlerMove(ctx, x, y);
    if (playerNextTo(ctx.board, x, y)) Destroy(ctx);
}

void batStep(Context& ctx, int x, int y) {
    Board& b = ctx.board;
    if (b.at(x, y, layer::kMoved) != 0) return;
    if (ctx.world.wreckCountdown == 0 && playerNextTo(b, x, y)) Destroy(ctx);
    const int d = b.at(x, y, layer::kParamA);
    if (!validHeading(d)) return;
    const int tx = x + dir::kDx[d];
    const int ty = y + dir::kDy[d];
    if (b.code(tx, ty) == code::kEmpty) {
        b.setCode(x, y, code::kEmpty);
        b.setCode(tx, ty, code::kBat);
        b.set(tx, ty, layer::kParamA, d);
        ctx.draw.paintGraph(code::kEmpty, x, y);
        ctx.draw.paintGraph(code::kBat, tx, ty);
        if (d == dir::kRight || d == dir::kDown) b.set(tx, ty, layer::kMoved, -1);
    } else {
        b.set(x, y, layer::kParamA, (d + 2) % 4);
        ctx.draw.paintGraph(code::kBat, x, y);
    }
}

}  // namespace boltik::game
