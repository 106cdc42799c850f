// The solver: a search run to its goal or its bounds, the statistics of a level, and the
// scripts of the solutions found.
#include "core/solver/Solver.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <functional>
#include <memory>
#include <span>
#include <stdexcept>

#include "core/board/Rules.h"
#include "core/headless/HeadlessGame.h"
#include "core/io/Text.h"
#include "core/loop/MainLoop.h"
#include "core/player/Keyboard.h"
#include "core/solver/Bound.h"
#include "core/solver/Search.h"
#include "core/solver/SolveState.h"
#include "core/solver/StateStore.h"

namespace boltik::solver {

using namespace boltik::board;
using boltik::game::Context;
using boltik::headless::ScriptEvent;
using boltik::loop::CycleEnd;
using boltik::recording::Recording;
namespace player = boltik::player;

Recording startOf(const std::string& file, uint32_t seed) {
    Recording start;
    start.start = StartMode::Again;
    start.name = file;
    start.seed = seed;
    return start;
}

SolveResult solveLevel(const std::string& file, const SolveLimits& limits) {
    return solve(startOf(file, limits.seed.value_or(0)), limits);
}

namespace {

// A search that may give a longer solution spends this share of its time on the shortest,
// and the rest stage by stage.
constexpr double kExactShare = 0.25;

// Runs the search until it finds its goal or a limit ends it; the inputs found are appended.
SolveResult::Outcome run(Search& search, const SolveLimits& limits, double deadline,
                         const std::function<double()>& elapsed, SolveResult& result,
                         bool& levelDone) {
    for (;;) {
        if (limits.stop && limits.stop->load(std::memory_order_relaxed)) {
            return SolveResult::Outcome::Stopped;
        }
        if (elapsed() > deadline) return SolveResult::Outcome::OutOfTime;
        const Search::Step step = search.step(limits.maxStates);
        // Every state that can still be won was searched.
        if (step == Search::Step::Exhausted) return SolveResult::Outcome::Exhausted;
        result.depth = static_cast<long>(search.bound()) - 1;
        if (step == Search::Step::Full) return SolveResult::Outcome::OutOfStates;
        if (step == Search::Step::Found) {
            const auto& found = search.found();
            const auto path = search.pathTo(found.from);
            result.inputs.insert(result.inputs.end(), path.begin(), path.end());
            result.inputs.push_back(kInputs[found.input]);
            levelDone = found.levelDone;
            return SolveResult::Outcome::Solved;
        }
    }
}

}  // namespace

SolveResult solve(const Recording& start, const SolveLimits& limits) {
    const auto started = std::chrono::steady_clock::now();
    const std::function<double()> elapsed = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    };
    Search search(start, limits.seed.has_value(),
                  limits.threads ? limits.threads - 1 : helperThreads());
    SolveResult result;
    bool levelDone = false;
    const double exactPart = limits.anyLength ? limits.maxSeconds * kExactShare : limits.maxSeconds;
    result.outcome = run(search, limits, exactPart, elapsed, result, levelDone);
    result.states = search.states();
    if (result.outcome == SolveResult::Outcome::Solved) {
        result.depth = static_cast<long>(result.inputs.size());
    } else if (limits.anyLength && (result.outcome == SolveResult::Outcome::OutOfTime ||
                                    result.outcome == SolveResult::Outcome::OutOfStates)) {
        // The shortest was not found in time: a solution stage by stage, each the shortest
        // way to one more bolt, and at last into the capsule.
        SolveResult staged;
        Snapshot at = search.startState();
        for (;;) {
            search.restartStage(at);
            const auto outcome = run(search, limits, limits.maxSeconds, elapsed, staged, levelDone);
            staged.states += search.states();
            if (outcome != SolveResult::Outcome::Solved) break;
            if (levelDone) {
                result.outcome = SolveResult::Outcome::Solved;
                result.inputs = staged.inputs;
                result.depth = static_cast<long>(result.inputs.size());
                result.shortest = false;
                break;
            }
            at = search.stageEnd();
        }
        result.states += staged.states;
    }
    result.seconds = elapsed();
    return result;
}

