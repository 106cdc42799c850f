// The game window's timeline of a level: its solution found and shown from the start (F2),
// and the level taken back a few seconds (Backspace).
#include <QTimer>
#include <utility>

#include "core/headless/HeadlessGame.h"
#include "core/headless/Rewind.h"
#include "core/loop/MainLoop.h"
#include "core/session/Sessions.h"
#include "core/solver/Demo.h"
#include "qt/GameWindow.h"
#include "qt/SolutionSearch.h"

namespace boltik::qt {

namespace {

// How long the game looks for a solution before it gives up, and how many states it keeps:
// every level of the campaign is solved in a few seconds and a few tens of megabytes.
constexpr double kSolveSeconds = 30;
constexpr std::size_t kSolveStates = 4'000'000;

}  // namespace

void GameWindow::showSolution() {
    auto* live = dynamic_cast<session::Live*>(&host_.session());
    if (!live || !inTick_ || closed_ || demo_ != DemoState::None || ctx_->cycles == 0) return;
    demoStart_ = live->levelStart(world_);
    if (!demoStart_) return;
    solver::SolveLimits limits;
    limits.maxSeconds = kSolveSeconds;
    limits.maxStates = kSolveStates;
    limits.seed = demoStart_->seed;
    // A player wants to see the way, not the shortest way.
    limits.anyLength = true;
    search_ = std::make_unique<SolutionSearch>(*demoStart_, limits);
    connect(search_.get(), &SolutionSearch::finished, this, &GameWindow::solutionFound);
    demo_ = DemoState::Searching;
    showNote(QStringLiteral("Ищу, как пройти тур…  Esc — отмена"));
}

void GameWindow::solutionFound(std::optional<solver::SolveResult> result) {
    // The search's thread has ended; the object goes once its signal has been delivered.
    search_.release()->deleteLater();
    using Outcome = solver::SolveResult::Outcome;
    if (result && result->outcome == Outcome::Solved) {
        pendingDemo_ = std::make_unique<solver::Demo>(*demoStart_, result->inputs);
        demo_ = DemoState::Leaving;
        return;
    }
    demo_ = DemoState::None;
    if (!result) {
        showNote(QStringLiteral("Тур не удалось открыть"), 4000);
    } else if (result->outcome == Outcome::Exhausted) {
        showNote(QStringLiteral("Этот тур пройти нельзя"), 4000);
    } else if (result->outcome != Outcome::Stopped) {
        showNote(QStringLiteral("Решение не найдено за %1 с").arg(kSolveSeconds), 4000);
    } else {
        notePlate_->hide();
    }
}

void GameWindow::playDemo() {
    const bool writesCounter = ctx_->writesCounterFile;
    const long cycleLimit = ctx_->cycleLimit;
    const long length = pendingDemo_->length();
    auto live = host_.setSession(std::move(pendingDemo_));
    host_.session().prepare(*ctx_);
    demo_ = DemoState::Playing;
    demoEnds_ = false;
    shownLevel_.clear();
    showNote(QStringLiteral("Решение: %1.  Esc — вернуться к игре").arg(cyclesText(length)));
    bool quit = false;
    try {
        loop::Game(*ctx_);
    } catch (const LeaveLevel&) {
    } catch (const game::GameQuit&) {
        quit = true;
    }
    // Back to the player's game, at the level's start as it began, the guns' seed too.
    host_.setSession(std::move(live));
    ctx_->writesCounterFile = writesCounter;
    ctx_->cycleLimit = cycleLimit;
    demoStart_->restore(world_);
    if (auto* player = dynamic_cast<session::Live*>(&host_.session())) player->repeatSeed();
    demo_ = DemoState::None;
    shownLevel_.clear();
    notePlate_->hide();
    if (quit) close();
}

void GameWindow::rewind() {
    auto* live = dynamic_cast<session::Live*>(&host_.session());
    if (!live || !inTick_ || closed_ || demo_ != DemoState::None || !headless::mayRewind(*ctx_)) {
        return;
    }
    rewindBy_ += headless::kRewindCycles;
}

void GameWindow::betweenCycles() {
    if (rewindBy_ == 0) return;
    const long back = std::exchange(rewindBy_, 0);
    if (world_.wreckCountdown != 0) return;
    takeBack(back);
}

void GameWindow::takeBack(long back) {
    auto* live = dynamic_cast<session::Live*>(&host_.session());
    if (!live) return;
    const long target = ctx_->cycles - back;
    showNote(QStringLiteral("Перемотка: −%1 с").arg(back / 10), 1200);
    dimmer_->setGeometry(boardCanvas_->rect());
    dimmer_->show();
    dimmer_->raise();
    QTimer::singleShot(250, dimmer_, &QWidget::hide);
    if (target <= 0) {
        restartLevel_ = true;
        return;
    }
    if (!headless::rewindTo(*ctx_, host_, *live, target)) return;
    checkedCycle_ = ctx_->cycles;
    lostPlate_->hide();
    showCounters();
}

}  // namespace boltik::qt
