// Shots and guns, crawlers and bats, the capsule and teleporter blinks, the magnet and
// teleport travel.
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <tuple>

#include "core/game/Blasts.h"
#include "core/game/Enemies.h"
#include "core/game/Shots.h"
#include "core/game/Stationary.h"
#include "core/loop/Dispatch.h"
#include "core/player/MeGo.h"
#include "support/Rig.h"

namespace boltik::game {
namespace {

using namespace board;
using namespace sprites;
using loop::dispatch;
using testing::graphPicture;
using testing::Level;
using testing::Rig;
using Cell = std::array<int, 2>;

const std::vector<std::string> kRoom{"#####", "#...#", "#...#", "#...#", "#####"};

// The first cell holding code c in sweep order; {-1, -1} when there is none.
Cell where(const Rig& rig, int c) {
    for (int x = 0; x <= kLastCol; ++x)
        for (int y = 0; y <= kLastRow; ++y)
            if (rig.code(x, y) == c) return {x, y};
    return {-1, -1};
}

// Plays the level for n cycles and returns what probe reads after each of them.
template <class Probe>
auto afterEachCycle(Rig& rig, const Level& level, int n, Probe probe) {
    std::vector<decltype(probe())> seen;
    for (int c = 2; c <= n; ++c)
        rig.host.at(c, [&] { seen.push_back(probe()); });
    rig.play(level, n);
    seen.push_back(probe());
    return seen;
}

std::string lives(const Rig& rig) {
    return rig.world.kolLives.caption();
}

TEST(Shots, WhatAShotEntersStopsAtOrDestroys) {
    // shot, direction, what lies ahead; then the shot's cell and the cell ahead after the
    // step, and whether the cell ahead loses its turn in this sweep. Only a vertical shot
    // harms the player; a horizontal one stops before it. A bomb hit explodes first.
    struct Case {
        char shot;
        Dir d;
        char ahead;
        int own, after;
        bool marked;
    };
    const Case kCases[] = {
        {'|', Dir::Down, '.', 0, 120, true},     {'|', Dir::Down, '3', 0, 120, true},
        {'|', Dir::Down, '5', 100, 104, true},   {'|', Dir::Down, 'B', 100, 3, true},
        {'|', Dir::Down, 'r', 0, 100, false},    {'|', Dir::Up, '.', 0, 120, false},
        {'|', Dir::Up, '3', 100, 102, false},    {'|', Dir::Up, 'C', 0, 100, false},
        {'-', Dir::Right, '1', 0, 122, true},    {'-', Dir::Right, 'k', 100, 5, true},
        {'-', Dir::Left, '2', 100, 101, false},  {'-', Dir::Left, 'b', 0, 100, false},
        {'|', Dir::Right, '.', 120, 0, false},   {'-', Dir::Down, '.', 122, 0, false},
        {'|', Dir::Down, 'P', 0, 100, false},    {'|', Dir::Up, 'P', 0, 100, false},
        {'-', Dir::Left, 'P', 100, 1000, false}, {'-', Dir::Right, 'P', 100, 1000, true},
        {'|', Dir::Down, 'o', 0, 100, false}};
    for (auto [shot, d, ahead, own, after, marked] : kCases) {
        SCOPED_TRACE(std::string(1, shot) + ahead + " direction " + std::to_string(index(d)));
        const int tx = 2 + dx(d), ty = 2 + dy(d);
        auto rows = kRoom;
        rows[2][2] = shot;
        rows[ty][tx] = ahead;
        Rig rig;
        rig.place({rows, {{2, 2, layer::kShotDir, index(d)}}});
        dispatch(rig.ctx, rig.code(2, 2), 2, 2);
        EXPECT_EQ(rig.code(2, 2), own);
        EXPECT_EQ(rig.code(tx, ty), after);
        EXPECT_EQ(rig.at(tx, ty, layer::kMoved), marked ? -1 : 0);
        EXPECT_EQ(lives(rig), ahead == 'P' && shot == '|' ? "9" : "10");
        EXPECT_EQ(rig.sounds.count(sound::Effect::Wzri), ahead == 'o' ? 1 : 0);
        if (after == testing::codeFor(shot)) {
            EXPECT_EQ(rig.at(tx, ty, layer::kShotDir), index(d));
        }
    }
}

TEST(Guns, NewShotWaitsDownOneCycleUpTwo) {
    const std::pair<Level, std::vector<Cell>> kCases[] = {
        {{{"#####", "#v#P#", "#.###", "#.###", "#.###"}}, {{1, 2}, {1, 3}, {1, 4}}},
        {{{"#####", "#.#P#", "#.###", "#.###", "#^###"}}, {{1, 3}, {1, 3}, {1, 2}}}};
    for (const auto& [level, shotAfter] : kCases) {
        Rig rig;
        rig.host.randoms = {1.0 / 15};
        EXPECT_EQ(afterEachCycle(rig, level, 3, [&] { return where(rig, code::kShotV); }),
                  shotAfter);
    }
}

TEST(Guns, FireExactlyWhenFifteenTimesTheDrawIsOne) {
    const std::pair<double, bool> kCases[] = {{0.0, false},      {0.0666, false},
                                              {1.0 / 15, true},  {2.0 / 15 - 1e-12, true},
                                              {2.0 / 15, false}, {0.999, false}};
    for (auto [r, fires] : kCases) {
        Rig rig;
        rig.place({{"###", "#v#", "#.#"}});
        rig.world.board.set(1, 1, layer::kMoved, -1);  // a gun ignores its mark
        rig.host.randoms = {r};
        gunStep(rig.ctx, 1, 1);
        EXPECT_EQ(rig.code(1, 2) == code::kShotV, fires) << r;
    }
}

TEST(Guns, FireOnceInFifteenCyclesOverALongRun) {
    Rig rig;
    rig.place({{"###", "#v#", "#.#"}});
    std::mt19937 gen(15);
    constexpr int kDraws = 30000;
    int fired = 0;
    for (int i = 0; i < kDraws; ++i) {
        rig.host.randoms.push_back(gen() / 4294967296.0);
        gunStep(rig.ctx, 1, 1);
        fired += rig.code(1, 2) == code::kShotV;
        rig.world.board.setCode(1, 2, code::kEmpty);
    }
    EXPECT_NEAR(fired, kDraws / 15, kDraws / 15 / 10);
}

TEST(Guns, TargetIsShotEmptyFilledPlayerKilledAnythingElseLeftAlone) {
    // gun, its target, what the target holds after the gun fires
    const std::tuple<char, char, int> kCases[] = {
        {'v', '.', 120}, {'^', '.', 120}, {'v', '#', 2},   {'v', 'B', 3},   {'^', '*', 7},
        {'v', 'k', 5},   {'^', 'D', 6},   {'v', '3', 102}, {'^', 'f', 130}, {'v', '-', 122},
        {'v', 'r', 100}, {'^', 'C', 100}, {'v', 'o', 100}, {'^', 'P', 100}};
    for (auto [gun, target, after] : kCases) {
        SCOPED_TRACE(std::string(1, gun) + target);
        const int gy = gun == 'v' ? 1 : 3;
        auto rows = kRoom;
        rows[gy][2] = gun;
        rows[2][2] = target;
        Rig rig;
        rig.place({rows});
        rig.host.randoms = {1.0 / 15};
        gunStep(rig.ctx, 2, gy);
        EXPECT_EQ(rig.code(2, 2), after);
        EXPECT_EQ(rig.sounds.count(sound::Effect::Wzri), target == 'o' ? 1 : 0);
        EXPECT_EQ(lives(rig), target == 'P' ? "9" : "10");
        EXPECT_EQ(rig.at(2, 2, layer::kMoved), target == '.' ? -1 : 0);
        if (target == '.') {
            EXPECT_EQ(rig.at(2, 2, layer::kShotDir), index(gun == 'v' ? Dir::Down : Dir::Up));
        }
    }
}

TEST(CrawlerMoves, RightHandedFromHeadingUpCirclesASquareClockwise) {
    Rig rig;
    const Level room{{"########", "#P.....#", "#......#", "#......#", "#...c..#", "#......#"},
                     {{4, 4, layer::kParamA, 0}, {4, 4, layer::kParamB, 1}}};
    EXPECT_EQ(afterEachCycle(rig, room, 8, [&] { return where(rig, code::kCrawler); }),
              (std::vector<Cell>{{5, 4}, {5, 5}, {4, 5}, {4, 4}, {5, 4}, {5, 5}, {4, 5}, {4, 4}}));
}

TEST(CrawlerMoves, HandSideThenStraightThenAwayThenRoundInPlace) {
    struct Case {
        int heading, hand, tries[3], turnedHeading, turnedHand;
        bool rightHanded;
    };
    const Case kCases[] = {{0, 1, {1, 0, 3}, 2, 3, true}, {0, 3, {3, 0, 1}, 2, 1, false},
                           {1, 2, {2, 1, 0}, 3, 0, true}, {1, 0, {0, 1, 2}, 3, 2, false},
                           {2, 3, {3, 2, 1}, 0, 1, true}, {2, 1, {1, 2, 3}, 0, 3, false},
                           {3, 0, {0, 3, 2}, 1, 2, true}, {3, 2, {2, 3, 0}, 1, 0, false},
                           {1, 7, {0, 1, 2}, 3, 2, false}};  // any other hand counts as left
    for (const Case& c : kCases) {
        for (int blocked = 0; blocked <= 3; ++blocked) {
            SCOPED_TRACE(::testing::Message() << c.heading << "/" << c.hand << " " << blocked);
            auto rows = kRoom;
            rows[2][2] = 'c';
            for (int i = 0; i < blocked; ++i)
                rows[2 + dy(*dirFromLayer(c.tries[i]))][2 + dx(*dirFromLayer(c.tries[i]))] = 'B';
            Rig rig;
            rig.place({rows, {{2, 2, layer::kParamA, c.heading}, {2, 2, layer::kParamB, c.hand}}});
            crawlerStep(rig.ctx, 2, 2);
            if (blocked < 3) {
                const Dir m = *dirFromLayer(c.tries[blocked]);
                const int nx = 2 + dx(m), ny = 2 + dy(m);
                EXPECT_EQ(rig.code(2, 2), code::kEmpty);
                EXPECT_EQ(rig.code(nx, ny), code::kCrawler);
                EXPECT_EQ(rig.at(nx, ny, layer::kParamA), index(m));
                EXPECT_EQ(rig.at(nx, ny, layer::kParamB), (index(m) + (c.rightHanded ? 1 : 3)) % 4);
            } else {  // never backwards: it turns round where it stands
                EXPECT_EQ(rig.code(2, 2), code::kCrawler);
                EXPECT_EQ(rig.at(2, 2, layer::kParamA), c.turnedHeading);
                EXPECT_EQ(rig.at(2, 2, layer::kParamB), c.turnedHand);
            }
        }
    }
}

TEST(CrawlerMoves, DeadEndTurnsRoundAndLeavesTheNextCycle) {
    Rig rig;
    const Level corridor{{"######", "#P####", "##c..#"},
                         {{2, 2, layer::kParamA, Dir::Left}, {2, 2, layer::kParamB, Dir::Up}}};
    const auto seen = afterEachCycle(rig, corridor, 2, [&] {
        const Cell c = where(rig, code::kCrawler);
        return std::array{c[0], c[1], int{rig.at(c[0], c[1], layer::kParamA)}};
    });
    EXPECT_EQ(seen, (std::vector<std::array<int, 3>>{{2, 2, index(Dir::Right)},
                                                     {3, 2, index(Dir::Right)}}));
}

TEST(CrawlerMoves, StrikeAgainWhereARightOrDownMoveLanded) {
    // the picture, the crawler's cell, heading and hand, the lives after one and two cycles
    const std::tuple<std::vector<std::string>, Cell, Dir, Dir, std::vector<std::string>> kCases[] =
        {{{"######", "######", "#.c.P#"}, {2, 2}, Dir::Right, Dir::Down, {"9", "9"}},
         {{"####", "##c#", "##.#", "##P#"}, {2, 1}, Dir::Down, Dir::Left, {"9", "9"}},
         {{"######", "######", "#.P.c#"}, {4, 2}, Dir::Left, Dir::Up, {"10", "9"}},
         {{"####", "##P#", "##.#", "##c#"}, {2, 3}, Dir::Up, Dir::Right, {"10", "9"}}};
    for (const auto& [rows, at, heading, hand, livesAfter] : kCases) {
        Rig rig;
        const Level level{
            rows, {{at[0], at[1], layer::kParamA, heading}, {at[0], at[1], layer::kParamB, hand}}};
        EXPECT_EQ(afterEachCycle(rig, level, 2, [&] { return lives(rig); }), livesAfter);
    }
}

TEST(CrawlerMoves, HeadingOutsideTheFourDirectionsStandsButStillStrikes) {
    for (int heading : {-1, 4, 1000}) {
        Rig rig;
        rig.place({{"#####", "#...#", "#.c.#", "#.P.#"}, {{2, 2, layer::kParamA, heading}}});
        crawlerStep(rig.ctx, 2, 2);
        EXPECT_EQ(lives(rig), "9") << heading;
        EXPECT_EQ(where(rig, 100), (Cell{2, 2})) << heading;  // burst where it stood
        EXPECT_EQ(rig.code(3, 2), code::kEmpty) << heading;
    }
}

TEST(BatMoves, ShuttlesAndReversesAtEveryObstacle) {
    // the picture, the bat's heading, then its column and heading after each cycle
    const std::tuple<std::string, int, std::vector<Cell>> kCases[] = {
        {"#b..#", 1, {{2, 1}, {3, 1}, {3, 3}, {2, 3}, {1, 3}, {1, 1}, {2, 1}}},
        {"#BbB#", 1, {{2, 3}, {2, 1}, {2, 3}, {2, 1}}}};
    for (const auto& [row, heading, after] : kCases) {
        Rig rig;
        const int bx = static_cast<int>(row.find('b'));
        const Level level{{"#####", row, "#...#", "#..P#"}, {{bx, 1, layer::kParamA, heading}}};
        auto columnAndHeading = [&] {
            const Cell b = where(rig, code::kBat);
            return Cell{b[0], rig.at(b[0], b[1], layer::kParamA)};
        };
        EXPECT_EQ(afterEachCycle(rig, level, after.size(), columnAndHeading), after);
    }
}

TEST(BatMoves, TwoFacingBatsBothReverse) {
    Rig rig;
    const Level level{{"######", "#.bb.#", "#....#", "#...P#"},
                      {{2, 1, layer::kParamA, Dir::Right}, {3, 1, layer::kParamA, Dir::Left}}};
    rig.play(level, 1);
    EXPECT_EQ(rig.at(2, 1, layer::kParamA), index(Dir::Left));
    EXPECT_EQ(rig.at(3, 1, layer::kParamA), index(Dir::Right));
    rig.play(level, 2);
    EXPECT_EQ(rig.code(1, 1), code::kBat);
    EXPECT_EQ(rig.code(4, 1), code::kBat);
}

TEST(BatMoves, NoStrikeWhileAWreckRunsOrWhenMarked) {
    const std::tuple<int, bool, bool> kCases[] = {
        {0, false, true}, {1, false, false}, {300, false, false}, {0, true, false}};
    for (auto [countdown, marked, strikes] : kCases) {
        Rig rig;
        rig.place({{"####", "#bP#"}, {{1, 1, layer::kParamA, Dir::Left}}});
        rig.world.wreckCountdown = countdown;
        rig.world.board.set(1, 1, layer::kMoved, marked ? -1 : 0);
        batStep(rig.ctx, 1, 1);
        EXPECT_EQ(lives(rig), strikes ? "9" : "10") << countdown << marked;
    }
}

TEST(CapsuleBlink, PicturesSwapEveryTenthCapsuleStepOnceTheBoltsAreGone) {
    // the picture, the bolt count, the cycle the last bolt goes, swapped or not after each cycle
    const std::tuple<std::string, std::string, long, std::string> kCases[] = {
        {"#P.C#", "0", 0, "000000000111111111100"},
        {"#PC.C#", "0", 0, "000011111000001111100"},
        {"#P.C#", "1", 0, "000000000000000000000"},
        {"#P.C#", "1", 15, "000000000000000000011"}};  // the count runs while bolts remain
    for (const auto& [row, bolts, boltsGoneAt, litAfter] : kCases) {
        SCOPED_TRACE(row + " " + bolts);
        Rig rig;
        if (boltsGoneAt) rig.host.at(boltsGoneAt, [&] { rig.world.kolBolt.setCaption("0"); });
        std::string lit;
        for (bool l : afterEachCycle(rig, {{"######", row}, {}, bolts}, litAfter.size(),
                                     [&] { return rig.sprites.object(9) == graphPicture(12); }))
            lit += l ? '1' : '0';
        EXPECT_EQ(lit, litAfter);
    }
}

TEST(CapsuleBlink, CapsuleCompletingTheCountIsRedrawn) {
    Rig rig;
    rig.play({{"#####", "#P.C#"}}, 10);
    EXPECT_EQ(rig.paintsAt(3, 1).back(), graphPicture(12));
}

TEST(TeleporterBlink, EveryTenthStepFromWhateverItsCounterHeld) {
    // tick counter and picture phase at the start, the phase after each cycle, the pictures
    // painted after the reveal
    const std::tuple<int, int, std::string, std::vector<int>> kCases[] = {
        {0, 0, "0000000001111111111000", {13, 14}},
        {7, 1, "1100000000001111111111", {14, 13}},
        {-3, 0, "0000000000001111111111", {13}},
        {12, 0, "0000000000000000000000", {}}};
    for (const auto& [tick, phase, phaseAfter, blinks] : kCases) {
        SCOPED_TRACE(tick);
        Rig rig;
        rig.world.board.set(2, 1, layer::kTick, tick);  // a level load keeps it
        rig.world.board.set(2, 1, layer::kPhase, phase);
        std::string phases;
        for (int p : afterEachCycle(rig, {{"#####", "#.T.#", "#P..#"}, {}, "1"}, phaseAfter.size(),
                                    [&] { return rig.at(2, 1, layer::kPhase); }))
            phases += static_cast<char>('0' + p);
        EXPECT_EQ(phases, phaseAfter);
        std::vector<Picture> paints{graphPicture(13)};  // the reveal
        for (int b : blinks)
            paints.push_back(graphPicture(b));
        EXPECT_EQ(rig.paintsAt(2, 1), paints);
    }
}

TEST(TeleporterBlink, ShotTeleporterBurnsOutToTheFloor) {
    Rig rig;
    rig.world.board.set(1, 1, layer::kPhase, 1);  // showing its first picture
    rig.play({{"######", "#T..-#", "#....#", "#...P#"}, {{4, 1, layer::kShotDir, Dir::Left}}}, 12);
    EXPECT_EQ(rig.code(1, 1), code::kEmpty);
    EXPECT_EQ(where(rig, code::kPlayer), (Cell{4, 3}));
}

TEST(Magnet, StrikesFacingLeftAlongTheWholeRowThroughFloorOnly) {
    const std::tuple<std::vector<std::string>, int, bool> kCases[] = {
        {{"#P........M#"}, 3, true},  {{"#PM#"}, 3, true},
        {{"#P*.......M#"}, 3, false}, {{"#P...-....M#"}, 3, false},
        {{"#P.......3M#"}, 3, false}, {{"#P........M#"}, 1, false},
        {{"#P........M#"}, 0, false}, {{"#P........M#"}, 2, false},
        {{"#M........P#"}, 3, false}, {{"#.........M#", "#P.........#"}, 3, false}};
    for (auto [rows, facing, strikes] : kCases) {
        SCOPED_TRACE(rows[0] + " facing " + std::to_string(facing));
        rows.insert(rows.begin(), "############");
        const int mx = static_cast<int>(rows[1].find('M'));
        Rig rig;
        rig.place({rows, {{mx, 1, layer::kParamB, facing}}});
        magnetStep(rig.ctx, mx, 1);
        EXPECT_EQ(lives(rig), strikes ? "9" : "10");
    }
}

// A room with the player one step from the teleporter at (3, 3), whose partner is at (7, 3).
struct Travel {
    Dir request;    // the move that meets the teleporter
    Cell sides[4];  // offsets from the partner, in the order tried
    int views[4], viewInPlace;
};
constexpr Cell kBelow{0, 1}, kAbove{0, -1}, kLeftSide{-1, 0}, kRightSide{1, 0};
const Travel kTravels[] = {{Dir::Down, {kBelow, kRightSide, kLeftSide, kAbove}, {7, 4, 1, 6}, 6},
                           {Dir::Up, {kAbove, kLeftSide, kRightSide, kBelow}, {1, 1, 2, 7}, 0},
                           {Dir::Left, {kLeftSide, kBelow, kAbove, kRightSide}, {1, 0, 6, 2}, 2},
                           {Dir::Right, {kRightSide, kAbove, kBelow, kLeftSide}, {2, 6, 7, 1}, 1}};

Level travelRoom(const Travel& t, int blocked) {
    std::vector<std::string> rows{"###########", "#.........#", "#.........#",
                                  "#..T...T..#", "#.........#", "#.........#"};
    rows[3 - dy(t.request)][3 - dx(t.request)] = 'P';
    for (int i = 0; i < blocked; ++i)
        rows[3 + t.sides[i][1]][7 + t.sides[i][0]] = 'B';
    return {rows, {{3, 3, layer::kParamA, 7}, {3, 3, layer::kParamB, 3}}};
}

TEST(TeleportTravel, LandsOnTheFirstFreeSideOrReformsInPlace) {
    for (const Travel& t : kTravels) {
        const bool marks = t.request == Dir::Down || t.request == Dir::Right;
        for (int blocked = 0; blocked <= 4; ++blocked) {
            SCOPED_TRACE(::testing::Message() << index(t.request) << " " << blocked);
            Rig rig;
            rig.place(travelRoom(t, blocked));
            const int x = 3 - dx(t.request), y = 3 - dy(t.request);
            rig.world.board.set(x, y, layer::kPhase, 1);  // left over from an earlier level
            rig.world.requests.key[t.request] = 1;
            player::MeGo(rig.ctx);
            EXPECT_EQ(rig.code(x, y), 100);
            EXPECT_EQ(rig.paintsAt(x, y), std::vector<Picture>{graphPicture(100)});
            EXPECT_EQ(rig.sounds.count(sound::Effect::Zerk), 1);
            const Cell at{rig.world.playerX, rig.world.playerY};
            if (blocked < 4) {
                const Cell land{7 + t.sides[blocked][0], 3 + t.sides[blocked][1]};
                EXPECT_EQ(at, land);
                EXPECT_EQ(rig.code(land[0], land[1]), 104);
                EXPECT_EQ(rig.at(land[0], land[1], layer::kPhase), 1);
                EXPECT_EQ(rig.at(land[0], land[1], layer::kTick), t.views[blocked]);
                EXPECT_EQ(rig.at(x, y, layer::kPhase), 0);
            } else {
                EXPECT_EQ(at, (Cell{x, y}));
                EXPECT_EQ(rig.at(x, y, layer::kPhase), 3);
                EXPECT_EQ(rig.at(x, y, layer::kTick), t.viewInPlace);
            }
            EXPECT_EQ(rig.at(at[0], at[1], layer::kMoved), marks ? -1 : 0);
        }
    }
}

TEST(TeleportTravel, NoSideFreeReformsInPlaceFacingAway) {
    Rig rig;
    rig.host.at(1, [&] { rig.world.requests.key[Dir::Down] = 1; });
    rig.play(travelRoom(kTravels[0], 4), 10);
    EXPECT_EQ(rig.code(3, 2), code::kPlayer);
    EXPECT_EQ(rig.paintsAt(3, 2).back(), testing::mesPicture(6));
}

TEST(TeleportTravel, PartnerNextToThePlayerNeverLandsOnThePlayersCell) {
    Rig rig;
    rig.place({{"######", "#....#", "#.TPT#", "#....#"},
               {{2, 2, layer::kParamA, 4}, {2, 2, layer::kParamB, 2}}});
    rig.world.requests.key[Dir::Left] = 1;
    player::MeGo(rig.ctx);
    EXPECT_EQ(rig.code(3, 2), 100);
    EXPECT_EQ(rig.code(4, 3), 104);  // below the partner: the second side tried
    EXPECT_EQ(rig.at(4, 3, layer::kTick), 0);
}

TEST(TeleportTravel, SidesOffTheBoardAreNotFree) {
    // the partner, and where the player ends up; (3, 3) is where it stood
    const std::tuple<int, int, Cell> kCases[] = {{0, 2, {1, 2}}, {0, 0, {3, 3}}, {500, -7, {3, 3}}};
    for (auto [px, py, lands] : kCases) {
        SCOPED_TRACE(std::to_string(px) + "," + std::to_string(py));
        Rig rig;  // the partner stands on the ring where the wall was painted over
        rig.place({{"######", "#....#", "T....#", "#.TP.#", "######"},
                   {{2, 3, layer::kParamA, px}, {2, 3, layer::kParamB, py}}});
        rig.world.requests.key[Dir::Left] = 1;
        EXPECT_NO_THROW(player::MeGo(rig.ctx));
        EXPECT_EQ((Cell{rig.world.playerX, rig.world.playerY}), lands);
        EXPECT_EQ(rig.code(lands[0], lands[1]), (lands == Cell{3, 3} ? 100 : 104));
    }
}

TEST(TeleportTravel, PartnerOnTheFarRingNeverLandsOutsideThePlayArea) {
    Rig rig;
    std::vector<std::string> rows(12, "#.................#");
    rows[0] = rows[11] = std::string(19, '#');
    rows[4] = "#..................";  // the ring painted over at (18, 4) and (18, 5)
    rows[5] = "#PT...............T";
    rig.place({rows, {{2, 5, layer::kParamA, 18}, {2, 5, layer::kParamB, 5}}});
    rig.world.requests.key[Dir::Right] = 1;
    player::MeGo(rig.ctx);
    // Right of the partner is column 19, outside the play area: the next side, above, is used.
    EXPECT_EQ((Cell{rig.world.playerX, rig.world.playerY}), (Cell{18, 4}));
    EXPECT_EQ(rig.code(19, 5), code::kEmpty);
}

TEST(TeleportTravel, TwoTeleportsInOneTurnLeaveOneRobot) {
    Rig rig;
    // Down meets the first teleporter and lands below its partner; Left from there meets
    // a second pair and lands beside that partner.
    rig.place({{"############", "#..P.......#", "#..T...T...#", "#.....T....#", "#.........T#",
                "############"},
               {{3, 2, layer::kParamA, 7},
                {3, 2, layer::kParamB, 2},
                {6, 3, layer::kParamA, 10},
                {6, 3, layer::kParamB, 4}}});
    rig.world.requests.key[Dir::Down] = rig.world.requests.key[Dir::Left] = 1;
    player::MeGo(rig.ctx);
    EXPECT_EQ(rig.code(7, 3), 100);  // the first landing cell now burns forward
    EXPECT_EQ(rig.at(7, 3, layer::kPhase), 0);
    EXPECT_EQ(rig.code(9, 4), 104);
    for (int i = 0; i < 5; ++i) {
        game::blastStep(rig.ctx, 7, 3);
        game::blastStep(rig.ctx, 9, 4);
    }
    EXPECT_EQ(rig.code(7, 3), code::kEmpty);
    EXPECT_EQ(rig.code(9, 4), code::kPlayer);
}

TEST(TeleportTravel, FurtherRequestStartsFromTheLandingCell) {
    Rig rig;
    rig.place(travelRoom(kTravels[0], 0));
    rig.world.requests.key[Dir::Down] = rig.world.requests.key[Dir::Left] = 1;
    player::MeGo(rig.ctx);
    EXPECT_EQ(rig.code(3, 2), 100);
    EXPECT_EQ(rig.code(7, 4), code::kEmpty);  // walked off: its blast sequence ends
    EXPECT_EQ(rig.code(6, 4), code::kPlayer);
    EXPECT_EQ((Cell{rig.world.playerX, rig.world.playerY}), (Cell{6, 4}));
}

}  // namespace
}  // namespace boltik::game
