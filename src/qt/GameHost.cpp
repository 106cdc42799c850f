// The program's host of the main loop.
#include "qt/GameHost.h"

#include <QCoreApplication>
#include <thread>

#include "core/session/Sessions.h"
#include "qt/Filesel.h"
#include "qt/MsgBo.h"

namespace boltik::qt {

GameHost::GameHost(GameView& view)
    : SessionHost(
          std::make_unique<session::Live>(),
          static_cast<uint32_t>(std::chrono::system_clock::now().time_since_epoch().count())),
      view_(view) {}

void GameHost::onLevelEnd(bool finished) {
    SessionHost::onLevelEnd(finished);
    view_.callEnded(finished);
}

void GameHost::yieldToPlayer() {
    // The main loop yields at every cell step, thousands of times a second, and most yields
    // would find nothing waiting: the window system is asked once the board picture has
    // changed (so every change, the flash too, is shown at once), else every two milliseconds.
    const auto now = std::chrono::steady_clock::now();
    if (!view_.boardChanged() && now - lastEvents_ < kEventInterval) return;
    lastEvents_ = now;
    view_.showCounters();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    // Paused, the main loop waits here, asleep until an event comes: keys, the replay button,
    // Escape and closing are handled, and nothing advances until the key resumes.
    while (view_.paused() && !view_.closed() && !view_.leavingLevel()) {
        view_.showCounters();
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    if (view_.closed()) throw game::GameQuit{};
    if (view_.leavingLevel()) throw LeaveLevel{};
}

void GameHost::pace(int rounds) {
    if (nanosPerRound_ <= 0) return;
    const auto now = std::chrono::steady_clock::now();
    if (paceDeadline_ < now - kPaceSlack) paceDeadline_ = now;
    paceDeadline_ += std::chrono::nanoseconds(nanosPerRound_ * rounds);
    if (paceDeadline_ - now >= kPaceBeat) std::this_thread::sleep_until(paceDeadline_);
}

int GameHost::askPlayer(const game::Question& question) {
    view_.showCounters();
    return AskUser(question, view_.dialogParent());
}

std::optional<std::string> GameHost::playerChooses() {
    const QString name = Filesel::choose(view_.dialogParent());
    if (name.isEmpty()) return std::nullopt;
    return name.toStdString();
}

}  // namespace boltik::qt
