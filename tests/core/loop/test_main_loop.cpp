// The main loop played cycle by cycle: sweep order, marks, flash, wreck and the Starter tick.
#include <gtest/gtest.h>

#include <limits>

#include "core/game/Blasts.h"
#include "core/loop/MainLoop.h"
#include "core/player/MeGo.h"
#include "support/Rig.h"

namespace boltik::loop {
namespace {

using namespace board;
using namespace sprites;
using namespace game;
using sound::Effect;
using testing::Level;
using testing::Rig;

const Level kRoom{{"######", "#P...#", "#....#", "#....#", "######"}};

TEST(SweepOrder, RightAndDownMovesAreNotSteppedTwice) {
    Rig rig;
    rig.host.at(0, [&] {
        rig.world.requests.key[Dir::Right] = 1;
        rig.world.requests.key[Dir::Down] = 1;
    });
    rig.play(kRoom, 1);
    EXPECT_EQ(rig.code(2, 2), code::kPlayer);  // down, then right, in one turn only
    EXPECT_EQ(rig.world.playerX, 2);
    EXPECT_EQ(rig.sounds.count(Effect::Gi), 2);
    for (int x = 0; x <= kLastCol; ++x)
        for (int y = 0; y <= kLastRow; ++y)
            ASSERT_EQ(rig.at(x, y, layer::kMoved), 0);
}

TEST(SweepOrder, UpThenDownInOneTurnLeavesTheMarkBelow) {
    Rig rig;
    rig.place(kRoom);
    rig.world.requests.key[Dir::Down] = 1;
    rig.world.requests.key[Dir::Up] = 1;
    player::MeGo(rig.ctx);
    EXPECT_EQ(rig.code(1, 1), code::kPlayer);
    EXPECT_EQ(rig.at(1, 2, layer::kMoved), -1);
    EXPECT_EQ(rig.at(1, 1, layer::kMoved), 0);
}

TEST(StartOfCall, GeometryRingRevealAndStartSound) {
    Rig rig;
    rig.play({{"#P.", "#.."}}, 0);
    EXPECT_EQ(rig.at(3, 2, layer::kLeft), 144);
    EXPECT_EQ(rig.at(3, 2, layer::kTop), 96);
    EXPECT_EQ(rig.at(3, 2, layer::kWidth), 48);
    rig.play({{"#P.", "#.."}}, 1);
    // 19 reveal columns, then 19 cycle columns.
    ASSERT_EQ(rig.host.paced.size(), 38u);
    EXPECT_EQ(rig.host.paced.front(), kRevealColumnRounds);
    EXPECT_EQ(rig.host.paced.back(), kCycleColumnRounds);
    EXPECT_EQ(rig.sounds.played.front(), Effect::Start);
    EXPECT_EQ(rig.paintsAt(1, 0).front(), testing::mesPicture(0));
    EXPECT_EQ(rig.world.bigCycles, kPlayCells);
}

TEST(StartOfCall, ScaleSpreadsTheCells) {
    Rig rig;
    rig.world.scale = 2.5;
    rig.play(kRoom, 0);
    EXPECT_EQ(rig.at(1, 0, layer::kLeft), 120);
    EXPECT_EQ(rig.at(1, 0, layer::kHeight), 120);
}

TEST(Flash, LevelStartingAtZeroFlashesInItsFirstCycleOnce) {
    Rig rig;
    rig.play(kRoom, 5);
    EXPECT_EQ(rig.canvas.copiesKept, 1);
    EXPECT_EQ(rig.canvas.copiesRestored, 1);
    EXPECT_EQ(rig.sounds.count(Effect::Wzriw2), 1);
}

TEST(Flash, LastBoltTriggersItOnce) {
    Rig rig;
    const Level level{{"#####", "#P*.#", "#####"}, {}, "1"};
    rig.play(level, 3);
    EXPECT_EQ(rig.sounds.count(Effect::Wzriw2), 0);
    rig.host.at(2, [&] { rig.world.requests.key[Dir::Right] = 1; });
    rig.host.at(5, [&] { rig.world.kolBolt.setCaption("0"); });
    rig.play(level, 8);
    EXPECT_EQ(rig.world.kolBolt.caption(), "0");
    EXPECT_EQ(rig.sounds.count(Effect::Wzriw2), 1);
}

// A recording's inputs are checked against this count, so it must match the loop's own.
TEST(Yields, ACallMakesAsManyAsItsCyclesAllow) {
    struct Case {
        const char* bolts;
        long cycles;
        long belowBound;  // the flash takes one yield, once, when the bolts are done
    };
    for (const Case& c : {Case{"0", 1, 0}, Case{"0", 40, 0}, Case{"2", 40, 1}}) {
        SCOPED_TRACE(std::string(c.bolts) + " bolts, " + std::to_string(c.cycles) + " cycles");
        Rig rig;
        Level room = kRoom;
        room.bolts = c.bolts;
        rig.play(room, c.cycles);
        EXPECT_EQ(rig.host.yieldPoint(), yieldsUpTo(c.cycles) - c.belowBound);
    }
    EXPECT_EQ(yieldsUpTo(std::numeric_limits<long>::max()), std::numeric_limits<long>::max());
}

TEST(LevelExit, EnteringTheOpenCapsuleEndsTheCallWithoutShooting) {
    Rig rig;
    rig.host.at(1, [&] {
        rig.world.kolWeapon.setCaption("9");
        rig.world.fireDelay = 100;
        rig.world.requests.key[Dir::Right] = 1;
        rig.world.requests.fire[Dir::Up] = 1;
    });
    EXPECT_EQ(rig.play({{"####", "#PC#", "#..#"}}, 50), GameEnd::LevelDone);
    EXPECT_EQ(rig.ctx.cycles, 1);
    EXPECT_EQ(rig.world.levelDone, 0);
    EXPECT_EQ(rig.world.kolWeapon.caption(), "9");
    EXPECT_EQ(rig.world.requests.fire[Dir::Up], 1);
    EXPECT_EQ(rig.code(1, 1), code::kPlayer);
    EXPECT_EQ(rig.sounds.count(Effect::Zwezd), 1);
}

TEST(Wreck, OneWreckReturnsAfterThirteenFurtherCycles) {
    Rig rig;
    rig.host.at(1, [&] { Destroy(rig.ctx); });
    EXPECT_EQ(rig.play(kRoom, 100), GameEnd::Wrecked);
    EXPECT_EQ(rig.ctx.cycles, 1 + 13 + 1);
    EXPECT_EQ(rig.world.kolLives.caption(), "9");
    EXPECT_EQ(rig.world.startMode, StartMode::Again);
    EXPECT_EQ(rig.world.wreckCountdown, 0);
}

TEST(Wreck, TwoWrecksInOneCycleComeSooner) {
    Rig rig;
    rig.host.at(1, [&] {
        Destroy(rig.ctx);
        Destroy(rig.ctx);
    });
    EXPECT_EQ(rig.play(kRoom, 100), GameEnd::Wrecked);
    EXPECT_EQ(rig.ctx.cycles, 1 + 4 + 1);
    EXPECT_EQ(rig.world.kolLives.caption(), "8");
}

TEST(Wreck, EveryObjectButWallsBurstsAndThePlayerIsGone) {
    Rig rig;
    rig.place({{"####", "#Po#", "#*f#", "####"}});
    Destroy(rig.ctx);
    EXPECT_EQ(rig.world.wreckCountdown, kPlayCells);
    for (auto [x, y] : {std::pair{1, 1}, {2, 1}, {1, 2}, {2, 2}})
        EXPECT_EQ(rig.code(x, y), 100);
    EXPECT_EQ(rig.code(0, 0), code::kWall);
}

TEST(Wreck, LivesGoBelowZeroAndTheNextCallReplaysTheLevel) {
    Rig rig;
    rig.world.kolLives.setCaption("0");
    rig.host.at(1, [&] { Destroy(rig.ctx); });
    rig.play(kRoom, 100);
    EXPECT_EQ(rig.world.kolLives.caption(), "-1");
    rig.ctx.cycleLimit = 2;
    EXPECT_EQ(Game(rig.ctx), GameEnd::Stopped);
    EXPECT_EQ(rig.world.levelName, "t.tur");
    EXPECT_EQ(rig.world.startMode, StartMode::Choose);
    EXPECT_EQ(rig.code(1, 1), code::kPlayer);
}

TEST(StarterTick, CurtainOnlyAfterAFinishedLevelInModeZero) {
    Rig rig;
    rig.dir.write("4.tur", testing::levelFileText({{"####", "#PC#"}}));
    rig.dir.write("5.tur", testing::levelFileText({{"####", "#PC#"}}));
    rig.host.choices = {"4.tur"};
    rig.host.at(0, [&] { rig.world.requests.key[Dir::Right] = 1; });
    rig.world.startMode = StartMode::Choose;
    Starter(rig.ctx);
    EXPECT_EQ(rig.world.startMode, StartMode::Next);
    EXPECT_EQ(rig.code(18, 11), code::kBlackout);
    EXPECT_EQ(rig.code(0, 0), code::kBlackout);
    EXPECT_EQ(rig.host.paced.back(), kCurtainColumnRounds);
    // The curtain runs from the right column to the left.
    const auto& last = rig.canvas.paints.back();
    EXPECT_EQ(last.x, 0);
    EXPECT_EQ(last.picture, testing::graphPicture(code::kBlackout));

    rig.host.at(0, [&] { rig.world.requests.key[Dir::Right] = 1; });
    rig.canvas.paints.clear();
    Starter(rig.ctx);  // mode 3: the next number, no curtain
    EXPECT_EQ(rig.world.levelName, "5.tur");
    EXPECT_EQ(rig.world.startMode, StartMode::Next);
    EXPECT_EQ(rig.code(0, 0), code::kWall);
}

TEST(StarterTick, CancelledChoiceEndsTheGame) {
    Rig rig;
    rig.world.startMode = StartMode::Choose;
    EXPECT_THROW(Starter(rig.ctx), GameQuit);
}

TEST(MusicKeepAlive, TuneRestartedWhenItHasEnded) {
    Rig rig;
    rig.host.at(2, [&] { rig.sounds.stop(Effect::Mus1); });
    rig.play(kRoom, 3);
    EXPECT_EQ(rig.sounds.count(Effect::Mus1), 2);
}

}  // namespace
}  // namespace boltik::loop
