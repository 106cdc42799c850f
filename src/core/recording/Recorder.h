// What the game keeps of the player's games as they are played, and plays back a recorded one:
// every won level leaves a recording in replays/ and its best result in the progress file.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <utility>

#include "core/recording/Recording.h"

namespace boltik::recording {

class Recorder {
public:
    explicit Recorder(std::string replayFolder = "replays") : folder_(std::move(replayFolder)) {}

    // A call of the main loop begins: its start is captured before the level loads.
    void begin(const board::World& world, uint32_t seed);
    // The chooser's answer, a question's answer and an input, as the level is played.
    void chosen(const std::string& name);
    void answered(game::QuestionId id, int answer);
    void input(long point, Event::Kind kind, board::Dir dir = board::Dir::Up);
    bool recording() const { return current_.has_value(); }
    // The level being recorded, as it began, with what was played of it so far.
    const std::optional<Recording>& current() const { return current_; }

    // The call has ended. A finished level's recording is written and its result recorded in the
    // progress file; the path of the recording is returned ("" when none was written).
    std::string end(bool finished, const board::World& world, long cycles);
    // The level goes back to the state after the given yield: what was played later is no
    // longer part of its timeline.
    void forgetAfter(long point);
    // Why the progress mark or the recording of a finished level could not be written, since
    // this was last asked; "" when nothing failed.
    std::string takeFailure() { return std::exchange(failure_, {}); }

private:
    std::string folder_;
    std::optional<Recording> current_;
    std::string failure_;
    bool rewound_ = false;  // the level in play was taken back at least once
    // Lives lost count from the level's first start, through its wrecks, to its finish.
    std::string trackedLevel_;
    int64_t livesAtFirstStart_ = 0;
};

// Plays a recorded game back into a running one: its inputs at their yields, its answers in
// their order, its chooser's answer.
class Player {
public:
    explicit Player(Recording replay);

    const Recording& recording() const { return recording_; }
    // Applies the inputs recorded at this yield or before.
    void deliver(long point, game::Context& ctx);
    // The next recorded answer; 2 when none is left.
    int answer();

private:
    Recording recording_;
    std::size_t next_ = 0;
    std::deque<int> answers_;
};

}  // namespace boltik::recording
