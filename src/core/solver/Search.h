// The solver's search: states in buckets by the cycles to reach them plus the fewest cycles
// that can still win from them, each bucket searched whole before the next, a batch of states
// at a time shared out among the cores.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/board/Directions.h"
#include "core/game/Context.h"
#include "core/headless/HeadlessGame.h"
#include "core/recording/Recording.h"
#include "core/solver/Bound.h"
#include "core/solver/Crew.h"
#include "core/solver/SolveState.h"
#include "core/solver/Solver.h"
#include "core/solver/StateStore.h"

namespace boltik::solver {

// The nine inputs of a cycle, numbered as the store keeps them.
inline constexpr SolveInput kInputs[] = {
    {SolveInput::Kind::Wait, board::Dir::Up},     {SolveInput::Kind::Move, board::Dir::Up},
    {SolveInput::Kind::Move, board::Dir::Right},  {SolveInput::Kind::Move, board::Dir::Down},
    {SolveInput::Kind::Move, board::Dir::Left},   {SolveInput::Kind::Shoot, board::Dir::Up},
    {SolveInput::Kind::Shoot, board::Dir::Right}, {SolveInput::Kind::Shoot, board::Dir::Down},
    {SolveInput::Kind::Shoot, board::Dir::Left},
};

// Whether a shot can change anything in this cycle's turn.
bool mayFire(const Snapshot& s);

// A level started as the start given, with nothing to show or hear.
struct LevelGame : headless::HeadlessGame {
    explicit LevelGame(const recording::Recording& start);
};

// The game with its level loaded, for a member initialiser.
const game::Context& loadedLevel(game::Context& ctx);

class Search {
public:
    // With guns the guns' draws are part of each state; without, they stay 0 and cost nothing.
    // helpers: the threads besides the caller's that expand states.
    Search(const recording::Recording& start, bool guns, unsigned helpers);
    ~Search();

    // Searches anew from the state given, for few cycles to the next bolt taken, key or
    // ammunition picked up, or the capsule entered: one stage of a solution that need not be the
    // shortest.
    void restartStage(const Snapshot& from);
    const Snapshot& startState() const { return rules_.codec->start(); }
    // The state in which the last stage ended.
    const Snapshot& stageEnd() const { return stageEnd_; }

    std::size_t states() const { return store_.size(); }
    // The bucket of the last batch: no script of fewer cycles wins.
    std::size_t bound() const { return bucket_; }

    enum class Step {
        Searched,   // a batch of states expanded, and the goal not reached
        Found,      // the goal was reached: found() says from where
        Exhausted,  // no state is left to expand
        Full,       // maxStates are kept
    };
    // Takes the next batch of states from the lowest bucket, plays every input worth trying
    // from each, and keeps the states reached that are new or reached in fewer cycles than
    // before, unless they can no longer be won. The outcome is the same whatever the number of
    // threads: the states are kept in the order one thread would find them.
    Step step(std::size_t maxStates);
    struct Found {
        uint32_t from;  // the state the goal was reached from
        uint8_t input;
        bool levelDone;  // otherwise a stage ended, in stageEnd()
    };
    const Found& found() const { return found_; }
    // The inputs that lead from the start to state id.
    std::vector<SolveInput> pathTo(uint32_t id) const;

    // What every thread reads and none changes during a batch.
    struct Rules {
        std::unique_ptr<const StateCodec> codec;
        std::unique_ptr<const Reach> reach;
        bool guns = false;
        std::optional<std::string> stage;  // the bolt counter at the stage's start
        int64_t stageKeys = 0, stageAmmo = 0;

        // The fewest cycles to the goal, -1 when the level is proven lost.
        int bound(const board::World& w) const;
    };
    class Worker;
    struct Harvest;

private:
    void queue(uint32_t id, int least);

    std::vector<std::unique_ptr<Worker>> workers_;
    Rules rules_;
    Crew crew_;
    StateStore store_;
    std::vector<uint32_t> cycles_;  // by state: the fewest cycles known to reach it
    std::vector<bool> expanded_;
    std::vector<std::vector<uint32_t>> buckets_;
    std::size_t bucket_ = 0;
    std::vector<uint32_t> batch_;
    std::vector<Harvest> harvests_;
    Found found_{};
    Snapshot stageEnd_;
};

}  // namespace boltik::solver
