// The headless game: its parts wired to each other, the script format read and written back,
// and a recording played in it.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "core/board/LevelFile.h"
#include "core/headless/HeadlessGame.h"
#include "core/headless/Script.h"
#include "support/Rig.h"

namespace boltik::headless {
namespace {

using board::Dir;
using Kind = recording::Event::Kind;

// A corridor: two taps on the right arrow take the player over the bolt into the capsule.
const testing::Level kCorridor{{"######", "#P*C.#", "######"}, {}, "1"};
const char* const kTwoTaps = "1 press right\n1 release right\n2 press right\n2 release right\n";

std::vector<ScriptEvent> script(const std::string& text) {
    std::istringstream in(text);
    std::string error;
    auto events = parseScript(in, error);
    EXPECT_TRUE(events) << error;
    return events ? *events : std::vector<ScriptEvent>{};
}

TEST(HeadlessGame, ScriptedKeysPlayTheLevelThroughTheRealMainLoop) {
    testing::TempDir dir;
    dir.write("t.tur", testing::levelFileText(kCorridor));
    HeadlessGame game(0, SoundTrace::On);
    prepareAgain(game.world, "t.tur");
    game.ctx.cycleLimit = 100;
    schedule(game.host, game.ctx, script(kTwoTaps));
    EXPECT_EQ(loop::Game(game.ctx), loop::GameEnd::LevelDone);
    // Every sound that started is traced with the cycle it started in, in order.
    const auto& started = game.traceSounds.started();
    ASSERT_FALSE(started.empty());
    for (std::size_t i = 1; i < started.size(); ++i)
        EXPECT_LE(started[i - 1].cycle, started[i].cycle);
    EXPECT_LE(started.back().cycle, game.ctx.cycles);
}

TEST(HeadlessGame, TracesSoundsOnlyWhenAskedAndPlaysOnTheCallersOwn) {
    struct Case {
        const char* what;
        SoundTrace trace;
        bool traced;
    };
    const Case cases[] = {{"silent", SoundTrace::Off, false}, {"traced", SoundTrace::On, true}};
    testing::TempDir dir;
    dir.write("t.tur", testing::levelFileText(kCorridor));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        HeadlessGame game(0, c.trace);
        prepareAgain(game.world, "t.tur");
        game.ctx.cycleLimit = 100;
        schedule(game.host, game.ctx, script(kTwoTaps));
        loop::Game(game.ctx);
        EXPECT_EQ(!game.traceSounds.started().empty(), c.traced);
    }
    testing::RecordingCanvas canvas;
    testing::RecordingSounds sounds;
    HeadlessGame game(0, canvas, sounds);
    prepareAgain(game.world, "t.tur");
    game.ctx.cycleLimit = 100;
    schedule(game.host, game.ctx, script(kTwoTaps));
    loop::Game(game.ctx);
    EXPECT_FALSE(canvas.paints.empty());
    EXPECT_FALSE(sounds.played.empty());
    EXPECT_TRUE(game.traceSounds.started().empty());
}

TEST(ScriptFormat, EveryLineReadsBackAsItIsWritten) {
    struct Case {
        const char* line;
        long cycle;
        Kind kind;
        Dir dir;
        std::vector<int> answers;
    };
    const Case cases[] = {
        {"0 press up", 0, Kind::Press, Dir::Up, {}},
        {"7 shift left", 7, Kind::Shift, Dir::Left, {}},
        {"12 release down", 12, Kind::Release, Dir::Down, {}},
        {"3 press right", 3, Kind::Press, Dir::Right, {}},
        {"5 escape 2", 5, Kind::Escape, Dir::Up, {2}},
        {"5 escape 2 1", 5, Kind::Escape, Dir::Up, {2, 1}},
        {"999999999 replay", 999999999, Kind::Wreck, Dir::Up, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const auto events = script(std::string(c.line) + "\n");
        ASSERT_EQ(events.size(), 1u);
        EXPECT_EQ(events[0].cycle, c.cycle);
        EXPECT_EQ(events[0].kind, c.kind);
        if (recording::isArrow(c.kind)) {
            EXPECT_EQ(events[0].dir, c.dir);
        }
        EXPECT_EQ(events[0].answers, c.answers);
        EXPECT_EQ(scriptLine(events[0]), c.line);
    }
}

TEST(ScriptFormat, ALineThatIsNotAnInputIsRefusedByNumber) {
    const char* const kBad[] = {
        "1 press",           "1 press north",  "1 press up up", "1 wreck",     "1 escape",
        "1 escape 3",        "1 escape 1 2 1", "1 replay now",  "-1 press up", "+1 press up",
        "1000000000 replay", "x press up",     "1 PRESS up",
    };
    for (const char* bad : kBad) {
        SCOPED_TRACE(bad);
        std::istringstream in(std::string("# a comment\n\n1 press up\n") + bad + "\n");
        std::string error;
        EXPECT_FALSE(parseScript(in, error));
        EXPECT_EQ(error, std::string("script line 4 is not understood: ") + bad);
    }
}

TEST(RecordingPlayback, InputsArriveAtTheirYieldsAndTheLimitStopsIt) {
    testing::TempDir dir;
    dir.write("t.tur", testing::levelFileText(kCorridor));
    recording::Recording r;
    r.level = r.name = "t.tur";
    r.start = board::StartMode::Again;
    struct Case {
        const char* what;
        std::vector<recording::Event> events;
        long limit;
        std::optional<loop::GameEnd> end;
    };
    // The two taps of kTwoTaps, at the first yields of cycles 1 and 2.
    const long second = loop::yieldsUpTo(1) + 1;
    const std::vector<recording::Event> taps = {{1, Kind::Press, Dir::Right},
                                                {1, Kind::Release, Dir::Right},
                                                {second, Kind::Press, Dir::Right},
                                                {second, Kind::Release, Dir::Right}};
    const Case cases[] = {
        {"walked to the capsule", taps, 100, loop::GameEnd::LevelDone},
        {"no input: stopped at the limit", {}, 30, loop::GameEnd::Stopped},
        {"Escape answered yes: quit", {{1, Kind::Escape, Dir::Up}}, 100, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        r.events = c.events;
        r.answers.clear();
        if (!c.end) r.answers.push_back({game::QuestionId::LeaveGame, 1});
        HeadlessGame game(r.seed);
        const Playback played = playRecording(game, r, c.limit);
        EXPECT_EQ(played.end, c.end);
        EXPECT_EQ(played.stopped(), c.end == loop::GameEnd::Stopped);
        EXPECT_EQ(played.cycles, game.ctx.cycles);
        EXPECT_LE(played.cycles, c.limit);
        // A playback writes nothing: no counter file beside the level.
        EXPECT_EQ(std::filesystem::exists(dir.path() / board::kCounterFileName), false);
    }
}

}  // namespace
}  // namespace boltik::headless
