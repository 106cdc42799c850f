// The solver's search, shared out among the cores a batch at a time.
#include "core/solver/Search.h"

#include <algorithm>
#include <span>
#include <utility>

#include "core/board/Rules.h"
#include "core/io/Text.h"
#include "core/loop/MainLoop.h"

namespace boltik::solver {

using boltik::game::Context;
using boltik::loop::CycleEnd;
using boltik::recording::Recording;

namespace {

// A stage weighs the cycles still to go twice: it finds its goal sooner, not always by the
// shortest way, which a stage need not be.
constexpr std::size_t kStageWeight = 2;
// A stage ends only where the robot can live this many cycles more.
constexpr int kStageLookahead = 3;
// States taken from a bucket at a time. Few enough that the search still goes deep first within
// a bucket, towards a win; enough that the threads seldom wait for each other. The same for
// any number of threads, so that every number finds the same.
constexpr std::size_t kBatch = 512;
// A batch smaller than this is not worth waking the other threads for.
constexpr std::size_t kShareFrom = 8;

}  // namespace

bool mayFire(const Snapshot& s) {
    // The fire delay reaches the fire interval and there is ammunition, or a pending step may
    // pick some up before the robot fires.
    const bool stepPending = (s.requests & 0xF) != 0;
    return s.fireDelay + 1 >= board::kFireInterval &&
           (boltik::io::leadingNumber(s.ammo) > 0 || stepPending);
}

LevelGame::LevelGame(const Recording& start) : HeadlessGame(start.seed) {
    start.restore(world);
    // A search is no play: the player's counter file stays as it is.
    ctx.writesCounterFile = false;
    host.answerAlways(boltik::game::QuestionId::MissingLevel, 2);
}

const Context& loadedLevel(Context& ctx) {
    boltik::loop::loadLevel(ctx);
    return ctx;
}

int Search::Rules::bound(const board::World& w) const {
    const auto least = cyclesToWin(*reach, w);
    if (!least) return -1;
    return stage ? cyclesToNextBolt(*reach, w) : *least;
}

// What one thread made of its part of a batch: the children worth keeping, packed one after
// another, in the order of the batch and of the inputs; and the goal, if one was reached.
struct Search::Harvest {
    struct Child {
        uint32_t from;  // place in the batch
        uint8_t input;
        int least;
        uint64_t hash;
        uint32_t at;  // in bytes
        uint32_t size;
    };
    std::vector<Child> children;
    std::vector<uint8_t> bytes;
    std::optional<std::pair<uint32_t, uint8_t>> goal;  // place in the batch, input
    bool levelDone = false;
    Snapshot stageEnd;

    void clear() {
        children.clear();
        bytes.clear();
        goal.reset();
    }
};

// One thread's own game of the level, which it steps from state to state.
class Search::Worker {
public:
    Worker(const Recording& start, const Rules& rules) : game_(start), rules_(rules) {
        loadedLevel(game_.ctx);
    }
    Context& ctx() { return game_.ctx; }
    // The game holds the level as loaded, which is this state.
    void loaded(const Snapshot& start) { held_ = start; }
    // The game now holds the state given.
    void hold(const Snapshot& s) {
        rules_.codec->restore(held_, s, game_.ctx);
        held_ = s;
    }
    // Expands the states of ids, the batch's from place first on.
    void expand(std::span<const uint32_t> ids, uint32_t first, const StateStore& store,
                const std::vector<uint32_t>& cycles, Harvest& out);

private:
    bool survives(const Snapshot& s, uint32_t cycle, int cycles);

