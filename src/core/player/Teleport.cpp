// Teleport travel.
#include "core/player/Teleport.h"

#include "core/game/Blasts.h"

namespace boltik::player {

using namespace board;
using game::Context;

namespace {

enum Side { Below, Above, LeftSide, RightSide };
constexpr int kSideDx[4] = {0, 0, -1, 1};
constexpr int kSideDy[4] = {1, -1, 0, 0};

struct Landing {
    Side side;
    int view;  // robot view the player re-forms with
};

struct TravelRule {
    Landing tries[4];  // straight ahead first, the opposite side last
    int viewInPlace;   // when no side is free
};

// Indexed by Move: Down, Up, Left, Right.
constexpr TravelRule kRules[4] = {
    {{{Below, 7}, {RightSide, 4}, {LeftSide, 1}, {Above, 6}}, 6},
    {{{Above, 1}, {LeftSide, 1}, {RightSide, 2}, {Below, 7}}, 0},
    {{{LeftSide, 1}, {Below, 0}, {Above, 6}, {RightSide, 2}}, 2},
    {{{RightSide, 2}, {Above, 6}, {Below, 7}, {LeftSide, 1}}, 1},
};

}  // namespace

void teleportTravel(Context& ctx, Move move, int tx, int ty) {
    World& w = ctx.world;
    Board& b = ctx.board;
    const int x = w.playerX;
    const int y = w.playerY;
    sound::restartAndPlay(ctx.sounds, sound::Effect::Zerk);
    // The old cell burns forward to the floor, even when it is still the backward blast of
    // an earlier teleport in this turn: otherwise it would re-form as a second robot.
    b.setCode(x, y, code::kBlast1);
    b.set(x, y, layer::kPhase, 0);
    const int px = b.at(tx, ty, layer::kParamA);
    const int py = b.at(tx, ty, layer::kParamB);
    const TravelRule& rule = kRules[static_cast<int>(move)];
    bool landed = false;
    for (const Landing& l : rule.tries) {
        const int lx = px + kSideDx[l.side];
        const int ly = py + kSideDy[l.side];
        // A side outside the play area (a partner on the edge) is not free: the sweep would
        // never reach it, and the robot would never re-form.
        const bool inPlay = lx >= 0 && lx <= w.lastCol && ly >= 0 && ly <= w.lastRow;
        if (!inPlay || b.code(lx, ly) != code::kEmpty) continue;
        b.setCode(lx, ly, code::kBlast5);
        b.set(lx, ly, layer::kPhase, 1);
        b.set(lx, ly, layer::kTick, l.view);
        w.playerX = static_cast<int16_t>(lx);
        w.playerY = static_cast<int16_t>(ly);
        landed = true;
        break;
    }
    if (!landed) {
        b.set(x, y, layer::kPhase, 3);
        b.set(x, y, layer::kTick, rule.viewInPlace);
    }
    ctx.draw.DrawZeml(x, y);
}

}  // namespace boltik::player
