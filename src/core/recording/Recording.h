// A recorded game: everything needed to play one level again exactly as it was won. The
// start (which level, how it was reached, the state the level began in, the guns' seed), the
// questions' answers in the order asked, and every input with the main loop's yield at which
// it was handled.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/board/Directions.h"
#include "core/board/World.h"
#include "core/game/Context.h"
#include "core/game/Questions.h"

namespace boltik::recording {

struct Event {
    enum class Kind { Press, Shift, Release, Escape, Wreck };
    long point = 0;  // the main loop's yield, counted from 1 at the start of the level
    Kind kind = Kind::Press;
    board::Dir dir = board::Dir::Up;  // for the keys
    bool operator==(const Event&) const = default;
};

// A layer value of a play-area cell that the level began with and that the level file does
// not set (a teleporter's tick, a blast phase, a moved mark left by the level before).
struct CellValue {
    int x, y, layer;
    int16_t value;
    bool operator==(const CellValue&) const = default;
};

// The most cycles a recording may say its level took: over eleven days of play at the normal
// pace, and about two minutes to play back headless.
inline constexpr long kMostCycles = 10'000'000;

struct Recording {
    std::string level;     // the level file that was played
    std::string checksum;  // of its bytes
    board::StartMode start = board::StartMode::Again;
    std::string name;  // what the start loads: the chooser's answer, or levelName before it
    uint32_t seed = 0;
    std::string lives = board::kStartLives;
    int32_t bigCycles = 0;
    int16_t fireDelay = 0;
    board::Requests requests;
    std::vector<CellValue> cells;
    std::vector<std::pair<game::QuestionId, int>> answers;
    std::vector<Event> events;
    long cycles = 0;  // how long the level took

    // Captures the start of a level from the world as it stands before the level loads.
    static Recording begin(const board::World& world, uint32_t seed);
    // Puts the world into the state the recorded level began in.
    void restore(board::World& world) const;
};

// The words of the inputs in recordings and in headless scripts: "press", "shift" and
// "release", each followed by the word of its direction (board::dirName), "escape", and
// "replay" for the replay button's wreck.
const char* inputWord(Event::Kind kind);
std::optional<Event::Kind> inputNamed(std::string_view word);
// Whether an input of this kind is an arrow's, and so names a direction.
constexpr bool isArrow(Event::Kind kind) {
    return kind == Event::Kind::Press || kind == Event::Kind::Shift || kind == Event::Kind::Release;
}

// Plays a recorded input into the game, as the keyboard and the replay button would: a key
// down or up, Escape with its questions, the replay button's wreck. Escape answered "Да"
// ends the game (GameQuit).
void apply(const Event& event, game::Context& ctx);

// The checksum of a file's bytes (io::checksumOf); nothing when it cannot be read.
std::optional<std::string> checksumOfFile(const std::string& path);

// The recording as text, and back; a text that is not a recording gives nothing and the reason.
// Read back, a recording names its level by a bare file name, ends with its cycles line, and has no
// input past the yields of its cycles.
std::string recordingText(const Recording& replay);
std::optional<Recording> parseRecording(const std::string& text, std::string& error);

// Why a recording is refused: the kind of fault, for a message in the game's own words, the
// line it is on (0 for the recording as a whole), and the reason in English, for tools.
struct Refusal {
    enum class Kind {
        Unreadable,     // the file cannot be opened
        TooLarge,       // over the largest size a recording has
        NotARecording,  // no recording's first line
        Damaged,        // a line not understood, too long or out of place; a part missing
        LevelByPath,    // a level named by anything but a bare file name
        InputsPastEnd,  // inputs past the yields of the recorded cycles
        LevelChanged,   // its level is nowhere to be found as it was played
    };
    Kind kind = Kind::Damaged;
    int line = 0;
    std::string text;
};
std::optional<Recording> parseRecording(const std::string& text, Refusal& refusal);

}  // namespace boltik::recording
