// The solver's breadth-first search over the inputs of each cycle.
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
#include "core/solver/SolveState.h"
#include "core/solver/StateStore.h"

namespace boltik::solver {

using namespace boltik::board;
using boltik::game::Context;
using boltik::headless::ScriptEvent;
using boltik::loop::CycleEnd;
using boltik::recording::Recording;
namespace player = boltik::player;

namespace {

// The nine inputs of a cycle, numbered as the store keeps them.
constexpr SolveInput kInputs[] = {
    {SolveInput::Kind::Wait, Dir::Up},     {SolveInput::Kind::Move, Dir::Up},
    {SolveInput::Kind::Move, Dir::Right},  {SolveInput::Kind::Move, Dir::Down},
    {SolveInput::Kind::Move, Dir::Left},   {SolveInput::Kind::Shoot, Dir::Up},
    {SolveInput::Kind::Shoot, Dir::Right}, {SolveInput::Kind::Shoot, Dir::Down},
    {SolveInput::Kind::Shoot, Dir::Left},
};

// A shot can only change anything when the robot may fire in this cycle's turn: the fire delay
// reaches the fire interval and there is ammunition, or a pending step may pick some up before it
// fires.
bool mayFire(const Snapshot& s) {
    const bool stepPending = (s.requests & 0xF) != 0;
    return s.fireDelay + 1 >= kFireInterval &&
           (boltik::io::leadingNumber(s.ammo) > 0 || stepPending);
}

// A level started as the start given, with nothing to show or hear.
struct LevelGame : boltik::headless::HeadlessGame {
    explicit LevelGame(const Recording& start) : HeadlessGame(start.seed) {
        start.restore(world);
        // A search is no play: the player's counter file stays as it is.
        ctx.writesCounterFile = false;
        host.answerAlways(boltik::game::QuestionId::MissingLevel, 2);
    }
};

// The game with its level loaded, for a member initialiser.
const Context& loadedLevel(Context& ctx) {
    boltik::loop::loadLevel(ctx);
    return ctx;
}

// One search: the level in a headless game, the states found so far with the fewest cycles
// known to reach each, and the state the game holds between two expansions. States wait in
// buckets by the cycles to reach them plus the fewest cycles that can still win from them;
// a bucket is searched whole before the next, so the first win found is a shortest one.
// A search that may give a longer solution spends this share of its time on the shortest,
// and the rest stage by stage.
constexpr double kExactShare = 0.25;
// A stage weighs the cycles still to go twice: it finds its goal sooner, not always by the
// shortest way, which a stage need not be.
constexpr std::size_t kStageWeight = 2;
// A stage ends only where the robot can live this many cycles more.
constexpr int kStageLookahead = 3;

class Search {
public:
    // With guns the guns' draws are part of each state; without, they stay 0 and cost nothing.
    Search(const Recording& start, bool guns)
        : game_(start), codec_(loadedLevel(game_.ctx), guns), reach_(game_.world), guns_(guns) {
        codec_.pack(codec_.start(), packed_);
        store_.add(packed_, StateStore::kNone, 0);
        cycles_.push_back(0);
        expanded_.push_back(false);
        held_ = codec_.start();
        if (const int least = bound(game_.world); least >= 0) queue(0, least);
    }

    // Searches anew from the state given, for few cycles to the next bolt taken, key or
    // ammunition picked up, or the capsule entered: one stage of a solution that need not be the
    // shortest.
    void restartStage(const Snapshot& from) {
        store_ = StateStore{};
        cycles_.assign(1, 0);
        expanded_.assign(1, false);
        buckets_.clear();
        bucket_ = 0;
        codec_.pack(from, packed_);
        store_.add(packed_, StateStore::kNone, 0);
        codec_.restore(held_, from, game_.ctx);
        held_ = from;
        if (guns_) game_.host.rewindTo(from.draws);
        stage_ = from.bolts;
        stageKeys_ = boltik::io::leadingNumber(from.keys);
        stageAmmo_ = boltik::io::leadingNumber(from.ammo);
        if (const int least = bound(game_.world); least >= 0) queue(0, least);
    }
    const Snapshot& startState() const { return codec_.start(); }
    // The state in which the last stage ended.
    const Snapshot& stageEnd() const { return stageEnd_; }

