// A search for a level's solution on a thread of its own, so that the window that asked for it
// stays live: the answer comes back on the window's thread; deleting the search stops it.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <atomic>
#include <optional>
#include <thread>

#include "core/recording/Recording.h"
#include "core/solver/Solver.h"
#include "qt/Words.h"

namespace boltik::qt {

class SolutionSearch : public QObject {
    Q_OBJECT

public:
    // Searches the level from its start within the limits; the guns follow the start's seed.
    SolutionSearch(recording::Recording start, solver::SolveLimits limits,
                   QObject* parent = nullptr);
    ~SolutionSearch() override;

    // Seconds since the search began.
    double elapsed() const { return static_cast<double>(clock_.elapsed()) / 1000.0; }
    // Asks the search to end soon; finished still comes, its outcome Stopped.
    void stop() { stop_ = true; }

signals:
    // The search has ended: its result, checked by playing it through from the start (a
    // solution that does not win is not given); nothing when the level could not be loaded.
    void finished(std::optional<boltik::solver::SolveResult> result);

private:
    std::atomic<bool> stop_{false};
    QElapsedTimer clock_;
    std::thread thread_;
};

}  // namespace boltik::qt
