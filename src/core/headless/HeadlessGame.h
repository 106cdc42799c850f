// A game with nothing to show or hear, put together in one place for turtool, the solver, the
// fuzz targets, the benchmarks and the tests; and a recording played back in one.
#pragma once

#include <cstdint>
#include <optional>

#include "core/board/World.h"
#include "core/game/Context.h"
#include "core/headless/Script.h"
#include "core/headless/ScriptHost.h"
#include "core/loop/MainLoop.h"
#include "core/recording/Recording.h"
#include "core/sound/Sounds.h"
#include "core/sprites/Canvas.h"
#include "core/sprites/Sprites.h"

namespace boltik::headless {

// Whether a headless game keeps which effect started in which cycle. A trace grows with every
// sound, so only a run of bounded length asks for one.
enum class SoundTrace { Off, On };

// The world, the sprite store, a canvas, the sounds, the scripted host and the context of one
// game, attached to each other. Unless the caller brings its own canvas and sounds, paints go
// nowhere and the sounds are silent, traced in traceSounds when asked. The game does not move:
// the context refers to its members.
class HeadlessGame {
public:
    // The host draws its random numbers from a generator with this seed.
    explicit HeadlessGame(uint32_t seed = 0, SoundTrace trace = SoundTrace::Off);
    // Paints go to canvas and sounds play on sounds; both must outlive the game.
    HeadlessGame(uint32_t seed, sprites::Canvas& canvas, sound::Sounds& sounds);
    HeadlessGame(const HeadlessGame&) = delete;
    HeadlessGame& operator=(const HeadlessGame&) = delete;

    board::World world;
    sprites::SpriteStore sprites;
    sprites::NullCanvas nullCanvas;
    sound::SilentSounds silentSounds;
    TraceSounds traceSounds;
    ScriptHost host;
    game::Context ctx;
};

// How a playback ended: how the main loop returned (nothing when Escape quit the game) and
// the cycles it ran.
struct Playback {
    std::optional<loop::GameEnd> end;
    long cycles = 0;
    // Whether the cycle limit stopped it before its level ended.
    bool stopped() const { return end == loop::GameEnd::Stopped; }
};

// Plays a recording in the current folder, which holds its level: its start, answers and
// inputs, until the level ends or cycleLimit cycles have run. The game must be fresh, made
// with the recording's seed. Writes no file. ScriptStop passes through when the game asks a
// question that was not recorded.
Playback playRecording(HeadlessGame& game, const recording::Recording& recording, long cycleLimit);

// A recorded level as it stands between two cycles: what a game in play takes over to go back
// to that moment (a rewind).
struct LevelState {
    board::World world;
    int capsuleTicks = 0;
    game::FlashState flashState = game::FlashState::BoltsRemain;
    long cycles = 0;
    long yieldPoint = 0;  // the main loop's yields so far
    uint32_t draws = 0;   // the numbers the guns have drawn from the level's seed
};

// The level of the recording after `cycles` of its cycles (1 or more), played headless from its
// start with its inputs; nothing when it did not get that far (it ended, or asked a question
// that was not recorded).
std::optional<LevelState> stateAfter(const recording::Recording& recording, long cycles);

}  // namespace boltik::headless
