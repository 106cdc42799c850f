// The main loop: start of a call, the cycle, the cell step, the flash and the curtain.
#include "core/loop/MainLoop.h"

#include <limits>

#include "core/board/Geometry.h"
#include "core/board/LevelNames.h"
#include "core/board/Rules.h"
#include "core/loop/Dispatch.h"
#include "core/loop/OpenTur.h"

namespace boltik::loop {

using namespace board;
using game::Context;
using game::FlashState;
using game::GameQuit;

namespace {

// Start step 2: cell positions from the size of sprite 0 and the scale, and the wall ring.
void prepareGeometry(Context& ctx) {
    World& w = ctx.world;
    const double size = ctx.sprites.cellSize() * w.scale;
    for (int x = 0; x <= w.lastCol; ++x) {
        for (int y = 0; y <= w.lastRow; ++y) {
            resumeNext([&] { placeCell(ctx.board, x, y, size); });
            if (onRing(x, y, w.lastCol, w.lastRow)) {
                resumeNext([&] { ctx.board.setCode(x, y, code::kWall); });
            }
        }
    }
}

// Start step 4: the level by startMode.
void obtainLevel(Context& ctx) {
    World& w = ctx.world;
    switch (w.startMode) {
        case StartMode::Choose: {
            const auto chosen = ctx.host.chooseLevel();
            if (!chosen) throw GameQuit{};
            OpenTur(ctx, *chosen);
            break;
        }
        case StartMode::Again:
            OpenTur(ctx, w.levelName);
            w.startMode = StartMode::Choose;
            break;
        case StartMode::Next:
            OpenTur(ctx, nextLevelName(w.levelName));
            break;
    }
}

// Start step 5: the board revealed column by column from the left.
void reveal(Context& ctx) {
    World& w = ctx.world;
    for (int x = 0; x <= w.lastCol; ++x) {
        ctx.host.pace(kRevealColumnRounds);
        ctx.host.yieldIn(ctx.cycles);
        for (int y = 0; y <= w.lastRow; ++y) {
            resumeNext([&] {
                if (ctx.board.code(x, y) == code::kPlayer) {
                    ctx.draw.paintRobot(sprites::RobotView::Down, x, y);
                } else {
                    ctx.draw.DrawZeml(x, y);
                }
            });
        }
    }
}

void paintFlashOverBoard(Context& ctx) {
    World& w = ctx.world;
    for (int x = 0; x <= w.lastCol; ++x) {
        for (int y = 0; y <= w.lastRow; ++y) {
            resumeNext([&] {
                if (ctx.board.code(x, y) == code::kWall) return;
                const int step = ctx.board.at(x, y, layer::kWidth);
                ctx.draw.paintAt(ctx.sprites.flashPicture(), x * step, y * step);
            });
        }
    }
}

// The all-bolts flash: the board goes pale twice with the chime, then comes back as it was.
void flash(Context& ctx) {
    paintFlashOverBoard(ctx);
    ctx.host.yieldIn(ctx.cycles);
    ctx.sounds.stop(sound::Effect::Start);
    ctx.sounds.rewind(sound::Effect::Wzriw2);
    ctx.sounds.playPanned(sound::Effect::Wzriw2, 0);
    paintFlashOverBoard(ctx);
    ctx.draw.canvas().restoreCopy();
    ctx.flashState = FlashState::Shown;
}

// One cell step; returns true when the player's turn has finished the level.
bool cellStep(Context& ctx, int x, int y) {
    World& w = ctx.world;
    if (w.bigCycles < std::numeric_limits<int32_t>::max()) ++w.bigCycles;
    if (!ctx.sounds.isPlaying(sound::Effect::Mus1)) {
        sound::restartAndPlay(ctx.sounds, sound::Effect::Mus1);
    }
    if (ctx.flashState == FlashState::BoltsRemain && w.kolBolt.readsZero()) {
        ctx.draw.canvas().keepCopy();
        ctx.flashState = FlashState::Pending;
    }
    ctx.host.yieldIn(ctx.cycles);
    const std::size_t cell = Board::cell(x, y);
    const int16_t c = ctx.board.at(cell, layer::kCode);
    if (hasStep(c)) resumeNext([&ctx, c, x, y] { dispatch(ctx, c, x, y); });
    if (c == code::kPlayer && w.levelDone == kLevelDone) {
        w.levelDone = 0;
        return true;
    }
    ctx.board.set(cell, layer::kMoved, 0);
    return false;
}

void endOfCycleRepaint(Context& ctx) {
    const int16_t c = ctx.board.code(0, 0);
    if (c != code::kPlayer && c != code::kBlast5 && c != code::kFuse) ctx.draw.DrawZeml(0, 0);
    ctx.host.yieldIn(ctx.cycles);
}

// Step 1 of a cycle: true when the wreck countdown has run out and the call ends.
bool countdownOver(World& w) {
    if (w.wreckCountdown <= 1) return false;
    if (w.wreckCountdown >= kWreckCountdownEnd) {
        w.wreckCountdown = 0;
        return true;
    }
    w.wreckCountdown += kWreckCountdownStep;
    return false;
}

}  // namespace

bool loadLevel(Context& ctx) {
    World& w = ctx.world;
    ctx.draw.canvas().clear();
    ctx.flashState = FlashState::BoltsRemain;
    ctx.capsuleTicks = 0;
    ctx.cycles = 0;
    ctx.struckFrom.reset();
    prepareGeometry(ctx);
    w.playerX = 1;
    w.playerY = 1;
    resumeNext([&] { ctx.board.setCode(1, 1, code::kPlayer); });
    obtainLevel(ctx);
    if (ctx.cycleLimit == 0) return false;
    reveal(ctx);
    sound::restartAndPlay(ctx.sounds, sound::Effect::Start);
    return true;
}

CycleEnd runCycle(Context& ctx) {
    World& w = ctx.world;
    ctx.host.betweenCycles();
    ++ctx.cycles;
    if (countdownOver(w)) return CycleEnd::Wrecked;
    if (w.fireDelay < std::numeric_limits<int16_t>::max()) ++w.fireDelay;
    for (int x = 0; x <= w.lastCol; ++x) {
        if (ctx.flashState == FlashState::Pending) flash(ctx);
        ctx.host.pace(kCycleColumnRounds);
        for (int y = 0; y <= w.lastRow; ++y) {
            if (cellStep(ctx, x, y)) return CycleEnd::LevelDone;
        }
    }
    resumeNext([&] { endOfCycleRepaint(ctx); });
    return CycleEnd::Continue;
}

namespace {

GameEnd playLevel(Context& ctx) {
    if (!loadLevel(ctx)) return GameEnd::Stopped;
    for (;;) {
        if (ctx.cycleLimit >= 0 && ctx.cycles >= ctx.cycleLimit) return GameEnd::Stopped;
        switch (runCycle(ctx)) {
            case CycleEnd::LevelDone:
                return GameEnd::LevelDone;
            case CycleEnd::Wrecked:
                return GameEnd::Wrecked;
            case CycleEnd::Continue:
                break;
        }
    }
}

}  // namespace

GameEnd Game(Context& ctx) {
    ctx.host.beginLevel();
    const GameEnd end = playLevel(ctx);
    ctx.host.onLevelEnd(end == GameEnd::LevelDone);
    return end;
}

long yieldsUpTo(long cycles, int lastCol, int lastRow) {
    const long columns = lastCol + 1;
    const long start = columns + 1;
    const long perCycle = columns * (lastRow + 1) + 1;
    if (cycles <= 0) return start;
    if (cycles > (std::numeric_limits<long>::max() - start) / perCycle) {
        return std::numeric_limits<long>::max();
    }
    return start + cycles * perCycle;
}

void Starter(Context& ctx) {
    World& w = ctx.world;
    Game(ctx);
    if (w.startMode != StartMode::Choose) return;
    w.startMode = StartMode::Next;
    for (int x = w.lastCol; x >= 0; --x) {
        ctx.host.yieldIn(ctx.cycles);
        ctx.host.pace(kCurtainColumnRounds);
        for (int y = 0; y <= w.lastRow; ++y) {
            resumeNext([&] {
                ctx.board.setCode(x, y, code::kBlackout);
                ctx.draw.DrawZeml(x, y);
            });
        }
    }
}

}  // namespace boltik::loop
