// Blast stages, fuses, bomb explosions and the level wreck.
#include "core/game/Blasts.h"

namespace boltik::game {

using namespace board;

void ignite(Board& board, int x, int y) {
    if (!code::isBlast(board.code(x, y))) board.set(x, y, layer::kPhase, phase::kForward);
    board.setCode(x, y, code::kBlast1);
}

void blastStep(Context& ctx, int x, int y) {
    Board& b = ctx.board;
    const int c = b.code(x, y);
    int running = b.at(x, y, layer::kPhase);
    if (c == code::kBlast5 && running == phase::kTurnBack) {
        running = phase::kBackward;
        b.set(x, y, layer::kPhase, phase::kBackward);
    }
    if (running == phase::kBackward) {
        // Backward: paint the stage entered; stage 100 becomes the robot.
        if (c == code::kBlast1) {
            b.setCode(x, y, code::kPlayer);
            ctx.draw.paintRobot(b.at(x, y, layer::kTick), x, y);
            b.set(x, y, layer::kPhase, phase::kForward);
        } else {
            b.setCode(x, y, c - 1);
            ctx.draw.paintObject(c - 1, x, y);
        }
    } else {
        // Forward: paint the stage left; after stage 104 the cell is floor.
        b.setCode(x, y, c == code::kBlast5 ? code::kEmpty : c + 1);
        ctx.draw.paintObject(c == code::kBlast5 ? code::kEmpty : c, x, y);
    }
}

void fuseStep(Context& ctx, int x, int y) {
    if (ctx.board.at(x, y, layer::kMoved) != 0) return;
    BombowzrResumingNext(ctx, x, y);
    ignite(ctx.board, x, y);
}

void Bombowzr(Context& ctx, int a, int b) {
    // Below, above, left, right, below right, above right, above left, below left.
    static constexpr int kBlastOrder[8][2] = {{0, 1}, {0, -1}, {-1, 0},  {1, 0},
                                              {1, 1}, {1, -1}, {-1, -1}, {-1, 1}};
    sound::restartAndPlay(ctx.sounds, sound::Effect::Wzri);
    Board& board = ctx.board;
    for (const auto& d : kBlastOrder) {
        const int x = a + d[0];
        const int y = b + d[1];
        const int c = board.code(x, y);
        if (c == code::kWall || c == code::kFuse) continue;
        if (c == code::kPlayer) {
            ctx.struckFrom = {a, b};
            Destroy(ctx);
        } else if (c == code::kBomb) {
            board.setCode(x, y, code::kFuse);
            board.set(x, y, layer::kMoved, kMarked);
        } else {
            ignite(board, x, y);
        }
    }
}

void BombowzrResumingNext(Context& ctx, int a, int b) {
    resumeNext([&] { Bombowzr(ctx, a, b); });
}

void Destroy(Context& ctx) {
    World& w = ctx.world;
    for (int x = 0; x <= w.lastCol; ++x) {
        for (int y = 0; y <= w.lastRow; ++y) {
            const int c = ctx.board.code(x, y);
            if (c != code::kEmpty && c != code::kWall) ignite(ctx.board, x, y);
            ++w.wreckCountdown;
        }
    }
    w.kolLives.add(-1);
    w.startMode = StartMode::Again;
}

}  // namespace boltik::game
