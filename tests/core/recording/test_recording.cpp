// Recordings: the start of a level kept and put back through the text of a recording, inputs
// played back at their yields, and what a won level leaves behind (its recording and its best
// result).
#include <gtest/gtest.h>

#include <filesystem>

#include <cstdint>
#include <sstream>

#include "core/progress/Progress.h"
#include "core/recording/Recorder.h"
#include "core/recording/Recording.h"
#include "support/Rig.h"

namespace boltik::recording {
namespace {

using namespace board;
using game::QuestionId;
using Kind = Event::Kind;

// Everything of a world that the start of a level is made of: the start mode and name, the
// counts the level inherits from the levels before, the pending requests and the values that
// the level file does not set.
std::string startOf(const World& w) {
    std::ostringstream out;
    out << "start " << static_cast<int>(w.startMode) << " '" << w.levelName << "'\nlives "
        << w.kolLives.caption() << "\nbigCycles " << w.bigCycles << "\nfireDelay " << w.fireDelay
        << "\nrequests";
    for (Dir d : kAllDirs) {
        out << ' ' << w.requests.key[d] << w.requests.fire[d] << w.requests.fresh[d]
            << w.requests.held[d];
    }
    out << '\n';
    for (int x = 0; x <= kLastCol; ++x) {
        for (int y = 0; y <= kLastRow; ++y) {
            for (int l : {layer::kTick, layer::kPhase, layer::kMoved}) {
                if (const int v = w.board.at(x, y, l)) {
                    out << x << ',' << y << " layer " << l << ": " << v << '\n';
                }
            }
        }
    }
    return out.str();
}

struct RecordedStart {
    const char* name;
    World world;
    uint32_t seed;
};

// The second level of a game: the fire delay, the lives and the requests come from the level
// before, and so do the values it left in the layers the level file does not set.
World secondLevel() {
    World w;
    w.startMode = StartMode::Next;
    w.levelName = "6.tur";
    w.kolLives.setCaption("7");
    w.bigCycles = 123456;
    w.fireDelay = 4;
    w.requests.key[Dir::Left] = 1;
    w.requests.fresh[Dir::Left] = true;
    w.requests.held[Dir::Left] = true;
    w.requests.fire[Dir::Down] = 1;
    w.requests.held[Dir::Down] = true;
    w.board.set(3, 4, layer::kTick, 7);
    w.board.set(18, 11, layer::kPhase, 3);
    w.board.set(0, 0, layer::kMoved, -1);
    return w;
}

// A long game: every count at the end of its range.
World longGame() {
    World w;
    w.startMode = StartMode::Again;
    w.levelName = "my level 12.tur";
    w.kolLives.setCaption("-3");
    w.bigCycles = INT32_MAX;
    w.fireDelay = INT16_MAX;
    w.board.set(1, 1, layer::kTick, INT16_MIN);
    w.board.set(17, 10, layer::kTick, INT16_MAX);
    return w;
}

World firstLevelChosen() {
    World w;
    w.startMode = StartMode::Choose;
    return w;
}

TEST(InputWords, EachKindHasOneWordAndOnlyTheArrowsNameADirection) {
    struct Case {
        Kind kind;
        const char* word;
        bool arrow;
    };
    const Case cases[] = {
        {Kind::Press, "press", true},     {Kind::Shift, "shift", true},
        {Kind::Release, "release", true}, {Kind::Escape, "escape", false},
        {Kind::Wreck, "replay", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word);
        EXPECT_STREQ(inputWord(c.kind), c.word);
        EXPECT_EQ(inputNamed(c.word), c.kind);
        EXPECT_EQ(isArrow(c.kind), c.arrow);
    }
    for (const char* other : {"", "Press", "wreck", "up", "press ", "at"}) {
        SCOPED_TRACE(other);
        EXPECT_EQ(inputNamed(other), std::nullopt);
    }
}

TEST(RecordedStart, ComesBackThroughTheTextOfTheRecording) {
    const RecordedStart kCases[] = {
        {"the second level of a game", secondLevel(), 7},
        {"a long game", longGame(), UINT32_MAX},
        {"the first level, chosen", firstLevelChosen(), 0},
    };
    for (const RecordedStart& c : kCases) {
        SCOPED_TRACE(c.name);
        Recording r = Recording::begin(c.world, c.seed);
        r.level = "7.tur";
        r.checksum = "0123abcd";
        r.answers = {{QuestionId::LeaveGame, 2}, {QuestionId::RestartLevel, 1}};
        r.events = {{3, Kind::Press, Dir::Right}, {3, Kind::Release, Dir::Right},
                    {40, Kind::Shift, Dir::Left}, {41, Kind::Release, Dir::Left},
                    {60, Kind::Escape, Dir::Up},  {75, Kind::Wreck, Dir::Up},
                    {75, Kind::Press, Dir::Down}};
        r.cycles = 3;
        std::string error;
        const auto back = parseRecording(recordingText(r), error);
        ASSERT_TRUE(back) << error << '\n' << recordingText(r);
        EXPECT_EQ(back->level, "7.tur");
        EXPECT_EQ(back->checksum, "0123abcd");
        EXPECT_EQ(back->seed, c.seed);
        EXPECT_EQ(back->answers, r.answers);
        EXPECT_EQ(back->events, r.events);
        EXPECT_EQ(back->cycles, 3);

        // Put back into a world that has played something else since.
        World replayed;
        replayed.fireDelay = 10;
        replayed.bigCycles = 99;
        replayed.kolLives.setCaption("1");
        replayed.requests.key[Dir::Up] = 1;
        replayed.board.set(3, 4, layer::kTick, 1);
        replayed.board.set(9, 9, layer::kMoved, -1);
        replayed.board.set(5, 5, layer::kParamA, 2);
        back->restore(replayed);
        EXPECT_EQ(startOf(replayed), startOf(c.world));
        EXPECT_EQ(replayed.board.at(5, 5, layer::kParamA), 2);  // the level file sets it
    }
}

// A window or turtool delivers the recorded inputs at every yield of the main loop; each must
// reach the game at the yield it was recorded at, never one before or after.
TEST(Playback, EachInputArrivesAtTheYieldItWasRecordedAt) {
    testing::Rig rig;
    rig.place({{"#####", "#.P.#", "#####"}});
    Recording r;
    r.events = {{5, Kind::Press, Dir::Right},
                {5, Kind::Shift, Dir::Up},
                {6, Kind::Release, Dir::Up},
                {9, Kind::Wreck, Dir::Up},
                {12, Kind::Release, Dir::Right}};
    Player player(r);
    // What the game holds after the delivery at each yield.
    struct Delivery {
        long point;
        const char* held;  // the arrows held down, as up right down left
        const char* lives;
    };
    const Delivery kDeliveries[] = {{1, "----", "10"}, {4, "----", "10"}, {5, "UR--", "10"},
                                    {6, "-R--", "10"}, {8, "-R--", "10"}, {9, "-R--", "9"},
                                    {11, "-R--", "9"}, {12, "----", "9"}, {13, "----", "9"}};
    for (long point = 1, i = 0; point <= 13; ++point) {
        player.deliver(point, rig.ctx);
        if (kDeliveries[i].point != point) continue;
        const Delivery& d = kDeliveries[i++];
        SCOPED_TRACE("yield " + std::to_string(point));
        std::string held;
        for (Dir dir : kAllDirs)
            held += rig.world.requests.held[dir] ? "URDL"[index(dir)] : '-';
        EXPECT_EQ(held, d.held);
        EXPECT_EQ(rig.world.kolLives.caption(), d.lives);
    }
    EXPECT_EQ(rig.world.requests.fire[Dir::Up], 0);
}

TEST(Playback, AnswersComeInTheirOrderThenNo) {
    Recording r;
    r.answers = {{QuestionId::LeaveGame, 2}, {QuestionId::RestartLevel, 1}};
    Player player(r);
    EXPECT_EQ(player.answer(), 2);
    EXPECT_EQ(player.answer(), 1);
    EXPECT_EQ(player.answer(), 2);
}

// The tries of one game, in order: the level played, whether it was won, the lives left at
// its end.
struct Try {
    const char* level;
    bool won;
    const char* livesAfter;
};

struct Game {
    const char* name;
    std::vector<Try> tries;
    long livesLost;  // the best recorded for 7.tur
};

TEST(WonLevel, LivesLostCountFromTheLevelsFirstTry) {
    const Game kGames[] = {
        {"won at the first try", {{"7.tur", true, "10"}}, 0},
        {"won after two wrecks",
         {{"7.tur", false, "9"}, {"7.tur", false, "8"}, {"7.tur", true, "8"}},
         2},
        {"the wrecks of the level before do not count",
         {{"6.tur", false, "9"}, {"6.tur", true, "9"}, {"7.tur", false, "8"}, {"7.tur", true, "8"}},
         1},
        {"a level left and begun again counts afresh",
         {{"7.tur", false, "9"}, {"6.tur", true, "9"}, {"7.tur", true, "9"}},
         0},
    };
    for (const Game& g : kGames) {
        SCOPED_TRACE(g.name);
        testing::TempDir dir;
        dir.write("6.tur", testing::levelFileText({{"#PC#"}}));
        dir.write("7.tur", testing::levelFileText({{"#P*C#"}, {}, "1"}));
        Recorder recorder;
        World world;
        for (const Try& t : g.tries) {
            world.levelName = t.level;
            recorder.begin(world, 1);
            world.kolLives.setCaption(t.livesAfter);
            recorder.end(t.won, world, 30);
        }
        const auto best = progress::Progress::load().best("7.tur");
        ASSERT_TRUE(best);
        EXPECT_EQ(best->livesLost, g.livesLost);
    }
}

TEST(WonLevel, LeavesARecordingOfItsLevelAndNoneForAWreck) {
    testing::TempDir dir;
    dir.write("7.tur", testing::levelFileText({{"#P*C#"}, {}, "1"}));
    Recorder recorder("games");
    World world;
    world.levelName = "7.tur";
    recorder.begin(world, 5);
    recorder.input(30, Kind::Press, Dir::Right);
    world.kolLives.setCaption("9");
    EXPECT_EQ(recorder.end(false, world, 2), "");
    recorder.begin(world, 6);
    recorder.answered(QuestionId::LeaveGame, 2);
    recorder.input(31, Kind::Press, Dir::Right);
    const std::string path = recorder.end(true, world, 4);
    ASSERT_NE(path, "");
    EXPECT_EQ(path.rfind("games/7-", 0), 0u) << path;

    std::string error;
    const auto recorded = parseRecording(dir.read(path), error);
    ASSERT_TRUE(recorded) << error;
    EXPECT_EQ(recorded->level, "7.tur");
    EXPECT_EQ(recorded->checksum, checksumOfFile("7.tur"));
    EXPECT_EQ(recorded->seed, 6u);
    EXPECT_EQ(recorded->lives, "9");
    EXPECT_EQ(recorded->events, (std::vector<Event>{{31, Kind::Press, Dir::Right}}));
    EXPECT_EQ(recorded->cycles, 4);
}

TEST(WonLevel, SaysWhyItsResultCouldNotBeWritten) {
    testing::TempDir dir;
    dir.write("7.tur", testing::levelFileText({{"#P*C#"}, {}, "1"}));
    // The progress file and the recordings' folder are in the way: files cannot go there.
    std::filesystem::create_directory(progress::kProgressFile);
    dir.write("games", "not a folder");
    Recorder recorder("games");
    World world;
    world.levelName = "7.tur";
    recorder.begin(world, 5);
    EXPECT_EQ(recorder.end(true, world, 4), "");
    const std::string failure = recorder.takeFailure();
    EXPECT_NE(failure, "");
    EXPECT_EQ(recorder.takeFailure(), "");  // told once
    // A wreck writes nothing, and nothing fails.
    recorder.begin(world, 5);
    EXPECT_EQ(recorder.end(false, world, 4), "");
    EXPECT_EQ(recorder.takeFailure(), "");
}

}  // namespace
}  // namespace boltik::recording
