// The three ways a level is played today: the player's own game, a recording played back, and
// the editor's trial of the board it holds.
#pragma once

#include <string>

#include "core/recording/Recorder.h"
#include "core/session/Session.h"

namespace boltik::session {

// The player's game: the keys drive it, every level is recorded, and a won level leaves its
// recording in the replay folder and its best result in the progress file. The counter file
// is rewritten at every level load.
class Live : public Session {
public:
    explicit Live(std::string replayFolder = "replays") : recorder_(std::move(replayFolder)) {}

    uint32_t levelStarts(const board::World& world, uint32_t fresh) override;
    void levelEnds(bool finished, const board::World& world, long cycles) override;
    void answered(game::QuestionId id, int answer) override { recorder_.answered(id, answer); }
    void chosen(const std::string& name) override { recorder_.chosen(name); }
    void input(long point, recording::Event::Kind kind, board::Dir dir) override {
        recorder_.input(point, kind, dir);
    }

    // The start of the level in play (world holds it), from which it loads again as it began:
    // the world before the level loaded, the guns' seed, and the level's file named for a start
    // "again", whether it was chosen or came next. Nothing before the first level.
    std::optional<recording::Recording> levelStart(const board::World& world) const;
    // The next level start draws the guns' seed of the last one again, not a fresh one: the
    // level begins once more as it began.
    void repeatSeed() { repeatSeed_ = true; }
    // The level in play as recorded so far: its start (as levelStart gives it) and its inputs.
    std::optional<recording::Recording> played(const board::World& world) const;
    // The level was taken back to the state after the given yield.
    void rewoundTo(long point) { recorder_.forgetAfter(point); }
    // Why a finished level's progress mark or recording could not be written, since this was
    // last asked; "" when nothing failed.
    std::string takeWriteFailure() { return recorder_.takeFailure(); }

private:
    recording::Recorder recorder_;
    uint32_t seed_ = 0;
    bool repeatSeed_ = false;
};

// A recording played back: its start, its seed, its answers, its level choice and its inputs
// at their yields. The keys only watch; Escape ends it, and so does the end of its level, or
// a thousand cycles past its recorded length. Nothing is written.
class Playback : public Session {
public:
    explicit Playback(recording::Recording recording) : player_(std::move(recording)) {}

    void prepare(game::Context& ctx) override;
    uint32_t levelStarts(const board::World&, uint32_t) override {
        return player_.recording().seed;
    }
    void atYield(long point, game::Context& ctx) override { player_.deliver(point, ctx); }
    std::optional<int> answerFor(const game::Question&) override { return player_.answer(); }
    std::optional<std::string> levelChoice() override { return player_.recording().name; }
    bool takesInput() const override { return false; }
    bool escapeEnds() const override { return true; }
    bool oneLevel() const override { return true; }

private:
    recording::Player player_;
};

// The editor's trial of its board, saved to a level file of its own: one level, no lives
// shown, nothing recorded or written; Escape returns to the editor, and the program goes on
// after it.
class Trial : public Session {
public:
    explicit Trial(std::string levelFile) : levelFile_(std::move(levelFile)) {}

    void prepare(game::Context& ctx) override;
    uint32_t levelStarts(const board::World&, uint32_t fresh) override { return fresh; }
    bool escapeEnds() const override { return true; }
    bool oneLevel() const override { return true; }
    bool showsLives() const override { return false; }
    std::optional<std::string> caption() const override { return "Проверка"; }
    bool silentAfter() const override { return true; }

private:
    std::string levelFile_;
};

}  // namespace boltik::session
