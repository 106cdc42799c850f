// The bound on the cycles still needed to win, the proofs that a level is lost, the shortest
// solutions of the campaign's quick levels, and the solution shown in the game.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "core/board/Codes.h"
#include "core/headless/HeadlessGame.h"
#include "core/headless/SessionGame.h"
#include "core/session/Sessions.h"
#include "core/solver/Bound.h"
#include "core/solver/Crew.h"
#include "core/solver/Demo.h"
#include "core/solver/Solver.h"
#include "support/Rig.h"

namespace boltik {
namespace {

using namespace board;
using solver::cyclesToWin;
using solver::Reach;
using testing::Level;
using testing::Rig;

// The bound for the level placed as it stands, the bolt counter reading `bolts`.
std::optional<int> bound(Rig& rig, const Level& level) {
    rig.place(level);
    rig.world.kolBolt.setCaption(level.bolts);
    for (int x = 0; x <= rig.world.lastCol; ++x) {
        for (int y = 0; y <= rig.world.lastRow; ++y) {
            if (rig.code(x, y) == code::kPlayer) {
                rig.world.playerX = static_cast<int16_t>(x);
                rig.world.playerY = static_cast<int16_t>(y);
            }
        }
    }
    return cyclesToWin(Reach(rig.world), rig.world);
}

TEST(WinBound, CountsTheWalkToEveryBoltAndThenTheCapsule) {
    Rig rig;
    // Four steps to an open capsule.
    EXPECT_EQ(bound(rig, Level({"#######", "#P...C#"})), 4);
    // Around a wall: the shortest way, not the straight line.
    EXPECT_EQ(bound(rig, Level({"#####", "#P#C#", "#...#"})), 4);
    // Two bolts on either side: the nearer (2), the walk between them (5), one more step at
    // least to the capsule. The best route takes 9.
    EXPECT_EQ(bound(rig, Level({"##########", "#*.P..*.C#"}, {}, "2")), 8);
    // The counter asks for one bolt of two: the nearer one and a step.
    EXPECT_EQ(bound(rig, Level({"##########", "#*.P..*.C#"}, {}, "1")), 3);
    // Boxes, rubble, doors and bombs may all be cleared one day: only walls count.
    EXPECT_EQ(bound(rig, Level({"#######", "#PBrDC#"})), 4);
}

TEST(WinBound, AStepAlreadyAskedForMayComeInTheSameTurn) {
    Rig rig;
    rig.place(Level({"#######", "#P...C#"}));
    rig.world.playerX = 1;
    rig.world.playerY = 1;
    rig.world.requests.key[Dir::Right] = 1;
    rig.world.requests.key[Dir::Down] = 1;
    EXPECT_EQ(cyclesToWin(Reach(rig.world), rig.world), 2);
}

TEST(WinBound, ProvesALevelLostOnlyForCertainReasons) {
    Rig rig;
    // The capsule is gone.
    EXPECT_EQ(bound(rig, Level({"######", "#P.*.#"}, {}, "1")), std::nullopt);
    // The capsule is walled off.
    EXPECT_EQ(bound(rig, Level({"######", "#P.#C#"})), std::nullopt);
    // A bolt the counter needs is walled off.
    EXPECT_EQ(bound(rig, Level({"########", "#P..C#*#"}, {}, "1")), std::nullopt);
    // The counter asks for more bolts than the board holds.
    EXPECT_EQ(bound(rig, Level({"#######", "#P*.C#"}, {}, "2")), std::nullopt);
    // A counter that will never read exactly "0": counting down only moves away from it.
    for (const char* caption : {"-1", "abc", "0 "})
        EXPECT_EQ(bound(rig, Level({"#######", "#P*.C#"}, {}, caption)), std::nullopt) << caption;
    // Not proven, though lost: the box cannot be pushed onto the bolt, but it is no wall.
    EXPECT_EQ(bound(rig, Level({"#######", "#PB*.C#"}, {}, "1")), 3);
    // A counter of "01" still counts down to "0".
    EXPECT_EQ(bound(rig, Level({"#######", "#P*.C#"}, {}, "01")), 2);
}

TEST(WinBound, TeleportersLeadOneWayToTheirPartnersSides) {
    Rig rig;
    // The robot's room and the capsule's room meet only through the teleporter at (2, 1),
    // whose partner is (5, 1): the robot lands beside it and walks to the capsule.
    const Level level({"#########", "#PT#.T.C#"},
                      {{2, 1, layer::kParamA, 5}, {2, 1, layer::kParamB, 1}});
    rig.place(level);
    const Reach reach(rig.world);
    // From (1, 1) into the teleporter lands on (4, 1) or (6, 1): one step.
    EXPECT_EQ(reach.steps(1, 1, 6, 1), 1);
    EXPECT_EQ(reach.steps(1, 1, 7, 1), 2);
    // The partner at (5, 1) points nowhere: there is no way back.
    EXPECT_EQ(reach.steps(7, 1, 1, 1), Reach::kNoWay);
    EXPECT_EQ(bound(rig, level), 2);
}

// The shortest solutions of the campaign's levels that the solver finds in a blink; the others
// are timed by tools/bench.sh. The lengths are those of a plain breadth-first search.
TEST(Solver, FindsTheShortestSolutionsOfTheQuickLevels) {
    const std::map<int, long> shortest = {{1, 40},  {2, 38},  {3, 45},  {4, 48},  {5, 65},
                                          {6, 38},  {9, 87},  {12, 59}, {14, 23}, {16, 103},
                                          {17, 47}, {19, 48}, {20, 62}, {22, 57}};
    for (const auto& [level, cycles] : shortest) {
        const std::string file =
            std::string(BOLTIK_DATA_DIR) + "/" + std::to_string(level) + ".tur";
        solver::SolveLimits limits;
        limits.maxSeconds = 60;
        const solver::SolveResult r = solver::solveLevel(file, limits);
        ASSERT_EQ(r.outcome, solver::SolveResult::Outcome::Solved) << file;
        EXPECT_EQ(static_cast<long>(r.inputs.size()), cycles) << file;
        EXPECT_EQ(solver::winningCycle(file, solver::scriptOf(r.inputs), cycles + 5), cycles);
    }
}

TEST(Solver, SolvesTheQuickLevelsWithGunsForEachSeed) {
    // Level 10 under the seeds 1 to 20, and the seeds under which level 11 is quick; every
    // solution wins when replayed under its seed. The rest are timed by tools/bench.sh.
    std::vector<std::pair<int, uint32_t>> runs;
    for (uint32_t seed = 1; seed <= 20; ++seed)
        runs.emplace_back(10, seed);
    for (uint32_t seed : {6u, 14u, 16u})
        runs.emplace_back(11, seed);
    for (const auto& [level, seed] : runs) {
        const std::string file =
            std::string(BOLTIK_DATA_DIR) + "/" + std::to_string(level) + ".tur";
        solver::SolveLimits limits;
        limits.seed = seed;
        const solver::SolveResult r = solver::solveLevel(file, limits);
        ASSERT_EQ(r.outcome, solver::SolveResult::Outcome::Solved) << file << " seed " << seed;
        const long length = static_cast<long>(r.inputs.size());
        EXPECT_EQ(solver::winningCycle(file, solver::scriptOf(r.inputs), length + 5, seed), length)
            << file << " seed " << seed;
    }
}

TEST(Solver, EveryStateOfASolutionIsBoundedByWhatRemains) {
    // Along a shortest solution the bound never exceeds the cycles still to go: it is a lower
    // bound, so the search that relies on it stays exact.
    for (int level : {3, 9, 16}) {
        const std::string file =
            std::string(BOLTIK_DATA_DIR) + "/" + std::to_string(level) + ".tur";
        const solver::SolveResult r = solver::solveLevel(file, {});
        ASSERT_EQ(r.outcome, solver::SolveResult::Outcome::Solved);
        headless::HeadlessGame game;
        headless::prepareAgain(game.world, file);
        ASSERT_TRUE(loop::loadLevel(game.ctx));
        const Reach reach(game.world);
        const long total = static_cast<long>(r.inputs.size());
        for (long i = 0; i < total; ++i) {
            const auto least = cyclesToWin(reach, game.world);
            ASSERT_TRUE(least) << file << " cycle " << i;
            EXPECT_LE(*least, total - i) << file << " cycle " << i;
            solver::playCycle(game.ctx, r.inputs[static_cast<std::size_t>(i)], i + 1);
        }
    }
}

TEST(Solver, ProvesALevelUnsolvableWithoutSearchingIt) {
    Rig rig;
    rig.dir.write("sealed.tur", testing::levelFileText(Level({"########", "#P..C#*#"}, {}, "1")));
    const solver::SolveResult r = solver::solveLevel("sealed.tur", {});
    EXPECT_EQ(r.outcome, solver::SolveResult::Outcome::Exhausted);
    EXPECT_EQ(r.states, 1u);
}

TEST(Solver, AStopAskedForFromOutsideEndsTheSearch) {
    Rig rig;
    rig.dir.write("far.tur", testing::levelFileText(
                                 Level({"##########", "#P.......#", "#........#", "#.......C#"})));
    std::atomic<bool> stop{true};
    solver::SolveLimits limits;
    limits.stop = &stop;
    EXPECT_EQ(solver::solveLevel("far.tur", limits).outcome, solver::SolveResult::Outcome::Stopped);
}

// hall.tur: bolts all over an open hall, too many orders to try within a few hundred states.
void writeHall(Rig& rig) {
    rig.dir.write("hall.tur",
                  testing::levelFileText(
                      Level({"###################", "#P...........*...*#", "#....*.......*....#",
                             "#.........*.......#", "#.*....*..........#", "#......*..*...*...#",
                             "#*........*......C#"},
                            {}, "11")));
}

TEST(Solver, GivesALongerSolutionStageByStageWhenTheShortestIsOutOfReach) {
    Rig rig;
    writeHall(rig);
    solver::SolveLimits limits;
    limits.maxStates = 300;
    EXPECT_EQ(solver::solveLevel("hall.tur", limits).outcome,
              solver::SolveResult::Outcome::OutOfStates);
    limits.anyLength = true;
    const solver::SolveResult r = solver::solveLevel("hall.tur", limits);
    ASSERT_EQ(r.outcome, solver::SolveResult::Outcome::Solved);
    EXPECT_FALSE(r.shortest);
    const long length = static_cast<long>(r.inputs.size());
    EXPECT_EQ(solver::winningCycle("hall.tur", solver::scriptOf(r.inputs), length + 5), length);
}

// A solution as the lines of its script.
std::string scriptText(const solver::SolveResult& r) {
    std::string text;
    for (const auto& e : solver::scriptOf(r.inputs))
        text += headless::scriptLine(e) + "\n";
    return text;
}

TEST(Solver, FindsTheSameWhateverTheNumberOfThreads) {
    // The states of a batch are kept in the order one thread would keep them, so the solution
    // and the count of states do not depend on how many threads share the work: the exact
    // search, one with guns under a seed, and one stage by stage.
    Rig rig;
    writeHall(rig);
    struct Case {
        std::string file;
        std::optional<uint32_t> seed;
        bool anyLength;
    };
    const std::string data = std::string(BOLTIK_DATA_DIR) + "/";
    for (const Case& c : {Case{data + "9.tur", {}, false}, Case{data + "11.tur", 6u, false},
                          Case{"hall.tur", {}, true}}) {
        std::optional<solver::SolveResult> first;
        for (unsigned threads : {1u, 2u, 3u}) {
            solver::SolveLimits limits;
            limits.threads = threads;
            limits.seed = c.seed;
            limits.anyLength = c.anyLength;
            if (c.anyLength) limits.maxStates = 300;
            const solver::SolveResult r = solver::solveLevel(c.file, limits);
            ASSERT_EQ(r.outcome, solver::SolveResult::Outcome::Solved) << c.file;
            EXPECT_EQ(r.shortest, !c.anyLength) << c.file;
            if (!first) {
                first = r;
                continue;
            }
            EXPECT_EQ(r.states, first->states) << c.file << " threads " << threads;
            EXPECT_EQ(scriptText(r), scriptText(*first)) << c.file << " threads " << threads;
        }
    }
}

TEST(Crew, RunsEveryMemberOnceARoundAndPassesOnAFailure) {
    solver::Crew crew(2);
    ASSERT_EQ(crew.size(), 3u);
    std::vector<std::atomic<int>> runs(3);
    for (int round = 0; round < 50; ++round)
        crew.run([&](unsigned member) { ++runs[member]; });
    for (const auto& n : runs)
        EXPECT_EQ(n.load(), 50);
    EXPECT_THROW(crew.run([](unsigned member) {
        if (member == 2) throw std::runtime_error("a helper failed");
    }),
                 std::runtime_error);
    // The crew goes on working after a failure.
    crew.run([&](unsigned member) { ++runs[member]; });
    EXPECT_EQ(runs[2].load(), 51);
}

TEST(LevelStats, CountTheStatesFromWhichALevelIsLost) {
    Rig rig;
    // The only move pushes the box onto the capsule's doorstep for good: lost from the start.
    rig.dir.write("jam.tur", testing::levelFileText(Level({"######", "#PB.C#"})));
    const solver::LevelStats jam = solver::levelStats(solver::startOf("jam.tur", 0), {});
    EXPECT_TRUE(jam.complete);
    EXPECT_GE(jam.states, 2u);
    EXPECT_EQ(jam.lost, jam.states);
    EXPECT_EQ(jam.shortest, std::nullopt);
    EXPECT_EQ(jam.earliestLoss, 0);
    // Nothing can go wrong on a clear way.
    rig.dir.write("way.tur", testing::levelFileText(Level({"#######", "#P.*.C#"}, {}, "1")));
    const solver::LevelStats way = solver::levelStats(solver::startOf("way.tur", 0), {});
    EXPECT_TRUE(way.complete);
    EXPECT_EQ(way.lost, 0u);
    EXPECT_EQ(way.shortest, 4);
    EXPECT_EQ(way.earliestLoss, std::nullopt);
    // The campaign's first level 2: the most natural push, box 2 towards the exit, jams the
    // corridor seven moves in.
    rig.dir.write("corridor.tur",
                  testing::levelFileText(
                      Level({"###################", "###################", "###################",
                             "###################", "#######...#########", "####P..B.B..*C#####",
                             "#######.*.#########"},
                            {}, "2")));
    const solver::LevelStats corridor = solver::levelStats(solver::startOf("corridor.tur", 0), {});
    EXPECT_TRUE(corridor.complete);
    EXPECT_EQ(corridor.shortest, 11);
    EXPECT_EQ(corridor.earliestLoss, 7);
    EXPECT_EQ(corridor.lossPath.size(), 7u);
    EXPECT_GT(corridor.lost, 0u);
    EXPECT_LT(corridor.lost, corridor.states);
}

TEST(LevelStats, TheBoxLessonHasNoDeadEnd) {
    // Level 2 teaches boxes: whatever the player pushes, and wherever, it can still be won.
    const solver::LevelStats two =
        solver::levelStats(solver::startOf(std::string(BOLTIK_DATA_DIR) + "/2.tur", 0), {});
    EXPECT_TRUE(two.complete);
    EXPECT_EQ(two.lost, 0u);
    EXPECT_EQ(two.earliestLoss, std::nullopt);
    EXPECT_EQ(two.shortest, 38);
}

// The solution shown in the game starts from the level's start as the player's game recorded
// it, leftovers of the level before and the guns' seed included, and wins from there.
TEST(Demo, PlaysTheSolutionFromTheRecordedStartOfTheLevel) {
    Rig rig;
    rig.dir.write("1.tur", testing::levelFileText(Level({"#######", "#P*.C#"}, {}, "1")));
    session::Live live;
    rig.world.levelName = "1.tur";
    rig.world.startMode = StartMode::Again;
    rig.world.fireDelay = 3;  // left by the level before
    live.levelStarts(rig.world, 77);
    const auto start = live.levelStart(rig.world);
    ASSERT_TRUE(start);
    EXPECT_EQ(start->seed, 77u);
    EXPECT_EQ(start->fireDelay, 3);
    EXPECT_EQ(start->name, "1.tur");

    solver::SolveLimits limits;
    limits.seed = start->seed;
    const solver::SolveResult r = solver::solve(*start, limits);
    ASSERT_EQ(r.outcome, solver::SolveResult::Outcome::Solved);

    // Played as the game window plays a session: the inputs at the first yield of each cycle.
    auto demo = std::make_unique<solver::Demo>(*start, r.inputs);
    const long length = demo->length();
    EXPECT_EQ(demo->levelStarts(rig.world, 5), 77u);
    EXPECT_FALSE(demo->takesInput());
    EXPECT_TRUE(demo->escapeEnds());
    headless::SessionGame game(std::move(demo));
    game.world.fireDelay = 9;  // what the demo's start replaces
    EXPECT_EQ(game.play(), loop::GameEnd::LevelDone);
    EXPECT_FALSE(game.ctx.writesCounterFile);
    EXPECT_EQ(game.ctx.cycles, length);
    EXPECT_EQ(game.world.kolLives.caption(), kStartLives);

    // The player's game begins the level again with the seed it had.
    live.repeatSeed();
    EXPECT_EQ(live.levelStarts(rig.world, 99), 77u);
    EXPECT_EQ(live.levelStarts(rig.world, 99), 99u);
}

}  // namespace
}  // namespace boltik
