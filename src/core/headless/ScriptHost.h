// The host of headless runs, shared by turtool, the fuzz targets, the benchmarks and the tests:
// events at given cycles, scripted answers and level choices, random numbers from a seed or a
// script, and no waiting.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <limits>
#include <map>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "core/editor/Editor.h"
#include "core/game/Context.h"
#include "core/game/Host.h"

namespace boltik::headless {

// Thrown by the host when a run cannot go on as scripted: a question that nobody answered,
// or the run of missing levels that would never end. It unwinds the main loop like GameQuit.
class ScriptStop : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ScriptHost : public game::Host {
public:
    explicit ScriptHost(uint32_t seed = 0) : seed_(seed), generator_(seed) {}

    // The running game; its cycle count times the events.
    void attach(const game::Context& ctx) { ctx_ = &ctx; }

    // Runs fn at the first yield of the given cycle (0: the first yield at all). Events of
    // one cycle run in the order they were given.
    void at(long cycle, std::function<void()> fn) {
        events_.insert({cycle, std::move(fn)});
        waitFor(events_.begin()->first);
    }
    void clearEvents() {
        events_.clear();
        waitFor(kNever);
    }
    // Runs fn at the main loop's yield with this number in the level (Host::yieldPoint), as a
    // recorded game needs; a host with such events is asked at every yield.
    void atYield(long point, std::function<void()> fn) {
        pointEvents_.insert({point, std::move(fn)});
        everyYield_ = true;
        waitFor(nextEvent_);
    }

    // The next question asked must be this one; it is answered so.
    void answer(game::QuestionId id, int answer) { answers_.push_back({id, answer}); }
    // Every question of this kind that finds no answer waiting is answered so.
    void answerAlways(game::QuestionId id, int answer) { standing_[id] = answer; }
    // Stop the run (ScriptStop) when this many missing levels are asked in a row, with no
    // other question between them; 0 for no limit.
    void limitMissingLevels(int limit) { missingLimit_ = limit; }

    void yield() override;
    void pace(int rounds) override {
        if (recordPacing) paced.push_back(rounds);
    }
    // Throws ScriptStop for a question nobody scripted.
    int askUser(const game::Question& question) override;
    // The next scripted choice; the chooser closed without a choice when none is left.
    std::optional<std::string> chooseLevel() override;
    // The next scripted number, else the fixed one when set, else the seeded generator's.
    double random() override;

    // The seeded generator as it stands: how many numbers it has given, and its state. A
    // search that steps a level back and forth keeps it with each state it returns to.
    struct RandomState {
        std::mt19937 generator;
        uint32_t draws = 0;
    };
    uint32_t draws() const { return draws_; }
    RandomState randomState() const { return {generator_, draws_}; }
    void setRandomState(const RandomState& state) {
        generator_ = state.generator;
        draws_ = state.draws;
    }
    // The generator as it was after that many numbers from its seed.
    void rewindTo(uint32_t draws);

    std::deque<std::optional<std::string>> choices;
    std::deque<double> randoms;
    std::optional<double> fixedRandom;
    std::vector<game::Question> asked;
    bool recordPacing = false;  // keeps every pacing wait in paced
    std::vector<int> paced;

protected:
    // The running game, once attached.
    const game::Context* context() const { return ctx_; }

private:
    static constexpr long kNever = std::numeric_limits<long>::max();

    void runEvents(long cycle);
    // Nothing is to happen before that cycle: the main loop need not yield till then.
    void waitFor(long cycle) {
        nextEvent_ = cycle;
        quietUntil(everyYield_ ? 0 : cycle);
    }

    const game::Context* ctx_ = nullptr;
    long nextEvent_ = 0;  // the cycle of the first event waiting
    std::multimap<long, std::function<void()>> events_;
    std::multimap<long, std::function<void()>> pointEvents_;
    bool everyYield_ = false;
    std::deque<std::pair<game::QuestionId, int>> answers_;
    std::map<game::QuestionId, int> standing_;
    int missingLimit_ = 0;
    int missingInARow_ = 0;
    uint32_t seed_;
    std::mt19937 generator_;
    std::uniform_real_distribution<double> uniform_{0.0, 1.0};
    uint32_t draws_ = 0;
};

// The editor's host of headless runs: KudaSow answers from a queue; with none waiting it is
// closed without a choice.
class ScriptEditorHost : public editor::EditorHost {
public:
    std::optional<int> chooseCrawlerHeading() override {
        ++asked;
        if (headings.empty()) return std::nullopt;
        const auto heading = headings.front();
        headings.pop_front();
        return heading;
    }

    std::deque<std::optional<int>> headings;
    int asked = 0;
};

}  // namespace boltik::headless
