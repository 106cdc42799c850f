// The browser host through the real main loop, with a page whose clock moves only when the
// game sleeps (or by a fixed step a reading): the pace, keys arriving while the browser has its
// turn, the pause, the questions, leaving a level for another, and Backspace's rewind.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <numeric>

#include "core/headless/HeadlessGame.h"
#include "core/headless/Rewind.h"
#include "core/headless/Script.h"
#include "core/loop/MainLoop.h"
#include "core/progress/Progress.h"
#include "core/recording/RecordingFile.h"
#include "core/session/Sessions.h"
#include "core/web/BrowserHost.h"
#include "support/Rig.h"

namespace boltik::web {
namespace {

using Kind = recording::Event::Kind;

class FakePage : public Page {
public:
    void sleep(int ms) override {
        sleeps.push_back(ms);
        clock += std::max(ms, 1);
        while (!actions.empty() && actions.begin()->first <= clock) {
            auto action = std::move(actions.begin()->second);
            actions.erase(actions.begin());
            action();
        }
    }
    double now() override { return clock += step; }
    std::vector<PageInput> takeInputs() override { return std::exchange(inputs, {}); }
    bool paused() override { return isPaused; }
    bool leaving() override { return isLeaving; }
    void showCounters(const game::Context&) override { ++countersShown; }
    void showQuestion(const game::Question& q) override { questions.push_back(q.text); }
    int answer() override { return givenAnswer; }
    void showChooser() override { ++choosers; }
    std::optional<std::string> choice() override { return givenChoice; }
    void levelEnded(bool finished) override { ended.push_back(finished); }
    void rewinding(long cycles) override { rewinds.push_back(cycles); }

    // A tap of the arrow (down and up) that the browser takes at that time.
    void tap(double at, board::Dir dir) {
        actions.insert({at, [this, dir] {
                            inputs.push_back({Kind::Press, dir});
                            inputs.push_back({Kind::Release, dir});
                        }});
    }

    // A press of Backspace that the browser takes at that time.
    void backspace(double at) {
        actions.insert({at, [this] { inputs.push_back({.rewind = true}); }});
    }

