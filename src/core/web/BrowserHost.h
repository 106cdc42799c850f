// The host of the game in a web page: a session's host that hands control back to the browser
// at its yields and pacing waits, and puts to the page what the session does not answer.
// Standard C++ only: the page itself (its canvas, keys, questions and clock) sits behind Page.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/board/Directions.h"
#include "core/board/World.h"
#include "core/game/Context.h"
#include "core/game/Questions.h"
#include "core/headless/ScriptHost.h"
#include "core/recording/Recording.h"
#include "core/session/SessionHost.h"

namespace boltik::web {

// A key of the game as the page hands it over: an arrow down (with Shift: a shot) or up,
// Escape, or Backspace (rewind: the level in play taken back a few seconds).
struct PageInput {
    recording::Event::Kind kind = recording::Event::Kind::Press;
    board::Dir dir = board::Dir::Up;
    bool rewind = false;
};

// What the host needs of the page around it. Times are milliseconds of the page's clock.
class Page {
public:
    virtual ~Page() = default;
    // Hands control back to the browser for about ms milliseconds (0: just long enough to
    // handle its waiting events and show the board), then comes back.
    virtual void sleep(int ms) = 0;
    virtual double now() = 0;
    // The keys pressed and released since the last call, in order.
    virtual std::vector<PageInput> takeInputs() = 0;
    virtual bool paused() = 0;
    // The level in play is to be left (another level or a script is waiting to be played).
    virtual bool leaving() = 0;
    // Brings the counters, the level's caption, the robot's place and the cycles played up to
    // date with the game.
    virtual void showCounters(const game::Context& ctx) = 0;
    // Shows a two-button question; answer() then gives 0 while it is open, else the button.
    virtual void showQuestion(const game::Question& question) = 0;
    virtual int answer() = 0;
    // Shows the level chooser; choice() then gives nothing while it is open, else the file
    // chosen ("" when it was closed without a choice).
    virtual void showChooser() = 0;
    virtual std::optional<std::string> choice() = 0;
    // A call of the main loop has ended (the progress file may have changed).
    virtual void levelEnded(bool finished) = 0;
    // The level in play is being taken back this many cycles (Backspace).
    virtual void rewinding(long cycles) = 0;
};

// Thrown from the host when the page leaves the level in play: it unwinds the main loop to the
// page's program, which plays what the page asked for, or starts the level again when it was
// taken back to its start (BrowserHost::restartIfAsked).
struct LeaveLevel {};

// Pacing: a cycle column is 2001 rounds; this many nanoseconds a round gives about ten cycles
// a second on the 19-column board, as in the desktop game.
inline constexpr long kDefaultNanosPerRound = 2630;

// Gives the browser a turn once the game has kept it for a frame: a page whose script never
// returns shows nothing and takes no keys.
class Breather {
public:
    explicit Breather(Page& page) : page_(page) {}
    // Whether the browser had a turn.
    bool breathe();
    // The browser had a turn now, elsewhere.
    void breathed() { last_ = page_.now(); }

    static constexpr double kFrameMillis = 16;

private:
    Page& page_;
    double last_ = 0;
};

class BrowserHost : public session::SessionHost {
public:
    BrowserHost(Page& page, std::unique_ptr<session::Session> session, uint32_t seedOfSeeds);

    // 0 or less: no waiting (a script or a measurement runs as fast as it can).
    void setNanosPerRound(long nanos) { nanosPerRound_ = nanos; }
    void pace(int rounds) override;
    void onLevelEnd(bool finished) override;
    // Backspace asked for between two cycles: the player's level taken back, as in the game
    // window.
    void betweenCycles() override;
    // After LeaveLevel: when the level was taken back to its start or before, puts the world
    // back as the level began, so that the main loop's next call loads it again as it began,
    // the guns' seed too. Whether it did.
    bool restartIfAsked();

private:
    void yieldToPlayer() override;
    int askPlayer(const game::Question& question) override;
    std::optional<std::string> playerChooses() override;
    // The browser's turn: afterwards the keys it took are handed to the game at the next yield.
    void handBack(int ms);
    void applyInputs();
    // Backspace: the player's level taken back at the next cycle, when it may be.
    void askRewind();

    static constexpr int kPollMillis = 30;
    // The main loop yields at every cell step; the clock is read only every so many of them.
    static constexpr int kYieldsPerLook = 64;
    // Fallen further behind than this (a question was open, the page was hidden), the pace
    // starts afresh instead of rushing to catch up.
    static constexpr double kPaceSlackMillis = 50;

    Page& page_;
    Breather breather_;
    long nanosPerRound_ = kDefaultNanosPerRound;
    double paceDeadline_ = 0;
    bool inputsWaiting_ = false;
    int yieldsSinceLook_ = 0;
    long rewindBy_ = 0;     // cycles asked for by Backspace, taken back between two cycles
    bool restart_ = false;  // taken back to the start: the level is to load again as it began
};

// The headless script host of turtool run, shown in the page: its events come at their
// cycles as in turtool, and the browser has its turns (and the board is seen) in between.
class PageScriptHost : public headless::ScriptHost {
public:
    PageScriptHost(Page& page, uint32_t seed) : ScriptHost(seed), page_(page), breather_(page) {}
    void pace(int) override {
        if (breather_.breathe() && context()) page_.showCounters(*context());
    }

private:
    Page& page_;
    Breather breather_;
};

}  // namespace boltik::web
