// The solver on a thread of its own.
#include "qt/SolutionSearch.h"

#include <QMetaObject>

#include "core/game/Host.h"

namespace boltik::qt {

namespace {

// Searches and checks the solution found; nothing when the level cannot be loaded.
std::optional<solver::SolveResult> search(const recording::Recording& start,
                                          const solver::SolveLimits& limits) {
    try {
        solver::SolveResult r = solver::solve(start, limits);
        if (r.outcome == solver::SolveResult::Outcome::Solved) {
            const long length = static_cast<long>(r.inputs.size());
            if (solver::winningCycle(start, solver::scriptOf(r.inputs), length + 5) != length) {
                // Not expected of an exact search; said as "not found" rather than shown.
                r.outcome = solver::SolveResult::Outcome::OutOfStates;
                r.inputs.clear();
            }
        }
        return r;
    } catch (const game::GameQuit&) {
        return std::nullopt;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

}  // namespace

SolutionSearch::SolutionSearch(recording::Recording start, solver::SolveLimits limits,
                               QObject* parent)
    : QObject(parent) {
    clock_.start();
    limits.stop = &stop_;
    thread_ = std::thread([this, start = std::move(start), limits] {
        auto result = search(start, limits);
        // Queued to the window's thread; dropped if the search is deleted first.
        QMetaObject::invokeMethod(
            this, [this, result = std::move(result)] { emit finished(result); },
            Qt::QueuedConnection);
    });
}

SolutionSearch::~SolutionSearch() {
    stop_ = true;
    thread_.join();
}

}  // namespace boltik::qt