    std::size_t states() const { return store_.size(); }
    // The next state to expand, from the lowest bucket; nothing when none is left.
    std::optional<uint32_t> next();
    // The bucket the last state given by next came from: no script of fewer cycles wins.
    std::size_t bound() const { return bucket_; }
    // Plays every input worth trying from state id and keeps the states reached that are new,
    // or reached in fewer cycles than before, unless they can no longer be won. Returns the
    // input that finished the level, if one did; stops early once maxStates are kept.
    struct Found {
        uint8_t input;
        bool levelDone;  // otherwise a stage ended, in stageEnd()
    };
    std::optional<Found> expand(uint32_t id, std::size_t maxStates);
    // The inputs that lead from the start to state id.
    std::vector<SolveInput> pathTo(uint32_t id) const {
        std::vector<SolveInput> path;
        for (; store_.parent(id) != StateStore::kNone; id = store_.parent(id))
            path.insert(path.begin(), kInputs[store_.input(id)]);
        return path;
    }

private:
    // Whether the state s, which ctx holds, leaves a way to live the given number of cycles
    // more: a stage must not end where a shot or an enemy is sure to strike. ctx and the
    // generator are left as they were.
    bool survives(const Snapshot& s, uint32_t cycle, int cycles) {
        if (cycles == 0) return true;
        Context& ctx = game_.ctx;
        const auto random = game_.host.randomState();
        Snapshot after;
        for (const SolveInput& in : kInputs) {
            if (in.kind == SolveInput::Kind::Shoot) continue;
            const CycleEnd end = playCycle(ctx, in, cycle + 1);
            const bool lives = end == CycleEnd::LevelDone ||
                               (end == CycleEnd::Continue && ctx.world.wreckCountdown == 0 &&
                                bound(ctx.world) >= 0);
            codec_.read(ctx, after);
            after.draws = game_.host.draws();
            const bool way =
                lives && (end == CycleEnd::LevelDone || survives(after, cycle + 1, cycles - 1));
            codec_.restore(after, s, ctx);
            game_.host.setRandomState(random);
            if (way) return true;
        }
        return false;
    }
    // The fewest cycles to the goal, -1 when the level is proven lost.
    int bound(const World& w) const {
        const auto least = cyclesToWin(reach_, w);
        if (!least) return -1;
        return stage_ ? cyclesToNextBolt(reach_, w) : *least;
    }
    void queue(uint32_t id, int least) {
        const std::size_t f =
            cycles_[id] + static_cast<std::size_t>(least) * (stage_ ? kStageWeight : 1);
        if (f >= buckets_.size()) buckets_.resize(f + 1);
        buckets_[f].push_back(id);
        bucket_ = std::min(bucket_, f);
    }

