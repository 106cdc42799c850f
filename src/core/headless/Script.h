// Scripts of headless runs (turtool run's format): inputs at given cycles, and the silent
// sounds that trace what played.
#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "core/board/Directions.h"
#include "core/game/Context.h"
#include "core/headless/ScriptHost.h"
#include "core/recording/Recording.h"
#include "core/sound/Sounds.h"

namespace boltik::headless {

// An input of a script at the first yield of its cycle, in the inputs' own words
// (recording::inputWord); an Escape carries the answers to its questions.
struct ScriptEvent {
    using Kind = recording::Event::Kind;
    long cycle = 0;
    Kind kind = Kind::Press;
    board::Dir dir = board::Dir::Up;  // for the keys
    std::vector<int> answers;         // for Escape
};

// The longest line a script may have: a longer one is an error, not read in part, since what
// was cut off could make it mean something else. A comment may run longer, up to
// kLongestScriptComment, so that a note pasted into a script does not break it.
inline constexpr std::size_t kLongestScriptLine = 1000;
inline constexpr std::size_t kLongestScriptComment = 65536;

// Parses a script: lines "<N> press|shift|release <up|down|left|right>", "<N> escape <a1>
// [<a2>]", "<N> replay"; blank lines and lines starting with '#' are skipped. Returns
// nothing and sets error (naming the line) on a malformed line.
std::optional<std::vector<ScriptEvent>> parseScript(std::istream& in, std::string& error);
// One event as a script line, without its line end: the inverse of parseScript.
std::string scriptLine(const ScriptEvent& event);

// Sets a world up so that the main loop loads the level file, as it loads a level again. The
// counter file is read first, so the level start writes it back as it was.
void prepareAgain(board::World& world, const std::string& file);

// Schedules the events on the host: key presses and releases, Escape with its answers
// (the first for the leave question, the second for the restart question) and the replay
// button, each at the first yield of its cycle.
void schedule(ScriptHost& host, game::Context& ctx, const std::vector<ScriptEvent>& events);

// Silent sounds that remember which effect started in which cycle.
class TraceSounds : public sound::SilentSounds {
public:
    struct Started {
        long cycle;
        sound::Effect effect;
    };

    void attach(const game::Context& ctx) { ctx_ = &ctx; }
    void playPanned(sound::Effect effect, int pan) override;
    const std::vector<Started>& started() const { return started_; }

private:
    const game::Context* ctx_ = nullptr;
    std::vector<Started> started_;
};

}  // namespace boltik::headless
