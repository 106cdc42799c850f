// The player's turn: walking, pushing, pickups, the capsule and shooting.
#include <gtest/gtest.h>

#include "core/player/MeGo.h"
#include "support/Rig.h"

namespace boltik::player {
namespace {

using namespace board;
using namespace sprites;
using sound::Effect;
using testing::graphPicture;
using testing::Level;
using testing::mesPicture;
using testing::Rig;

// Places the level and runs one turn with the given move and shot requests set.
void turn(Rig& rig, const Level& level, std::initializer_list<Dir> moves,
          std::initializer_list<Dir> shots = {}) {
    rig.place(level);
    for (Dir d : moves)
        rig.world.requests.key[d] = 1;
    for (Dir d : shots)
        rig.world.requests.fire[d] = 1;
    MeGo(rig.ctx);
}

TEST(Walking, PaintsFloorBehindAndTheFacingViewAhead) {
    Rig rig;
    turn(rig, {{"####", "#P.#"}}, {Dir::Right});
    EXPECT_EQ(rig.code(1, 1), code::kEmpty);
    EXPECT_EQ(rig.code(2, 1), code::kPlayer);
    EXPECT_EQ(rig.paintsAt(1, 1), std::vector<Picture>{graphPicture(0)});
    // robchan ran before painting, so the right view shows its other frame.
    EXPECT_EQ(rig.paintsAt(2, 1), std::vector<Picture>{mesPicture(4)});
    EXPECT_EQ(rig.at(2, 1, layer::kMoved), -1);
    EXPECT_EQ(rig.sounds.played, std::vector<Effect>{Effect::Gi});
}

TEST(Walking, BlockedMovesAreUsedUpHarmlessly) {
    for (const char* blocker : {"r", "#", "v", "M", "c", "b", "1", "|", "-", "f"}) {
        Rig rig;
        turn(rig, {{"####", std::string("#P") + blocker + "#"}}, {Dir::Right});
        EXPECT_EQ(rig.code(1, 1), code::kPlayer) << blocker;
        EXPECT_EQ(rig.world.requests.key[Dir::Right], 0);
        EXPECT_EQ(rig.at(1, 1, layer::kMoved), -1);  // marked even when nothing happened
        EXPECT_TRUE(rig.sounds.played.empty());
    }
}

TEST(Pushing, OneObjectMovesIntoAnEmptyCell) {
    for (char pushed : {'B', 'o', 'C'}) {
        Rig rig;
        turn(rig, {{"#####", std::string("#P") + pushed + ".#"}, {}, "1"}, {Dir::Right});
        EXPECT_EQ(rig.code(2, 1), code::kPlayer);
        EXPECT_EQ(rig.code(3, 1), testing::codeFor(pushed));
        EXPECT_EQ(rig.world.playerX, 2);
        EXPECT_EQ(rig.sounds.played, std::vector<Effect>{Effect::Move});
        EXPECT_EQ(rig.at(3, 1, layer::kMoved), 0);  // the pushed object is not marked
    }
}

TEST(Pushing, BlockedPushStillChangesTheRobotFrameButIsSilent) {
    Rig rig;
    turn(rig, {{"######", "#PBB.#"}}, {Dir::Right});
    EXPECT_EQ(rig.code(2, 1), code::kBox);
    EXPECT_EQ(rig.code(3, 1), code::kBox);
    EXPECT_TRUE(rig.sounds.played.empty());
    EXPECT_EQ(*rig.sprites.robot(0), mesPicture(7));
}

TEST(Pickups, AmmunitionAddsNineEachTime) {
    Rig rig;
    turn(rig, {{"#####", "#Paa#"}}, {Dir::Right});
    EXPECT_EQ(rig.world.kolWeapon.caption(), "9");
    EXPECT_EQ(rig.paintsAt(1, 1), std::vector<Picture>{graphPicture(0)});
    EXPECT_EQ(rig.paintsAt(2, 1), std::vector<Picture>{mesPicture(2)});  // no robchan
    rig.world.requests.key[Dir::Right] = 1;
    MeGo(rig.ctx);
    EXPECT_EQ(rig.world.kolWeapon.caption(), "18");
    EXPECT_EQ(rig.sounds.count(Effect::EatWeapon), 2);
}

TEST(Pickups, BoltsCountDownFromTheCaption) {
    Rig rig;
    turn(rig, {{"####", "#P*#"}}, {});
    rig.world.kolBolt.setCaption("007");
    rig.world.requests.key[Dir::Right] = 1;
    MeGo(rig.ctx);
    EXPECT_EQ(rig.world.kolBolt.caption(), "6");
    EXPECT_EQ(rig.world.playerX, 2);
}

TEST(Pickups, DoorNeedsAKeyAndOpensWithoutMovingThePlayer) {
    Rig rig;
    turn(rig, {{"####", "#PD#"}}, {Dir::Right});
    EXPECT_EQ(rig.code(2, 1), code::kDoor);
    EXPECT_TRUE(rig.sounds.played.empty());
    EXPECT_TRUE(rig.canvas.paints.empty());

    rig.world.kolKeys.setCaption("2");
    rig.world.requests.key[Dir::Right] = 1;
    MeGo(rig.ctx);
    EXPECT_EQ(rig.code(2, 1), code::kEmpty);
    EXPECT_EQ(rig.code(1, 1), code::kPlayer);
    EXPECT_EQ(rig.world.playerX, 1);
    EXPECT_EQ(rig.world.kolKeys.caption(), "1");
    EXPECT_EQ(rig.paintsAt(1, 1), std::vector<Picture>{mesPicture(2)});
    EXPECT_EQ(rig.sounds.played, std::vector<Effect>{Effect::EatDoor});
}

TEST(Pickups, KeyThenDoorThenWalkThrough) {
    Rig rig;
    turn(rig, {{"######", "#PkD.#"}}, {});
    for (int i = 0; i < 3; ++i) {
        rig.world.requests.key[Dir::Right] = 1;
        MeGo(rig.ctx);
    }
    EXPECT_EQ(rig.world.playerX, 3);
    EXPECT_EQ(rig.world.kolKeys.caption(), "0");
}

TEST(Capsule, PushedWhileBoltsRemainEnteredAtZero) {
    Rig rig;
    turn(rig, {{"#####", "#PC.#"}, {}, "1"}, {});
    rig.world.kolBolt.setCaption("1");
    rig.world.requests.key[Dir::Right] = 1;
    MeGo(rig.ctx);
    EXPECT_EQ(rig.code(3, 1), code::kCapsule);
    rig.world.kolBolt.setCaption("0");
    rig.world.board.set(2, 1, layer::kMoved, 0);  // the main loop clears it after the step
    rig.world.requests.key[Dir::Right] = 1;
    MeGo(rig.ctx);
    EXPECT_EQ(rig.world.levelDone, -1);
    EXPECT_EQ(rig.code(2, 1), code::kPlayer);
    EXPECT_EQ(rig.at(2, 1, layer::kMoved), 0);  // the turn ended at once
}

TEST(Shooting, NeedsAmmunitionAndKeepsTheRequest) {
    Rig rig;
    rig.world.fireDelay = 50;
    turn(rig, {{"###", "#.#", "#P#"}}, {}, {Dir::Up});
    EXPECT_EQ(rig.world.requests.fire[Dir::Up], 1);
    EXPECT_EQ(rig.code(1, 1), code::kEmpty);
    rig.world.kolWeapon.setCaption("1");
    MeGo(rig.ctx);
    EXPECT_EQ(rig.code(1, 1), code::kShotV);
    EXPECT_EQ(rig.at(1, 1, layer::kShotDir), index(Dir::Up));
    EXPECT_EQ(rig.at(1, 1, layer::kMoved), 0);  // behind the sweep: no mark
    EXPECT_EQ(rig.world.kolWeapon.caption(), "0");
    EXPECT_EQ(rig.world.fireDelay, 0);
}

TEST(Shooting, PointBlankTargets) {
    struct Case {
        char target;
        int16_t after;
    };
    for (auto [target, after] :
         {Case{'#', 2}, Case{'B', 3}, Case{'k', 5}, Case{'*', 7}, Case{'1', 100}, Case{'r', 100},
          Case{'C', 100}, Case{'T', 100}, Case{'.', 122}}) {
        Rig rig;
        rig.world.fireDelay = 10;
        rig.place({{"#####", std::string("#P") + target + ".#", "#####"}});
        rig.world.kolWeapon.setCaption("3");
        rig.world.requests.fire[Dir::Right] = 1;
        MeGo(rig.ctx);
        EXPECT_EQ(rig.code(2, 1), after) << target;
        EXPECT_EQ(rig.world.kolWeapon.caption(), "2") << target;
    }
}

TEST(Shooting, AdjacentBombExplodesThroughItsBlast) {
    Rig rig;
    rig.world.fireDelay = 10;
    rig.place({{"#####", "#Po.#", "#.r.#", "#####"}});
    rig.world.kolWeapon.setCaption("1");
    rig.world.requests.fire[Dir::Right] = 1;
    MeGo(rig.ctx);
    EXPECT_EQ(rig.code(2, 1), 100);
    EXPECT_EQ(rig.code(2, 2), 100);
    EXPECT_EQ(rig.world.kolLives.caption(), "9");  // the player stood next to it
    EXPECT_EQ(rig.sounds.count(Effect::Wzri), 1);
}

TEST(Shooting, OneShotPerTurnUpFirstAfterTheMoves) {
    Rig rig;
    rig.world.fireDelay = 10;
    rig.place({{"#####", "#...#", "#P..#", "#...#", "#####"}});
    rig.world.kolWeapon.setCaption("5");
    rig.world.requests.fire[Dir::Up] = rig.world.requests.fire[Dir::Down] =
        rig.world.requests.key[Dir::Right] = 1;
    MeGo(rig.ctx);
    EXPECT_EQ(rig.code(2, 1), code::kShotV);  // from the cell after the move
    EXPECT_EQ(rig.code(2, 3), code::kEmpty);
    EXPECT_EQ(rig.world.requests.fire[Dir::Down], 1);
}

TEST(Shooting, OfTwoPendingShotsTheFixedOrderFiresOne) {
    // Up, then right, then left, then down: the first pending one fires and the other waits
    // for the fire delay.
    struct Case {
        Dir a, b;
        Dir fires;
    };
    const Case kCases[] = {{Dir::Up, Dir::Right, Dir::Up},      {Dir::Up, Dir::Down, Dir::Up},
                           {Dir::Up, Dir::Left, Dir::Up},       {Dir::Right, Dir::Left, Dir::Right},
                           {Dir::Down, Dir::Right, Dir::Right}, {Dir::Down, Dir::Left, Dir::Left}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(dirName(c.a)) + " and " + dirName(c.b));
        Rig rig;
        rig.world.fireDelay = 10;
        rig.world.kolWeapon.setCaption("5");
        turn(rig, {{"#####", "#...#", "#.P.#", "#...#", "#####"}}, {}, {c.a, c.b});
        std::string shotsBeside;
        for (Dir d : kAllDirs) {
            const int16_t at = rig.code(2 + dx(d), 2 + dy(d));
            if (at == code::kShotV || at == code::kShotH) shotsBeside += dirName(d);
        }
        EXPECT_EQ(shotsBeside, dirName(c.fires));
        const Dir waits = c.fires == c.a ? c.b : c.a;
        EXPECT_EQ(rig.world.requests.fire[waits], 1);
        EXPECT_EQ(rig.world.requests.fire[c.fires], 0);
    }
}

TEST(Shooting, AShotStaysBesideTheRobotForTheCycleItWasFiredIn) {
    // Fired down or right, the shot lands where the sweep has yet to come, and waits there.
    struct Case {
        Dir d;
        std::vector<std::pair<int, int>> shotAfter;  // the cell after cycles 1 and 2
    };
    const Case kCases[] = {{Dir::Up, {{4, 2}, {4, 1}}},
                           {Dir::Right, {{5, 3}, {6, 3}}},
                           {Dir::Down, {{4, 4}, {4, 5}}},
                           {Dir::Left, {{3, 3}, {2, 3}}}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(dirName(c.d));
        Rig rig;
        std::vector<std::pair<int, int>> seen;
        const auto shot = [&] {
            for (int x = 0; x <= kLastCol; ++x) {
                for (int y = 0; y <= kLastRow; ++y) {
                    if (rig.code(x, y) == code::kShotV || rig.code(x, y) == code::kShotH) {
                        seen.push_back({x, y});
                    }
                }
            }
        };
        rig.host.at(1, [&] {
            rig.world.kolWeapon.setCaption("1");
            rig.world.fireDelay = 10;
            rig.world.requests.fire[c.d] = 1;
        });
        rig.host.at(2, shot);
        rig.play({{"#########", "#.......#", "#.......#", "#...P...#", "#.......#", "#.......#"}},
                 2);
        shot();
        EXPECT_EQ(seen, c.shotAfter);
    }
}

TEST(Shooting, FireDelayOfTenCyclesThroughTheMainLoop) {
    Rig rig;
    for (int c = 1; c <= 25; ++c)
        rig.host.at(c, [&] { rig.world.requests.fire[Dir::Up] = 1; });
    rig.host.at(1, [&] { rig.world.kolWeapon.setCaption("9"); });
    rig.play({{"###", "#.#", "#.#", "#.#", "#P#"}}, 25);
    EXPECT_EQ(rig.world.kolWeapon.caption(), "7");
}

}  // namespace
}  // namespace boltik::player
