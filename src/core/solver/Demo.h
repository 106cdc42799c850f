// A level's solution shown in the game: the level from the start the solution was found from,
// and the solution's inputs at the first yield of their cycles, as a script gives them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/headless/Script.h"
#include "core/recording/Recording.h"
#include "core/session/Session.h"
#include "core/solver/Solver.h"

namespace boltik::solver {

// The keys only watch and Escape ends it, as does the end of its level. Nothing is recorded or
// written; no life is lost, since the solution wins.
class Demo : public session::Session {
public:
    Demo(recording::Recording start, const std::vector<SolveInput>& inputs);

    void prepare(game::Context& ctx) override;
    uint32_t levelStarts(const board::World&, uint32_t) override { return start_.seed; }
    void atYield(long point, game::Context& ctx) override;
    bool takesInput() const override { return false; }
    bool escapeEnds() const override { return true; }
    bool oneLevel() const override { return true; }
    bool showsLives() const override { return false; }
    std::optional<std::string> caption() const override { return "Решение"; }
    bool silentAfter() const override { return true; }

    // The cycles the solution takes.
    long length() const { return length_; }

private:
    recording::Recording start_;
    std::vector<headless::ScriptEvent> events_;
    std::size_t next_ = 0;
    long length_ = 0;
};

}  // namespace boltik::solver
