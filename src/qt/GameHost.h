// The host of the main loop in the program: a session's host that yields to the window system,
// paces the loop and puts to the player what the session does not answer.
#pragma once

#include <QWidget>
#include <chrono>

#include "core/session/SessionHost.h"

namespace boltik::qt {

// Pacing: a cycle column is 2001 rounds; this many nanoseconds a round gives about ten
// cycles a second on the 19-column board.
inline constexpr long kDefaultNanosPerRound = 2630;

// What the host needs of the window that shows the game.
class GameView {
public:
    virtual ~GameView() = default;
    // Brings the counters and the level's caption up to date with the world.
    virtual void showCounters() = 0;
    // Whether the board picture has changed since the last call.
    virtual bool boardChanged() = 0;
    virtual bool paused() const = 0;
    // The window was closed: the game is to end at the next yield.
    virtual bool closed() const = 0;
    // The window over which the questions and the chooser open.
    virtual QWidget* dialogParent() = 0;
    // A call of the main loop has ended.
    virtual void callEnded(bool finished) = 0;
    // The level in play is to be left at the next yield, without a wreck (LeaveLevel).
    virtual bool leavingLevel() const { return false; }
    // Between two cycles of the level in play: the moment to take it back.
    virtual void betweenCycles() {}
};

// Thrown from a yield when the view leaves the level in play: the main loop unwinds to the
// window, which decides what comes next.
struct LeaveLevel {};

class GameHost : public session::SessionHost {
public:
    explicit GameHost(GameView& view);

    void setNanosPerRound(long nanos) { nanosPerRound_ = nanos; }
    void pace(int rounds) override;
    void onLevelEnd(bool finished) override;
    void betweenCycles() override { view_.betweenCycles(); }

private:
    void yieldToPlayer() override;
    int askPlayer(const game::Question& question) override;
    std::optional<std::string> playerChooses() override;

    GameView& view_;
    static constexpr std::chrono::microseconds kEventInterval{2000};
    std::chrono::steady_clock::time_point lastEvents_{};
    long nanosPerRound_ = kDefaultNanosPerRound;
    // Pacing keeps a deadline and sleeps only once it is a beat ahead: a column is five
    // milliseconds, and three columns to a sleep (a screen frame at 60 Hz) are a third of the
    // wake-ups with no visible change.
    // Fallen further behind than the slack (a question was open, the level was paused), the
    // pace starts afresh instead of rushing to catch up.
    static constexpr std::chrono::milliseconds kPaceBeat{16};
    static constexpr std::chrono::milliseconds kPaceSlack{50};
    std::chrono::steady_clock::time_point paceDeadline_{};
};

}  // namespace boltik::qt