LevelStats levelStats(const Recording& start, const SolveLimits& limits) {
    const auto started = std::chrono::steady_clock::now();
    const bool guns = limits.seed.has_value();
    LevelGame game(start);
    Context& ctx = game.ctx;
    const StateCodec codec(loadedLevel(ctx), guns);
    StateStore store;
    std::vector<uint8_t> packed;
    codec.pack(codec.start(), packed);
    store.add(packed, StateStore::kNone, 0);
    std::vector<uint32_t> depth{0};
    std::vector<bool> wins{false};
    // Every move between two states, child first, for the search back from the wins.
    std::vector<std::pair<uint32_t, uint32_t>> moves;
    Snapshot held = codec.start(), next, child;
    LevelStats stats;
    std::size_t expanded = 0;
    for (uint32_t id = 0; id < store.size(); ++id, ++expanded) {
        if (store.size() >= limits.maxStates ||
            (limits.stop && limits.stop->load(std::memory_order_relaxed))) {
            break;
        }
        codec.unpack(store.bytes(id), next);
        codec.restore(held, next, ctx);
        std::swap(held, next);
        if (guns) game.host.rewindTo(held.draws);
        const auto random = game.host.randomState();
        for (uint8_t k = 0; k < std::size(kInputs); ++k) {
            if (kInputs[k].kind == SolveInput::Kind::Shoot && !mayFire(held)) continue;
            const CycleEnd end = playCycle(ctx, kInputs[k], static_cast<long>(depth[id]) + 1);
            codec.read(ctx, child);
            if (end == CycleEnd::LevelDone) {
                wins[id] = true;
                if (!stats.shortest) stats.shortest = static_cast<long>(depth[id]) + 1;
            } else if (end == CycleEnd::Continue && ctx.world.wreckCountdown == 0) {
                child.draws = game.host.draws();
                codec.pack(child, packed);
                const auto [c, isNew] = store.add(packed, id, k);
                if (isNew) {
                    depth.push_back(depth[id] + 1);
                    wins.push_back(false);
                }
                moves.emplace_back(c, id);
            }
            codec.restore(child, held, ctx);
            if (guns) game.host.setRandomState(random);
        }
    }
    stats.states = store.size();
    stats.complete = expanded == store.size();
    // Back from every state with a winning input, along the moves: the states that can win.
    // States never expanded are given the benefit of the doubt.
    std::vector<bool> winnable(store.size(), false);
    std::vector<uint32_t> queue;
    for (uint32_t id = 0; id < store.size(); ++id) {
        if (wins[id] || id >= expanded) {
            winnable[id] = true;
            queue.push_back(id);
        }
    }
    std::sort(moves.begin(), moves.end());
    for (std::size_t head = 0; head < queue.size(); ++head) {
        const uint32_t c = queue[head];
        auto it = std::lower_bound(moves.begin(), moves.end(), std::pair{c, uint32_t{0}});
        for (; it != moves.end() && it->first == c; ++it) {
            if (winnable[it->second]) continue;
            winnable[it->second] = true;
            queue.push_back(it->second);
        }
    }
    for (uint32_t id = 0; id < store.size(); ++id) {
        if (winnable[id]) continue;
        ++stats.lost;
        // States are numbered breadth first: the first lost one is among the earliest.
        if (!stats.earliestLoss) {
            stats.earliestLoss = depth[id];
            for (uint32_t at = id; store.parent(at) != StateStore::kNone; at = store.parent(at))
                stats.lossPath.insert(stats.lossPath.begin(), kInputs[store.input(at)]);
        }
    }
    stats.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    return stats;
}

CycleEnd playCycle(Context& ctx, SolveInput in, long cycle) {
    World& w = ctx.world;
    if (in.kind == SolveInput::Kind::Move) {
        player::keyDown(w, in.dir, false);
        player::keyUp(w, in.dir);
    } else if (in.kind == SolveInput::Kind::Shoot) {
        player::keyDown(w, in.dir, true);
    }
    ctx.cycles = cycle - 1;
    const CycleEnd end = boltik::loop::runCycle(ctx);
    if (in.kind == SolveInput::Kind::Shoot) player::keyUp(w, in.dir);
    return end;
}

std::vector<ScriptEvent> scriptOf(const std::vector<SolveInput>& inputs) {
    std::vector<ScriptEvent> events;
    const auto add = [&](long cycle, ScriptEvent::Kind kind, Dir d) {
        ScriptEvent e;
        e.cycle = cycle;
        e.kind = kind;
        e.dir = d;
        events.push_back(e);
    };
    for (std::size_t i = 0; i <= inputs.size(); ++i) {
        const long cycle = static_cast<long>(i) + 1;
        if (i > 0 && inputs[i - 1].kind == SolveInput::Kind::Shoot) {
            add(cycle, ScriptEvent::Kind::Release, inputs[i - 1].dir);
        }
        if (i == inputs.size()) break;
        if (inputs[i].kind == SolveInput::Kind::Move) {
            add(cycle, ScriptEvent::Kind::Press, inputs[i].dir);
            add(cycle, ScriptEvent::Kind::Release, inputs[i].dir);
        } else if (inputs[i].kind == SolveInput::Kind::Shoot) {
            add(cycle, ScriptEvent::Kind::Shift, inputs[i].dir);
        }
    }
    return events;
}

std::optional<long> winningCycle(const std::string& file, const std::vector<ScriptEvent>& events,
                                 long cycleLimit, uint32_t seed) {
    return winningCycle(startOf(file, seed), events, cycleLimit);
}

std::optional<long> winningCycle(const Recording& start, const std::vector<ScriptEvent>& events,
                                 long cycleLimit) {
    LevelGame game(start);
    game.ctx.cycleLimit = cycleLimit;
    boltik::headless::schedule(game.host, game.ctx, events);
    try {
        if (boltik::loop::Game(game.ctx) == boltik::loop::GameEnd::LevelDone) {
            return game.ctx.cycles;
        }
    } catch (const boltik::game::GameQuit&) {
    }
    return std::nullopt;
}

}  // namespace boltik::solver