    LevelGame game_;
    const Rules& rules_;
    Snapshot held_, next_, child_;
    std::vector<uint8_t> packed_;
    // The generator as the parent state left it, put back after each input tried from it.
    headless::ScriptHost::RandomState parentRandom_;
};

void Search::Worker::expand(std::span<const uint32_t> ids, uint32_t first, const StateStore& store,
                            const std::vector<uint32_t>& cycles, Harvest& out) {
    const StateCodec& codec = *rules_.codec;
    Context& ctx = game_.ctx;
    for (std::size_t i = 0; i < ids.size(); ++i) {
        const uint32_t id = ids[i];
        const auto place = static_cast<uint32_t>(first + i);
        codec.unpack(store.bytes(id), next_);
        codec.restore(held_, next_, ctx);
        std::swap(held_, next_);
        const Snapshot& parent = held_;
        if (rules_.guns) {
            game_.host.rewindTo(parent.draws);
            parentRandom_ = game_.host.randomState();
        }
        const uint32_t cycle = cycles[id] + 1;
        for (uint8_t k = 0; k < std::size(kInputs); ++k) {
            if (kInputs[k].kind == SolveInput::Kind::Shoot && !mayFire(parent)) continue;
            const CycleEnd end = playCycle(ctx, kInputs[k], cycle);
            codec.read(ctx, child_);
            bool goal = end == CycleEnd::LevelDone;
            out.levelDone = goal;
            // A wrecked level is no way to the capsule, nor is a state proven lost (-1).
            const int least = !goal && end == CycleEnd::Continue && ctx.world.wreckCountdown == 0
                                  ? rules_.bound(ctx.world)
                                  : -1;
            if (least >= 0) {
                child_.draws = game_.host.draws();
                // A stage ends with a bolt taken, or a key or ammunition picked up: each opens
                // ways on, and ends a stage before it grows too long to search.
                if (rules_.stage &&
                    (child_.bolts != *rules_.stage ||
                     boltik::io::leadingNumber(child_.keys) > rules_.stageKeys ||
                     boltik::io::leadingNumber(child_.ammo) > rules_.stageAmmo) &&
                    survives(child_, cycle, kStageLookahead)) {
                    out.stageEnd = child_;
                    goal = true;
                } else {
                    codec.pack(child_, packed_);
                    out.children.push_back({place, k, least, StateStore::hash(packed_),
                                            static_cast<uint32_t>(out.bytes.size()),
                                            static_cast<uint32_t>(packed_.size())});
                    out.bytes.insert(out.bytes.end(), packed_.begin(), packed_.end());
                }
            }
            codec.restore(child_, parent, ctx);
            if (rules_.guns) game_.host.setRandomState(parentRandom_);
            if (goal) {
                out.goal = {place, k};
                return;
            }
        }
    }
}

bool Search::Worker::survives(const Snapshot& s, uint32_t cycle, int cycles) {
    // Whether the state s, which the game holds, leaves a way to live the given number of
    // cycles more: a stage must not end where a shot or an enemy is sure to strike. The game
    // and the generator are left as they were.
    if (cycles == 0) return true;
    Context& ctx = game_.ctx;
    const auto random = game_.host.randomState();
    Snapshot after;
    for (const SolveInput& in : kInputs) {
        if (in.kind == SolveInput::Kind::Shoot) continue;
        const CycleEnd end = playCycle(ctx, in, cycle + 1);
        const bool lives = end == CycleEnd::LevelDone ||
                           (end == CycleEnd::Continue && ctx.world.wreckCountdown == 0 &&
                            rules_.bound(ctx.world) >= 0);
        rules_.codec->read(ctx, after);
        after.draws = game_.host.draws();
        const bool way =
            lives && (end == CycleEnd::LevelDone || survives(after, cycle + 1, cycles - 1));
        rules_.codec->restore(after, s, ctx);
        game_.host.setRandomState(random);
        if (way) return true;
    }
    return false;
}

Search::Search(const Recording& start, bool guns, unsigned helpers) : crew_(helpers) {
    for (unsigned i = 0; i <= helpers; ++i)
        workers_.push_back(std::make_unique<Worker>(start, rules_));
    rules_.codec = std::make_unique<const StateCodec>(workers_[0]->ctx(), guns);
    rules_.reach = std::make_unique<const Reach>(workers_[0]->ctx().world);
    rules_.guns = guns;
    for (auto& worker : workers_)
        worker->loaded(rules_.codec->start());
    harvests_.resize(workers_.size());
    std::vector<uint8_t> packed;
    rules_.codec->pack(rules_.codec->start(), packed);
    store_.add(packed, StateStore::kNone, 0);
    cycles_.push_back(0);
    expanded_.push_back(false);
    if (const int least = rules_.bound(workers_[0]->ctx().world); least >= 0) queue(0, least);
}

Search::~Search() = default;

void Search::restartStage(const Snapshot& from) {
    store_ = StateStore{};
    cycles_.assign(1, 0);
    expanded_.assign(1, false);
    buckets_.clear();
    bucket_ = 0;
    std::vector<uint8_t> packed;
    rules_.codec->pack(from, packed);
    store_.add(packed, StateStore::kNone, 0);
    for (auto& worker : workers_)
        worker->hold(from);
    rules_.stage = from.bolts;
    rules_.stageKeys = boltik::io::leadingNumber(from.keys);
    rules_.stageAmmo = boltik::io::leadingNumber(from.ammo);
    if (const int least = rules_.bound(workers_[0]->ctx().world); least >= 0) queue(0, least);
}

void Search::queue(uint32_t id, int least) {
    const std::size_t f =
        cycles_[id] + static_cast<std::size_t>(least) * (rules_.stage ? kStageWeight : 1);
    if (f >= buckets_.size()) buckets_.resize(f + 1);
    buckets_[f].push_back(id);
    bucket_ = std::min(bucket_, f);
}

Search::Step Search::step(std::size_t maxStates) {
    batch_.clear();
    while (batch_.empty()) {
        if (bucket_ >= buckets_.size()) return Step::Exhausted;
        auto& waiting = buckets_[bucket_];
        // The last queued first: they go deeper within the bucket, towards a win.
        while (!waiting.empty() && batch_.size() < kBatch) {
            const uint32_t id = waiting.back();
            waiting.pop_back();
            if (expanded_[id]) continue;
            expanded_[id] = true;
            batch_.push_back(id);
        }
        if (waiting.empty()) {
            std::vector<uint32_t>().swap(waiting);
            if (batch_.empty()) ++bucket_;
        }
    }

    // Each thread takes an equal run of the batch.
    const std::size_t threads = batch_.size() < kShareFrom ? 1 : workers_.size();
    const auto part = [&](unsigned t) {
        const std::size_t from = batch_.size() * t / threads;
        const std::size_t to = batch_.size() * (t + 1) / threads;
        harvests_[t].clear();
        workers_[t]->expand(std::span(batch_).subspan(from, to - from), static_cast<uint32_t>(from),
                            store_, cycles_, harvests_[t]);
    };
    if (threads == 1) {
        part(0);
    } else {
        crew_.run([&](unsigned t) { part(t); });
    }

    // Kept in the order of the batch, as one thread would have kept them.
    for (std::size_t t = 0; t < threads; ++t) {
        const Harvest& h = harvests_[t];
        for (const auto& c : h.children) {
            const uint32_t from = batch_[c.from];
            const uint32_t cycles = cycles_[from] + 1;
            const std::span bytes(h.bytes.data() + c.at, c.size);
            const auto [child, isNew] = store_.add(bytes, c.hash, from, c.input);
            if (isNew) {
                cycles_.push_back(cycles);
                expanded_.push_back(false);
                queue(child, c.least);
            } else if (cycles < cycles_[child] && !expanded_[child]) {
                store_.reroute(child, from, c.input);
                cycles_[child] = cycles;
                queue(child, c.least);
            }
            if (store_.size() >= maxStates) return Step::Full;
        }
        if (h.goal) {
            found_ = {batch_[h.goal->first], h.goal->second, h.levelDone};
            if (!h.levelDone) stageEnd_ = h.stageEnd;
            return Step::Found;
        }
    }
    return Step::Searched;
}

std::vector<SolveInput> Search::pathTo(uint32_t id) const {
    std::vector<SolveInput> path;
    for (; store_.parent(id) != StateStore::kNone; id = store_.parent(id))
        path.insert(path.begin(), kInputs[store_.input(id)]);
    return path;
}

}  // namespace boltik::solver
