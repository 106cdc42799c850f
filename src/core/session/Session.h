// Who drives a level: a session supplies the inputs, the answers to the game's questions and
// the level choice, and decides what is recorded or written. The main loop is the same for
// every session; the game window shows whichever one it is given.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/board/Directions.h"
#include "core/board/World.h"
#include "core/game/Context.h"
#include "core/game/Questions.h"
#include "core/recording/Recording.h"

namespace boltik::session {

class Session {
public:
    virtual ~Session() = default;

    // Before the first level: puts the world and the context into the state play starts from.
    virtual void prepare(game::Context& /*ctx*/) {}
    // A call of the main loop begins, before its level loads; returns the guns' seed for it.
    // `fresh` is a new random seed, for a session that has none of its own.
    virtual uint32_t levelStarts(const board::World& world, uint32_t fresh) = 0;
    // The call has ended, its level finished (the open capsule entered) or not.
    virtual void levelEnds(bool /*finished*/, const board::World& /*world*/, long /*cycles*/) {}

    // The main loop yields at this point of the running level (Host::yieldPoint).
    virtual void atYield(long /*point*/, game::Context& /*ctx*/) {}
    // A question the session answers itself; nothing when the player is to be asked.
    virtual std::optional<int> answerFor(const game::Question& /*question*/) { return {}; }
    // The player answered a question.
    virtual void answered(game::QuestionId /*id*/, int /*answer*/) {}
    // The level the session chooses itself; nothing when the player chooses in the chooser.
    virtual std::optional<std::string> levelChoice() { return {}; }
    // The player chose a level.
    virtual void chosen(const std::string& /*name*/) {}

    // Whether the player's arrows and the replay button drive the level.
    virtual bool takesInput() const { return true; }
    // The player gave an input at this yield, just before it reaches the game.
    virtual void input(long /*point*/, recording::Event::Kind /*kind*/, board::Dir /*dir*/) {}
    // Whether Escape ends the session at once instead of asking the game's questions.
    virtual bool escapeEnds() const { return false; }

    // How the window runs the main loop: the game's Starter tick after tick, with the next
    // level after a finished one, or one level only, after which the window closes.
    virtual bool oneLevel() const { return false; }
    // Whether the lives counter is shown.
    virtual bool showsLives() const { return true; }
    // The caption beside the counters in place of the level's number, when the session has
    // one (UTF-8).
    virtual std::optional<std::string> caption() const { return {}; }
    // Whether the sounds are stopped when the window closes, because the program goes on.
    virtual bool silentAfter() const { return false; }
};

}  // namespace boltik::session
