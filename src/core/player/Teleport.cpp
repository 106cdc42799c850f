// Teleport travel.
#include "core/player/Teleport.h"

#include "core/game/Blasts.h"

namespace boltik::player {

using namespace board;
using game::Context;
using sprites::RobotView;

namespace {

struct Landing {
    Dir side;        // the side of the partner
    RobotView view;  // the robot re-forms showing it
};

struct TravelRule {
    Landing tries[4];       // straight ahead first, the opposite side last
    RobotView viewInPlace;  // when no side is free
};

// The landing sides tried, by the direction of the move that met the teleporter, each with the
// view the robot re-forms showing; below them the view when no side is free.
using enum RobotView;
// clang-format off
constexpr ByDir<TravelRule> kLandingOrder = {{{
    // straight ahead        then                     then                   the opposite side
    {{{Dir::Up, Left},       {Dir::Left, Left},       {Dir::Right, Right},   {Dir::Down, DownStep}},
     Down},    // up
    {{{Dir::Right, Right},   {Dir::Up, UpStep},       {Dir::Down, DownStep}, {Dir::Left, Left}},
     Left},    // right
    {{{Dir::Down, DownStep}, {Dir::Right, RightStep}, {Dir::Left, Left},     {Dir::Up, UpStep}},
     UpStep},  // down
    {{{Dir::Left, Left},     {Dir::Down, Down},       {Dir::Up, UpStep},     {Dir::Right, Right}},
     Right},   // left
}}};
// clang-format on

}  // namespace

void teleportTravel(Context& ctx, Dir d, int tx, int ty) {
    World& w = ctx.world;
    Board& b = ctx.board;
    const int x = w.playerX;
    const int y = w.playerY;
    sound::restartAndPlay(ctx.sounds, sound::Effect::Zerk);
    // The old cell burns forward to the floor, even when it is still the backward blast of
    // an earlier teleport in this turn: otherwise it would re-form as a second robot.
    b.setCode(x, y, code::kBlast1);
    b.set(x, y, layer::kPhase, phase::kForward);
    const int px = b.at(tx, ty, layer::kParamA);
    const int py = b.at(tx, ty, layer::kParamB);
    const TravelRule& rule = kLandingOrder[d];
    bool landed = false;
    for (const Landing& l : rule.tries) {
        const int lx = px + dx(l.side);
        const int ly = py + dy(l.side);
        // A side outside the play area (a partner on the edge) is not free: the sweep would
        // never reach it, and the robot would never re-form.
        const bool inPlay = lx >= 0 && lx <= w.lastCol && ly >= 0 && ly <= w.lastRow;
        if (!inPlay || b.code(lx, ly) != code::kEmpty) continue;
        b.setCode(lx, ly, code::kBlast5);
        b.set(lx, ly, layer::kPhase, phase::kBackward);
        b.set(lx, ly, layer::kTick, sprites::index(l.view));
        w.playerX = static_cast<int16_t>(lx);
        w.playerY = static_cast<int16_t>(ly);
        landed = true;
        break;
    }
    if (!landed) {
        b.set(x, y, layer::kPhase, phase::kTurnBack);
        b.set(x, y, layer::kTick, sprites::index(rule.viewInPlace));
    }
    ctx.draw.DrawZeml(x, y);
}

}  // namespace boltik::player
