// turtool solve: the shortest winning scripts of small levels, replayed by turtool run, and the
// solver's states, which must carry everything that decides what happens next.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <sstream>

#include "ToolRun.h"
#include "core/solver/SolveState.h"
#include "core/solver/Solver.h"
#include "support/Rig.h"

namespace {

using namespace boltik::board;
using boltik::loop::CycleEnd;
using boltik::solver::Snapshot;
using boltik::solver::SolveInput;
using boltik::solver::StateCodec;
using boltik::testing::Level;
using boltik::testing::levelFileText;
using boltik::testing::Rig;
using boltik::testing::TempDir;
using boltik::testing::ToolRun;
using boltik::testing::turtool;

struct SolvedLevel {
    const char* name;
    Level level;
    int cycles;  // the shortest solution, worked out by hand
};

const SolvedLevel kSolvedLevels[] = {
    // The box blocks the short way to the bolt, and pushing it only jams it against the bolt:
    // round by the lower row, 6 steps to the bolt and 6 more into the capsule.
    {"detour round a box", {{"#######", "#P.B.*#", "#.....#", "#C....#"}, {}, "1"}, 12},
    // Take the ammunition, wait for the fire delay (the first shot in cycle 10), shoot the
    // rubble point-blank, let the blast burn out (cycles 10 to 14), walk on from cycle 15.
    {"shoot the rubble", {{"#Par.C#"}}, 17},
};

TEST(TurtoolSolve, FindsTheShortestScriptAndItReplays) {
    for (const auto& s : kSolvedLevels) {
        SCOPED_TRACE(s.name);
        TempDir dir;
        dir.write("l.tur", levelFileText(s.level));
        const ToolRun solved = turtool({"solve", "l.tur"});
        ASSERT_EQ(solved.code, 0) << solved.err;
        // A search plays no game: the counter file of the folder is not written.
        EXPECT_FALSE(std::filesystem::exists(dir.path() / "kilometrach.txt"));
        const std::string head =
            "# the shortest solution: " + std::to_string(s.cycles) + " cycles (";
        EXPECT_EQ(solved.out.rfind(head, 0), 0u) << solved.out;
        dir.write("s.txt", solved.out);
        const ToolRun replay = turtool(
            {"run", "l.tur", "--script", "s.txt", "--cycles", std::to_string(s.cycles + 5)});
        EXPECT_EQ(replay.out.rfind(
                      "result: done\nlevel: l.tur\ncycles: " + std::to_string(s.cycles) + "\n", 0),
                  0u)
            << solved.out << replay.out;
    }
}

TEST(TurtoolSolve, AShotIsReleasedAtTheStartOfTheNextCycle) {
    TempDir dir;
    dir.write("l.tur", levelFileText({{"#Par.C#"}}));
    const ToolRun solved = turtool({"solve", "l.tur"});
    EXPECT_NE(solved.out.find("\n10 shift right\n11 release right\n"), std::string::npos)
        << solved.out;
}

TEST(TurtoolSolve, ShootsTheWayTheLevelNeedsInEachMirrorImage) {
    // Ammunition, then rubble that only a shot clears, then the capsule: in each of the four
    // directions from the robot.
    struct Mirror {
        const char* shot;
        Level level;
    };
    const Mirror kMirrors[] = {
        {"right", {{"#######", "#Par.C#", "#######"}}},
        {"left", {{"#######", "#C.raP#", "#######"}}},
        {"down", {{"###", "#P#", "#a#", "#r#", "#.#", "#C#", "###"}}},
        {"up", {{"###", "#C#", "#.#", "#r#", "#a#", "#P#", "###"}}},
    };
    for (const Mirror& m : kMirrors) {
        SCOPED_TRACE(m.shot);
        TempDir dir;
        dir.write("l.tur", levelFileText(m.level));
        const ToolRun solved = turtool({"solve", "l.tur", "--max-seconds", "20"});
        ASSERT_EQ(solved.code, 0) << solved.out << solved.err;
        EXPECT_NE(solved.out.find(std::string(" shift ") + m.shot + "\n"), std::string::npos)
            << solved.out;
        dir.write("s.txt", solved.out);
        const ToolRun replay = turtool({"run", "l.tur", "--script", "s.txt", "--cycles", "40"});
        EXPECT_EQ(replay.out.rfind("result: done\n", 0), 0u) << solved.out << replay.out;
    }
}

TEST(TurtoolSolve, RefusesALevelWithAGun) {
    TempDir dir;
    dir.write("g.tur", levelFileText({{"#####", "#P..#", "#.C.#", "#..^#"}}));
    const ToolRun r = turtool({"solve", "g.tur"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err,
              "turtool: g.tur: a gun stands at (3, 3); guns fire at random, so solve takes "
              "only levels without them\n");
}

// With the guns' seed fixed, a level with a gun is solved for that seed: the script crosses
// the gun's column between its shots, and wins under turtool run with the same seed. Under
// several seeds the shots come at other times, so each seed needs its own timing.
TEST(TurtoolSolve, SolvesALevelWithAGunForAGivenSeed) {
    TempDir dir;
    dir.write("g.tur", levelFileText({{"#######", "#..v..#", "#P...C#"}}));
    std::vector<std::string> scripts;
    for (const std::string seed : {"1", "2", "3", "4", "5", "6"}) {
        SCOPED_TRACE("seed " + seed);
        const ToolRun solved = turtool({"solve", "g.tur", "--seed", seed});
        ASSERT_EQ(solved.code, 0) << solved.err;
        EXPECT_NE(solved.out.find("; it wins under turtool run --seed " + seed + "\n"),
                  std::string::npos)
            << solved.out;
        dir.write("s.txt", solved.out);
        const ToolRun replay =
            turtool({"run", "g.tur", "--script", "s.txt", "--seed", seed, "--cycles", "200"});
        EXPECT_EQ(replay.out.rfind("result: done\n", 0), 0u) << solved.out << replay.out;
        scripts.push_back(solved.out.substr(solved.out.find('\n')));
    }
    // The shots decide the timing: not every seed is won by the same script.
    std::sort(scripts.begin(), scripts.end());
    EXPECT_GT(std::unique(scripts.begin(), scripts.end()) - scripts.begin(), 1);
}

TEST(TurtoolSolve, SaysWhyNoSolutionWasFound) {
    TempDir dir;
    // The box can be pushed once, against the capsule, and never out of the way again.
    dir.write("jammed.tur", levelFileText({{"#######", "#P.B.C#"}}));
    const ToolRun jammed = turtool({"solve", "jammed.tur", "--max-states", "100"});
    EXPECT_EQ(jammed.code, 1);
    EXPECT_EQ(jammed.out.rfind("no solution: every state the robot can reach with one tap or "
                               "shot a cycle was searched, but for those proven lost (6 states "
                               "in ",
                               0),
              0u)
        << jammed.out;

    dir.write("far.tur", levelFileText({{"###########", "#P........#", "#.........#", "#.........#",
                                         "#........C#"}}));
    const ToolRun states = turtool({"solve", "far.tur", "--max-states", "20"});
    EXPECT_EQ(states.code, 1);
    EXPECT_EQ(states.out.rfind("no solution found: the limit of 20 states stopped the search "
                               "(20 states; no script of up to ",
                               0),
              0u)
        << states.out;
    const ToolRun time = turtool({"solve", "far.tur", "--max-seconds", "0"});
    EXPECT_EQ(time.code, 1);
    EXPECT_EQ(time.out.rfind("no solution found: the time limit of 0.00 s stopped the search "
                             "(1 state; no script of up to ",
                             0),
              0u)
        << time.out;
}

TEST(TurtoolStats, SaysHowHardALevelIsAndHowOftenARouteLoses) {
    TempDir dir;
    dir.write("jam.tur", levelFileText({{"######", "#PB.C#"}}));
    const ToolRun jam = turtool({"stats", "jam.tur"});
    EXPECT_EQ(jam.code, 0) << jam.err;
    EXPECT_EQ(jam.out,
              "level: jam.tur\nstates: 4 (every reachable state)\nlost: 4 (100.0 %)\n"
              "shortest: none found\nearliest loss: after 0 cycles ()\n");
    // A gun: the states need a seed; a route is tried under every seed.
    dir.write("g.tur", levelFileText({{"#####", "#.v.#", "#...#", "#P.C#"}}));
    dir.write("r.txt", "1 press right\n1 release right\n2 press right\n2 release right\n");
    const ToolRun route = turtool({"stats", "g.tur", "--route", "r.txt", "--seeds", "50"});
    EXPECT_EQ(route.code, 0) << route.err;
    EXPECT_NE(route.out.find("states: not searched: a gun stands at (2, 1)"), std::string::npos)
        << route.out;
    EXPECT_NE(route.out.find("route lost: "), std::string::npos) << route.out;
    EXPECT_NE(route.out.find(" of 50 seeds ("), std::string::npos) << route.out;
    // A route that never wins names the first seeds it loses, to be replayed with run.
    dir.write("stay.txt", "1 press left\n1 release left\n");
    const ToolRun stay = turtool({"stats", "g.tur", "--route", "stay.txt", "--seeds", "12"});
    EXPECT_NE(stay.out.find("route lost: 12 of 12 seeds (100.0 %)\n"
                            "first seeds lost: 1, 2, 3, 4, 5, 6, 7, 8, 9, 10\n"),
              std::string::npos)
        << stay.out;
    const ToolRun few = turtool({"stats", "g.tur", "--route", "stay.txt", "--seeds", "2"});
    EXPECT_NE(few.out.find("seeds lost: 1, 2\n"), std::string::npos) << few.out;
    EXPECT_EQ(few.out.find("first seeds"), std::string::npos) << few.out;
    EXPECT_EQ(turtool({"stats", "g.tur", "--route", "missing.txt"}).code, 1);
    EXPECT_EQ(turtool({"stats", "g.tur", "--seeds", "0"}).code, 2);
}

TEST(TurtoolSolve, BadArgumentsAndFiles) {
    TempDir dir;
    dir.write("l.tur", levelFileText({{"#PC#"}}));
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"solve"},
                                               {"solve", "l.tur", "--max-states"},
                                               {"solve", "l.tur", "--max-states", "0"},
                                               {"solve", "l.tur", "--max-seconds", "-1"},
                                               {"solve", "l.tur", "--max-seconds", "1x"},
                                               {"solve", "l.tur", "--depth", "3"}}) {
        EXPECT_EQ(turtool(args).code, 2);
    }
    const ToolRun missing = turtool({"solve", "missing.tur"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(missing.err.rfind("turtool: missing.tur: ", 0), 0u);
    const ToolRun one = turtool({"solve", "l.tur", "--max-seconds", "0.5"});
    EXPECT_EQ(one.out.rfind("# the shortest solution: 1 cycle (2 states searched in ", 0), 0u)
        << one.out;
    EXPECT_NE(one.out.find(")\n1 press right\n1 release right\n"), std::string::npos);
}

// Levels that keep moving without the robot: a crawler, a bat, a shot flying from the start
// into bombs, whose blast leaves a primed bomb behind the sweep (its mark lasts into the next
// cycle). The robot starts beside a teleporter. The second level has a gap in its wall ring,
// through which objects leave the play area.
struct BusyLevel {
    const char* name;
    Level level;
};

const BusyLevel kBusyLevels[] = {
    {"closed ring",
     {{"###################", "#PT.a.o.o.r.....c.#", "#.a.k.D.*o...b....#", "#....T....B..M..C.#",
       "#......oo..-......#", "#.......*..*......#"},
      {{2, 1, layer::kParamA, 5},
       {2, 1, layer::kParamB, 3},
       {5, 3, layer::kParamA, 2},
       {5, 3, layer::kParamB, 1},
       {16, 1, layer::kParamA, Dir::Down},
       {16, 1, layer::kParamB, Dir::Left},
       {13, 2, layer::kParamA, Dir::Left},
       {13, 3, layer::kParamB, Dir::Left},
       {11, 4, layer::kShotDir, Dir::Left}},
      "3"}},
    {"gap in the ring",
     {{"###################", "#PT.a.o.o...c.....#", "#.....r...-.b......", "#....T............#"},
      {{2, 1, layer::kParamA, 5},
       {2, 1, layer::kParamB, 3},
       {5, 3, layer::kParamA, 2},
       {5, 3, layer::kParamB, 1},
       {12, 1, layer::kParamA, Dir::Right},
       {12, 1, layer::kParamB, Dir::Down},
       {12, 2, layer::kParamA, Dir::Right},
       {10, 2, layer::kShotDir, Dir::Right}},
      "0"}},
};

SolveInput randomInput(std::mt19937& gen) {
    const auto kind = static_cast<SolveInput::Kind>(gen() % 3);
    return {kind, kAllDirs[gen() % 4]};
}

// A state taken from a game, put back into it after more play and played again with the same
// inputs must go exactly as it went the first time: what the state leaves out (stale layers,
// pictures, counts) must not matter. Rounds of random length start at many different cycles.
TEST(SolveState, AStatePutBackPlaysOnAsItDidTheFirstTime) {
    constexpr int kRounds = 100;
    constexpr long kReloadAfter = 25;  // cycles: the level's opening comes round again
    for (const auto& busy : kBusyLevels) {
        SCOPED_TRACE(busy.name);
        Rig rig;
        rig.play(busy.level, 0);
        const StateCodec codec(rig.ctx, true);
        std::mt19937 gen(11);
        long cycle = 0;
        long sinceLoad = 0;
        for (int round = 0; round < kRounds; ++round) {
            if (sinceLoad >= kReloadAfter) {
                rig.play(busy.level, 0);
                sinceLoad = 0;
            }
            Snapshot start, unpacked, now;
            codec.read(rig.ctx, start);
            std::vector<uint8_t> packed;
            codec.pack(start, packed);
            codec.unpack(packed, unpacked);
            ASSERT_EQ(unpacked, start) << "round " << round;

            const int length = 1 + static_cast<int>(gen() % 5);
            std::vector<SolveInput> inputs;
            std::vector<Snapshot> first;
            for (int i = 0; i < length; ++i) {
                inputs.push_back(randomInput(gen));
                const CycleEnd end = boltik::solver::playCycle(rig.ctx, inputs.back(), ++cycle);
                if (end != CycleEnd::Continue || rig.world.wreckCountdown != 0) break;
                codec.read(rig.ctx, now);
                first.push_back(now);
            }
            sinceLoad += length;
            if (first.size() < inputs.size()) {
                sinceLoad = kReloadAfter;
                continue;
            }
            codec.restore(now, start, rig.ctx);
            for (std::size_t i = 0; i < inputs.size(); ++i) {
                boltik::solver::playCycle(rig.ctx, inputs[i], ++cycle);
                codec.read(rig.ctx, now);
                ASSERT_EQ(now, first[i]) << "round " << round << ", cycle " << i;
            }
        }
    }
}

}  // namespace
