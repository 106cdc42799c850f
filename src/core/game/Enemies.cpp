// Crawler and bat.
#include "core/game/Enemies.h"

#include "core/game/Blasts.h"

namespace boltik::game {

using namespace board;

namespace {

// The neighbours a contact strike looks at, in this order: on a board whose wall ring was
// painted over, a neighbour outside the board ends the look there.
constexpr Dir kContactOrder[] = {Dir::Right, Dir::Left, Dir::Down, Dir::Up};

bool playerNextTo(const Board& b, int x, int y) {
    for (Dir d : kContactOrder) {
        if (b.code(x + dx(d), y + dy(d)) == code::kPlayer) return true;
    }
    return false;
}

// Turn towards the hand side, else straight on, else away from it; else round in place.
void crawlerMove(Context& ctx, int x, int y) {
    Board& b = ctx.board;
    const auto heading = dirFromLayer(b.at(x, y, layer::kParamA));
    if (!heading) return;
    const Dir d = *heading;
    const bool rightHanded = b.at(x, y, layer::kParamB) == index(turned(d, 1));
    const int toHand = rightHanded ? 1 : -1;
    for (Dir m : {turned(d, toHand), d, turned(d, -toHand)}) {
        const int nx = x + dx(m);
        const int ny = y + dy(m);
        if (b.code(nx, ny) != code::kEmpty) continue;
        ctx.draw.swapCells(x, y, nx, ny);
        b.set(nx, ny, layer::kParamA, index(m));
        b.set(nx, ny, layer::kParamB, index(turned(m, toHand)));
        if (leadsAhead(m)) b.set(nx, ny, layer::kMoved, kMarked);
        return;
    }
    ctx.draw.DrawZeml(x, y);
    const Dir back = opposite(d);
    b.set(x, y, layer::kParamA, index(back));
    b.set(x, y, layer::kParamB, index(turned(back, toHand)));
    b.set(x, y, layer::kMoved, kMarked);
}

}  // namespace

void crawlerStep(Context& ctx, int x, int y) {
    if (ctx.board.at(x, y, layer::kMoved) == 0) crawlerMove(ctx, x, y);
    if (playerNextTo(ctx.board, x, y)) {
        ctx.struckFrom = {x, y};
        Destroy(ctx);
    }
}

void batStep(Context& ctx, int x, int y) {
    Board& b = ctx.board;
    if (b.at(x, y, layer::kMoved) != 0) return;
    if (ctx.world.wreckCountdown == 0 && playerNextTo(b, x, y)) {
        ctx.struckFrom = {x, y};
        Destroy(ctx);
    }
    const auto heading = dirFromLayer(b.at(x, y, layer::kParamA));
    if (!heading) return;
    const Dir d = *heading;
    const int tx = x + dx(d);
    const int ty = y + dy(d);
    if (b.code(tx, ty) == code::kEmpty) {
        b.setCode(x, y, code::kEmpty);
        b.setCode(tx, ty, code::kBat);
        b.set(tx, ty, layer::kParamA, index(d));
        ctx.draw.paintObject(code::kEmpty, x, y);
        ctx.draw.paintObject(code::kBat, tx, ty);
        if (leadsAhead(d)) b.set(tx, ty, layer::kMoved, kMarked);
    } else {
        b.set(x, y, layer::kParamA, index(opposite(d)));
        ctx.draw.paintObject(code::kBat, x, y);
    }
}

}  // namespace boltik::game
