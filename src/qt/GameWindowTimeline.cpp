// The game window's timeline of a level: its solution found and shown from the start (F2),
// and the level taken back a few seconds (Backspace).
#include <QTimer>
#include <utility>

#include "core/headless/HeadlessGame.h"
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

// One press of Backspace takes the level back this many cycles: three seconds.
constexpr long kRewindCycles = 30;

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
    if (!live || !inTick_ || closed_ || demo_ != DemoState::None || ctx_->cycles == 0 ||
        world_.wreckCountdown != 0 || world_.levelDone != 0) {
        return;
    }
    rewindBy_ += kRewindCycles;
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
    const auto played = live->played(world_);
    if (!played) return;
    const auto state = headless::stateAfter(*played, target);
    if (!state) return;
    // The rules' layers of every cell; the pixel places stay the window's own.
    board::Board& b = world_.board;
    for (int x = 0; x < board::kBoardSize; ++x) {
        for (int y = 0; y < board::kBoardSize; ++y) {
            for (int l = 0; l < board::kLayerCount; ++l) {
                if (l >= board::layer::kLeft && l <= board::layer::kWidth) continue;
                b.set(x, y, l, state->world.board.at(x, y, l));
            }
        }
    }
    const board::World& then = state->world;
    world_.kolBolt.setCaption(then.kolBolt.caption());
    world_.kolKeys.setCaption(then.kolKeys.caption());
    world_.kolWeapon.setCaption(then.kolWeapon.caption());
    world_.playerX = then.playerX;
    world_.playerY = then.playerY;
    world_.requests = then.requests;
    world_.fireDelay = then.fireDelay;
    world_.levelDone = then.levelDone;
    world_.wreckCountdown = then.wreckCountdown;
    // The cell steps counted are those of the timeline kept, as its recording counts them.
    world_.bigCycles = then.bigCycles;
    ctx_->capsuleTicks = state->capsuleTicks;
    ctx_->flashState = state->flashState;
    ctx_->cycles = state->cycles;
    host_.moveToYield(state->yieldPoint);
    host_.setRandom(played->seed, state->draws);
    live->rewoundTo(state->yieldPoint);
    checkedCycle_ = state->cycles;
    lostPlate_->hide();
    repaintBoard();
    showCounters();
}

void GameWindow::repaintBoard() {
    for (int x = 0; x <= world_.lastCol; ++x) {
        for (int y = 0; y <= world_.lastRow; ++y) {
            board::resumeNext([&] {
                if (world_.board.code(x, y) == board::code::kPlayer) {
                    ctx_->draw.paintRobot(sprites::RobotView::Down, x, y);
                } else {
                    ctx_->draw.DrawZeml(x, y);
                }
            });
        }
    }
}

}  // namespace boltik::qt
