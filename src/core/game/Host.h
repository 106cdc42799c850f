// What the rules need from the program around them: yielding, pacing, questions, the level
// chooser and random numbers.
#pragma once

#include <optional>
#include <string>

#include "core/game/Questions.h"

namespace boltik::game {

// Thrown when the game is to end at once (the window closed, Escape answered "Да", a
// missing level answered "Нет"). Nothing in the rules catches it: it unwinds the main loop
// up to the window or tool that runs it.
struct GameQuit {};

class Host {
public:
    virtual ~Host() = default;

    // Lets the window system run: key handlers, timers, the replay button, closing. May
    // throw GameQuit when the game window has been closed meanwhile.
    virtual void yield() = 0;
    // The main loop's yield at a point of the given cycle. A host with nothing to do before
    // some cycle (a headless run waiting for its next scripted event) says so with
    // quietUntil, and is not called before then: the main loop yields at every cell step.
    void yieldIn(long cycle) {
        ++yieldPoint_;
        if (cycle >= quietUntil_) yield();
    }
    // The main loop's yields so far in the running level; its first yield is 1. A recorded
    // game keeps each input with the yield at which it was handled.
    long yieldPoint() const { return yieldPoint_; }

    // The main loop tells the host when a call begins, before its level loads, and when it
    // ends, finished (the open capsule entered) or not.
    void beginLevel() {
        yieldPoint_ = 0;
        onLevelStart();
    }
    virtual void onLevelStart() {}
    virtual void onLevelEnd(bool /*finished*/) {}
    // A cycle of the running level is about to start: the one moment between two cycles, when
    // the host may put the game into another state of the same level (a rewind).
    virtual void betweenCycles() {}
    // Waits in proportion to a number of pacing rounds (2001 a cycle column, 8001 a reveal
    // column, 10001 a curtain column). Sleeps; never spins.
    virtual void pace(int rounds) = 0;
    // The program's two-button question; returns 1 for the first button, 2 for the second.
    virtual int askUser(const Question& question) = 0;
    // Lets the user choose a level file; nothing when the chooser is closed without a choice.
    virtual std::optional<std::string> chooseLevel() = 0;
    // A uniform random number in [0, 1).
    virtual double random() = 0;

protected:
    // No yield is needed before this cycle; 0 (the start) asks for every one.
    void quietUntil(long cycle) { quietUntil_ = cycle; }
    // The yields so far, for a host that has put the game into another state of its level.
    void setYieldPoint(long point) { yieldPoint_ = point; }

private:
    long quietUntil_ = 0;
    long yieldPoint_ = 0;
};

}  // namespace boltik::game