    double clock = 0;
    double step = 0;  // what a reading of the clock adds: the game's own work
    std::multimap<double, std::function<void()>> actions;
    std::vector<int> sleeps;
    std::vector<PageInput> inputs;
    bool isPaused = false;
    bool isLeaving = false;
    int givenAnswer = 0;
    std::optional<std::string> givenChoice;
    std::vector<std::string> questions;
    int choosers = 0;
    int countersShown = 0;
    std::vector<bool> ended;
    std::vector<long> rewinds;
};

// Three steps right to the capsule, with a bolt on the way.
const testing::Level kCorridor{{"######", "#P*.C#"}, {}, "1"};

struct BrowserGame {
    explicit BrowserGame(FakePage& page)
        : host(page, std::make_unique<session::Live>(), 5),
          ctx(world, sprites, canvas, sounds, host) {
        host.attach(ctx);
        headless::prepareAgain(world, "1.tur");
    }
    board::World world;
    sprites::SpriteStore sprites;
    sprites::NullCanvas canvas;
    sound::SilentSounds sounds;
    BrowserHost host;
    game::Context ctx;
};

TEST(BrowserPace, SleepsTheDesktopPaceAFrameOrMoreAtATime) {
    testing::TempDir dir;
    dir.write("1.tur", testing::levelFileText(kCorridor));
    // The rounds the same start and cycles ask for, as the headless host counts them.
    headless::HeadlessGame counted;
    counted.host.recordPacing = true;
    headless::prepareAgain(counted.world, "1.tur");
    counted.ctx.cycleLimit = 20;
    loop::Game(counted.ctx);
    const long rounds = std::accumulate(counted.host.paced.begin(), counted.host.paced.end(), 0L);

    FakePage page;
    BrowserGame game(page);
    game.ctx.cycleLimit = 20;
    EXPECT_EQ(loop::Game(game.ctx), loop::GameEnd::Stopped);
    const double wanted = rounds * kDefaultNanosPerRound / 1e6;
    const int slept = std::accumulate(page.sleeps.begin(), page.sleeps.end(), 0);
    EXPECT_LE(slept, wanted);
    EXPECT_GT(slept, wanted - 2 * Breather::kFrameMillis - page.sleeps.size());
    EXPECT_TRUE(std::all_of(page.sleeps.begin(), page.sleeps.end(),
                            [](int ms) { return ms >= Breather::kFrameMillis; }));
}

TEST(BrowserPace, UnpacedGameStillGivesTheBrowserATurnEachFrame) {
    testing::TempDir dir;
    dir.write("1.tur", testing::levelFileText(kCorridor));
    FakePage page;
    page.step = 0.05;
    BrowserGame game(page);
    game.host.setNanosPerRound(0);
    game.ctx.cycleLimit = 500;
    loop::Game(game.ctx);
    ASSERT_GT(page.sleeps.size(), 2u);
    EXPECT_TRUE(
        std::all_of(page.sleeps.begin(), page.sleeps.end(), [](int ms) { return ms == 0; }));
    // Not a turn at every reading: one a frame of the game's work.
    EXPECT_LT(page.sleeps.size(), page.clock / Breather::kFrameMillis + 2);
}

TEST(BrowserInput, KeysTakenWhileTheBrowserRunsPlayTheLevelAndKeepProgress) {
    testing::TempDir dir;
    dir.write("1.tur", testing::levelFileText(kCorridor));
    FakePage page;
    for (double at : {400.0, 700.0, 1000.0})
        page.tap(at, board::Dir::Right);
    BrowserGame game(page);
    game.ctx.cycleLimit = 100;
    EXPECT_EQ(loop::Game(game.ctx), loop::GameEnd::LevelDone);
    EXPECT_EQ(page.ended, std::vector<bool>{true});
    EXPECT_TRUE(progress::Progress::load().best("1.tur").has_value());
    EXPECT_GT(page.countersShown, 0);
}

TEST(BrowserInput, PausedTheLevelStandsAndArrowsAreDroppedButEscapeAsks) {
    testing::TempDir dir;
    dir.write("1.tur", testing::levelFileText(kCorridor));
    FakePage page;
    page.isPaused = true;
    page.givenAnswer = 2;  // "Нет" to leaving, and to restarting
    page.tap(300, board::Dir::Right);
    page.actions.insert({500, [&] { page.inputs.push_back({Kind::Escape, board::Dir::Up}); }});
    BrowserGame game(page);
    long cyclesWhenPaused = -1;
    page.actions.insert({2000, [&] {
                             cyclesWhenPaused = game.ctx.cycles;
                             page.isPaused = false;
                         }});
    game.ctx.cycleLimit = 30;
    EXPECT_EQ(loop::Game(game.ctx), loop::GameEnd::Stopped);
    EXPECT_LE(cyclesWhenPaused, 1);
    EXPECT_EQ(page.questions.size(), 2u);
    EXPECT_EQ(testing::boardPicture(game.world.board)[1].substr(0, 6), "#P*.C#");
}

TEST(BrowserLeave, LeavingUnwindsThePlayTheQuestionAndTheChooser) {
    testing::TempDir dir;
    dir.write("1.tur", testing::levelFileText(kCorridor));
    const auto leaveAt = [](FakePage& page, double at) {
        page.actions.insert({at, [&page] { page.isLeaving = true; }});
    };
    {
        SCOPED_TRACE("in play");
        FakePage page;
        leaveAt(page, 500);
        BrowserGame game(page);
        EXPECT_THROW(loop::Game(game.ctx), LeaveLevel);
        EXPECT_GT(game.ctx.cycles, 0);
    }
    {
        SCOPED_TRACE("a question open");
        FakePage page;
        page.actions.insert({300, [&] { page.inputs.push_back({Kind::Escape, board::Dir::Up}); }});
        leaveAt(page, 900);
        BrowserGame game(page);
        EXPECT_THROW(loop::Game(game.ctx), LeaveLevel);
        EXPECT_EQ(page.questions.size(), 1u);
    }
    {
        SCOPED_TRACE("the chooser open");
        FakePage page;
        leaveAt(page, 300);
        BrowserGame game(page);
        game.world.startMode = board::StartMode::Choose;
        EXPECT_THROW(loop::Game(game.ctx), LeaveLevel);
        EXPECT_EQ(page.choosers, 1);
    }
}

TEST(BrowserLeave, TheChooserGivesTheLevelChosen) {
    testing::TempDir dir;
    dir.write("7.tur", testing::levelFileText(kCorridor));
    FakePage page;
    page.actions.insert({300, [&] { page.givenChoice = "7.tur"; }});
    BrowserGame game(page);
    game.world.startMode = board::StartMode::Choose;
    game.ctx.cycleLimit = 2;
    EXPECT_EQ(loop::Game(game.ctx), loop::GameEnd::Stopped);
    EXPECT_EQ(game.world.levelName, "7.tur");
}

// Guns that fire at every step into a wall above the robot's corridor: a rewind must put their
// generator back too, or what was played and what was recorded part ways.
const testing::Level kGunRoom{
    {"#########", "#.v.v.v.#", "#.......#", "#.......#", "#########", "#P..*..C#", "#########"},
    {},
    "1"};

TEST(BrowserRewind, BackspaceTakesTheLevelBackAndTheRecordingKeepsWhatWasPlayed) {
    testing::TempDir dir;
    dir.write("1.tur", testing::levelFileText(kGunRoom));
    FakePage page;
    // Two steps at about cycles 30 and 45, taken back from about cycle 50; then on to the
    // bolt and the capsule.
    page.tap(3000, board::Dir::Right);
    page.tap(4500, board::Dir::Right);
    page.backspace(5000);
    for (double at = 6000; at < 12000; at += 500)
        page.tap(at, board::Dir::Right);
    BrowserGame game(page);
    long before = -1, after = -1;
    int xBefore = -1, xAfter = -1;
    page.actions.insert({4990, [&] { xBefore = game.world.playerX; }});
    page.actions.insert({5600, [&] {
                             after = game.ctx.cycles;
                             xAfter = game.world.playerX;
                         }});
    game.ctx.cycleLimit = 400;
    // The cycles played when Backspace is taken, seen from the page's note.
    page.actions.insert({5000, [&] { before = game.ctx.cycles; }});
    EXPECT_EQ(loop::Game(game.ctx), loop::GameEnd::LevelDone);
    ASSERT_EQ(page.rewinds, std::vector<long>{headless::kRewindCycles});
    EXPECT_EQ(xBefore, 3);
    EXPECT_EQ(xAfter, 1) << "both steps undone";
    EXPECT_LT(after, before) << "the cycles counted again from the earlier one";
    EXPECT_GT(after, 0) << "taken back, not started again";

    // The best result says the level was taken back; the recording written holds the timeline
    // kept, and plays back headless to the same end, the guns' shots included.
    const auto best = progress::Progress::load().best("1.tur");
    ASSERT_TRUE(best.has_value());
    EXPECT_TRUE(best->rewound);
    std::vector<std::filesystem::path> replays;
    for (const auto& entry : std::filesystem::directory_iterator("replays"))
        replays.push_back(entry.path());
    ASSERT_EQ(replays.size(), 1u);
    recording::Refusal refusal;
    const auto recorded = recording::readRecording(replays.front(), refusal);
    ASSERT_TRUE(recorded.has_value());
    headless::HeadlessGame again(recorded->seed);
    const headless::Playback played = headless::playRecording(again, *recorded, 1000);
    EXPECT_EQ(played.end, loop::GameEnd::LevelDone);
    EXPECT_EQ(played.cycles, game.ctx.cycles);
    EXPECT_EQ(testing::boardPicture(again.world.board), testing::boardPicture(game.world.board));
}

TEST(BrowserRewind, BackspaceInTheFirstThreeSecondsStartsTheLevelAgainAsItBegan) {
    testing::TempDir dir;
    dir.write("1.tur", testing::levelFileText(kGunRoom));
    FakePage page;
    page.tap(500, board::Dir::Right);
    page.backspace(1500);
    BrowserGame game(page);
    const auto startPicture = [&] {
        headless::HeadlessGame fresh;
        headless::prepareAgain(fresh.world, "1.tur");
        fresh.ctx.cycleLimit = 0;
        loop::Game(fresh.ctx);
        return testing::boardPicture(fresh.world.board);
    }();
    EXPECT_FALSE(game.host.restartIfAsked()) << "nothing asked yet";
    EXPECT_THROW(loop::Game(game.ctx), LeaveLevel);
    EXPECT_EQ(page.rewinds, std::vector<long>{headless::kRewindCycles});
    ASSERT_TRUE(game.host.restartIfAsked());
    EXPECT_FALSE(game.host.restartIfAsked()) << "asked once, done once";
    EXPECT_EQ(game.world.levelName, "1.tur");
    EXPECT_EQ(game.world.startMode, board::StartMode::Again);
    game.ctx.cycleLimit = 0;
    EXPECT_EQ(loop::Game(game.ctx), loop::GameEnd::Stopped);
    EXPECT_EQ(testing::boardPicture(game.world.board), startPicture);
    EXPECT_EQ(game.world.playerX, 1);
}

TEST(BrowserRewind, BackspaceIsDroppedWhilePausedAndBeforeTheFirstCycle) {
    testing::TempDir dir;
    dir.write("1.tur", testing::levelFileText(kGunRoom));
    FakePage page;
    page.actions.insert({4000, [&] { page.isPaused = true; }});
    page.backspace(4200);
    page.actions.insert({4600, [&] { page.isPaused = false; }});
    page.backspace(5500);  // past cycle 30: no rewind was left waiting from the pause
    BrowserGame game(page);
    long cycles = -1;
    page.actions.insert({5490, [&] { cycles = game.ctx.cycles; }});
    game.ctx.cycleLimit = 70;
    // A press before the level's first cycle, as the game is revealed, is dropped too.
    page.inputs.push_back({.rewind = true});
    EXPECT_EQ(loop::Game(game.ctx), loop::GameEnd::Stopped);
    ASSERT_EQ(page.rewinds.size(), 1u) << "only the press of the running level";
    EXPECT_GT(cycles, headless::kRewindCycles) << "the test's press lands after cycle 30";
}

}  // namespace
}  // namespace boltik::web
