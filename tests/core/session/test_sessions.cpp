// The three sessions played through the real main loop without a window: the player's game
// is recorded and leaves its files, its recording plays back to the same end and writes
// nothing, and the editor's trial writes nothing either.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "core/board/LevelFile.h"
#include "core/headless/SessionGame.h"
#include "core/io/Files.h"
#include "core/loop/MainLoop.h"
#include "core/progress/Progress.h"
#include "core/recording/RecordingFile.h"
#include "core/session/Sessions.h"
#include "support/Rig.h"

namespace boltik::session {
namespace {

namespace fs = std::filesystem;
using recording::Event;

struct Played {
    loop::GameEnd end;
    long cycles;
    std::vector<std::string> board;
    std::string lives;
    std::string level;
};

// Plays one level of the session headless, the player pressing the right arrow as given and
// choosing 1.tur.
Played play(std::unique_ptr<Session> session, const std::map<long, Event::Kind>& presses = {}) {
    headless::SessionGame game(std::move(session), 7);
    for (const auto& [point, kind] : presses)
        game.inputs.insert({point, {kind, board::Dir::Right}});
    game.choices.push_back("1.tur");
    const loop::GameEnd end = game.play();
    return {end, game.ctx.cycles, testing::boardPicture(game.world.board),
            game.world.kolLives.caption(), game.world.levelName};
}

std::size_t filesIn(const fs::path& folder) {
    std::error_code error;
    std::size_t n = 0;
    for (auto it = fs::directory_iterator(folder, error); !error && it != fs::directory_iterator();
         ++it)
        ++n;
    return n;
}

TEST(Sessions, EachPlaysTheLevelAndWritesOnlyWhatItShould) {
    testing::TempDir dir;
    // Three steps to the capsule, with a bolt on the way.
    const std::string level = testing::levelFileText({{"######", "#P*.C#"}, {}, "1"});
    dir.write("1.tur", level);
    dir.write("proba.tur", level);
    // A tap of the right arrow in each of the first cycles.
    std::map<long, Event::Kind> steps;
    for (long cycle = 0; cycle < 4; ++cycle) {
        steps[21 + cycle * 229] = Event::Kind::Press;
        steps[140 + cycle * 229] = Event::Kind::Release;
    }

    // The player's game: recorded, with its best result and the counter file.
    const Played live = play(std::make_unique<Live>(), steps);
    ASSERT_EQ(live.end, loop::GameEnd::LevelDone);
    ASSERT_EQ(filesIn("replays"), 1u);
    EXPECT_EQ(progress::Progress::load().best("1.tur"), (progress::Best{live.cycles, 0}));
    EXPECT_TRUE(fs::exists(board::kCounterFileName));

    // Its recording plays back to the same end, and leaves nothing behind.
    fs::remove(board::kCounterFileName);
    fs::remove(progress::kProgressFile);
    const fs::path file = fs::directory_iterator("replays")->path();
    recording::Refusal refusal;
    auto recording = recording::readRecording(file, refusal);
    ASSERT_TRUE(recording) << refusal.text;
    const Played back = play(std::make_unique<Playback>(std::move(*recording)), steps);
    EXPECT_EQ(back.end, loop::GameEnd::LevelDone);
    EXPECT_EQ(back.cycles, live.cycles);
    EXPECT_EQ(back.board, live.board);

    // The trial plays its own file once and leaves nothing behind either.
    const Played trial = play(std::make_unique<Trial>("proba.tur"), steps);
    EXPECT_EQ(trial.end, loop::GameEnd::LevelDone);
    EXPECT_EQ(trial.level, "proba.tur");
    for (const Played* p : {&back, &trial})
        EXPECT_EQ(p->lives, "10");
    EXPECT_EQ(filesIn("replays"), 1u);
    EXPECT_FALSE(fs::exists(board::kCounterFileName));
    EXPECT_FALSE(fs::exists(progress::kProgressFile));
}

TEST(Sessions, APlaybackThatDoesNotFinishIsGivenUp) {
    testing::TempDir dir;
    const std::string level = testing::levelFileText({{"######", "#P*.C#"}, {}, "1"});
    dir.write("1.tur", level);
    recording::Recording r;
    r.level = r.name = "1.tur";
    r.checksum = io::checksumOf(level);
    r.cycles = 4;
    const Played back = play(std::make_unique<Playback>(r));
    EXPECT_EQ(back.end, loop::GameEnd::Stopped);
    EXPECT_EQ(back.cycles, 1004);
}

}  // namespace
}  // namespace boltik::session
