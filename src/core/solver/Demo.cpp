// A level's solution played as a session.
#include "core/solver/Demo.h"

namespace boltik::solver {

// The solution is given a few cycles past its end, in case its last step lands late.
constexpr long kSpareCycles = 50;

Demo::Demo(recording::Recording start, const std::vector<SolveInput>& inputs)
    : start_(std::move(start)),
      events_(scriptOf(inputs)),
      length_(static_cast<long>(inputs.size())) {}

void Demo::prepare(game::Context& ctx) {
    start_.restore(ctx.world);
    ctx.writesCounterFile = false;
    ctx.cycleLimit = length_ + kSpareCycles;
}

void Demo::atYield(long, game::Context& ctx) {
    for (; next_ < events_.size() && events_[next_].cycle <= ctx.cycles; ++next_) {
        const headless::ScriptEvent& e = events_[next_];
        recording::apply({0, e.kind, e.dir}, ctx);
    }
}

}  // namespace boltik::solver
