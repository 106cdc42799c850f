// The breadth-first solver behind turtool solve: the shortest key script that wins a level,
// found by stepping the rules core one cycle at a time from every state reached.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/board/Directions.h"
#include "core/game/Context.h"
#include "core/headless/Script.h"
#include "core/loop/MainLoop.h"
#include "core/recording/Recording.h"

namespace boltik::solver {

// What the player does at the start of a cycle: nothing, an arrow tapped (one step at the
// robot's next turn), or an arrow tapped with Shift (one shot; the arrow is released at the
// start of the next cycle, after the robot's turn).
struct SolveInput {
    enum class Kind : uint8_t { Wait, Move, Shoot };
    Kind kind = Kind::Wait;
    boltik::board::Dir dir = boltik::board::Dir::Up;
};

struct SolveLimits {
    double maxSeconds = 60;
    std::size_t maxStates = 5'000'000;
    // The seed of the guns' generator, for a level with guns: with it fixed, the guns fire as
    // they will under turtool run --seed.
    std::optional<uint32_t> seed;
    // When the shortest solution is not found in a quarter of the time, a longer one may do: the
    // rest of the time goes to a search stage by stage, pickup by pickup.
    bool anyLength = false;
    // The threads that search, the caller's among them; 0 for one for each core. The outcome is
    // the same for any number.
    unsigned threads = 0;
    // Set from another thread to end the search early.
    const std::atomic<bool>* stop = nullptr;
};

struct SolveResult {
    enum class Outcome {
        Solved,
        Exhausted,    // every state reachable was searched: no input sequence wins
        OutOfTime,    // maxSeconds ran out first
        OutOfStates,  // maxStates were kept first
        Stopped,      // limits.stop was set first
    };
    Outcome outcome = Outcome::Exhausted;
    std::vector<SolveInput> inputs;  // when solved: the input of cycles 1, 2, ...; the last wins
    std::size_t states = 0;          // distinct states kept
    // When solved, the solution's cycles; otherwise no script of up to this many cycles wins.
    long depth = 0;
    double seconds = 0;
    // Whether the solution is proven the shortest.
    bool shortest = true;
};

// Searches the level from its start as the game recorded it (the world before the level loads
// and the guns' seed), for the fewest cycles to win. The level must load. limits.seed says that
// the guns are to be followed, drawing from the start's seed: without it the level must hold
// no gun (a gun fires at random). Wrecked states are dropped, and so are states proven lost;
// states are told apart by what decides their future, the guns' draws among it.
SolveResult solve(const boltik::recording::Recording& start, const SolveLimits& limits);

// How hard a level is, from every state reachable from its start (one tap or shot a cycle).
struct LevelStats {
    std::size_t states = 0;        // reachable states searched (wrecks are no state)
    std::size_t lost = 0;          // of them, those from which no sequence of inputs wins
    bool complete = false;         // every reachable state was searched, within the bound
    std::optional<long> shortest;  // cycles of the shortest solution
    // The first cycle after which the level can be lost: the fewest inputs that lead to a state
    // from which it cannot be won any more, and those inputs.
    std::optional<long> earliestLoss;
    std::vector<SolveInput> lossPath;
    double seconds = 0;
};

// Searches every state reachable from the start (up to limits.maxStates), breadth first and
// without pruning, and tells which of them can still be won. A state not searched because the
// bound was reached counts as one that can be won: lost is then a lower bound.
LevelStats levelStats(const boltik::recording::Recording& start, const SolveLimits& limits);

// The start turtool run gives a level file: loaded afresh by its name, with this seed.
boltik::recording::Recording startOf(const std::string& file, uint32_t seed);
// Searches the level file from startOf it, with the seed of limits.
SolveResult solveLevel(const std::string& file, const SolveLimits& limits);

// Plays one cycle of ctx with the input given at its start, as a script's events at the first
// yield of the cycle give it. A shot's arrow is released after the cycle, before anything of
// the next cycle could see it, as the next cycle's first yield would release it.
boltik::loop::CycleEnd playCycle(boltik::game::Context& ctx, SolveInput input, long cycle);

// The inputs as a script for turtool run: a tap is a press and a release in its cycle, a
// shot a Shift press in its cycle and the release at the start of the next.
std::vector<boltik::headless::ScriptEvent> scriptOf(const std::vector<SolveInput>& inputs);

// The cycle in which the script, played as turtool run plays it, takes the robot into the
// capsule; nothing when it does not within the cycle limit.
std::optional<long> winningCycle(const std::string& file,
                                 const std::vector<boltik::headless::ScriptEvent>& events,
                                 long cycleLimit, uint32_t seed = 0);
std::optional<long> winningCycle(const boltik::recording::Recording& start,
                                 const std::vector<boltik::headless::ScriptEvent>& events,
                                 long cycleLimit);

}  // namespace boltik::solver