    LevelGame game_;
    const StateCodec codec_;
    const Reach reach_;
    StateStore store_;
    std::vector<uint32_t> cycles_;  // by state: the fewest cycles known to reach it
    std::vector<bool> expanded_;
    std::vector<std::vector<uint32_t>> buckets_;
    std::size_t bucket_ = 0;
    std::vector<uint8_t> packed_;
    Snapshot held_;
    Snapshot next_, child_;
    bool guns_;
    std::optional<std::string> stage_;  // the bolt counter at the stage's start
    int64_t stageKeys_ = 0, stageAmmo_ = 0;
    Snapshot stageEnd_;
    // The generator as the parent state left it, put back after each input tried from it.
    boltik::headless::ScriptHost::RandomState parentRandom_;
};

std::optional<uint32_t> Search::next() {
    for (; bucket_ < buckets_.size(); ++bucket_) {
        auto& waiting = buckets_[bucket_];
        // The last queued first: it goes deeper within the bucket, towards a win.
        while (!waiting.empty()) {
            const uint32_t id = waiting.back();
            waiting.pop_back();
            if (!expanded_[id]) return id;
        }
        std::vector<uint32_t>().swap(waiting);
    }
    return std::nullopt;
}

std::optional<Search::Found> Search::expand(uint32_t id, std::size_t maxStates) {
    Context& ctx = game_.ctx;
    expanded_[id] = true;
    codec_.unpack(store_.bytes(id), next_);
    codec_.restore(held_, next_, ctx);
    std::swap(held_, next_);
    const Snapshot& parent = held_;
    if (guns_) {
        game_.host.rewindTo(parent.draws);
        parentRandom_ = game_.host.randomState();
    }
    const uint32_t cycles = cycles_[id] + 1;
    for (uint8_t k = 0; k < std::size(kInputs); ++k) {
        if (kInputs[k].kind == SolveInput::Kind::Shoot && !mayFire(parent)) continue;
        const CycleEnd end = playCycle(ctx, kInputs[k], cycles);
        if (end == CycleEnd::LevelDone) return Found{k, true};
        // A wrecked level is no way to the capsule, nor is a state proven lost (-1).
        const int least =
            end == CycleEnd::Continue && ctx.world.wreckCountdown == 0 ? bound(ctx.world) : -1;
        codec_.read(ctx, child_);
        if (least >= 0) {
            child_.draws = game_.host.draws();
            // A stage ends with a bolt taken, or a key or ammunition picked up: each opens
            // ways on, and ends a stage before it grows too long to search.
            if (stage_ &&
                (child_.bolts != *stage_ || boltik::io::leadingNumber(child_.keys) > stageKeys_ ||
                 boltik::io::leadingNumber(child_.ammo) > stageAmmo_) &&
                survives(child_, cycles, kStageLookahead)) {
                stageEnd_ = child_;
                codec_.restore(child_, parent, ctx);
                if (guns_) game_.host.setRandomState(parentRandom_);
                return Found{k, false};
            }
            codec_.pack(child_, packed_);
            const auto [child, isNew] = store_.add(packed_, id, k);
            if (isNew) {
                cycles_.push_back(cycles);
                expanded_.push_back(false);
                queue(child, least);
            } else if (cycles < cycles_[child] && !expanded_[child]) {
                store_.reroute(child, id, k);
                cycles_[child] = cycles;
                queue(child, least);
            }
        }
        codec_.restore(child_, parent, ctx);
        if (guns_) game_.host.setRandomState(parentRandom_);
        if (store_.size() >= maxStates) break;
    }
    return std::nullopt;
}

}  // namespace

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

// Runs the search until it finds its goal or a limit ends it; the inputs found are appended.
SolveResult::Outcome run(Search& search, const SolveLimits& limits, double deadline,
                         const std::function<double()>& elapsed, SolveResult& result,
                         bool& levelDone) {
    for (long expansions = 0;; ++expansions) {
        const auto id = search.next();
        // Every state that can still be won was searched.
        if (!id) return SolveResult::Outcome::Exhausted;
        result.depth = static_cast<long>(search.bound()) - 1;
        if (expansions % 256 == 0) {
            if (limits.stop && limits.stop->load(std::memory_order_relaxed)) {
                return SolveResult::Outcome::Stopped;
            }
            if (elapsed() > deadline) return SolveResult::Outcome::OutOfTime;
        }
        if (const auto found = search.expand(*id, limits.maxStates)) {
            const auto path = search.pathTo(*id);
            result.inputs.insert(result.inputs.end(), path.begin(), path.end());
            result.inputs.push_back(kInputs[found->input]);
            levelDone = found->levelDone;
            return SolveResult::Outcome::Solved;
        }
        if (search.states() >= limits.maxStates) return SolveResult::Outcome::OutOfStates;
    }
}

}  // namespace

SolveResult solve(const Recording& start, const SolveLimits& limits) {
    const auto started = std::chrono::steady_clock::now();
    const std::function<double()> elapsed = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    };
    Search search(start, limits.seed.has_value());
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
