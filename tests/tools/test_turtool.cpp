// turtool's commands on hand-made level files.
#include <gtest/gtest.h>

#include <sstream>

#include "ToolRun.h"
#include "core/board/LevelFile.h"
#include "support/Rig.h"

namespace {

using boltik::testing::Level;
using boltik::testing::levelFileText;
using boltik::testing::TempDir;
using boltik::testing::ToolRun;
using boltik::testing::turtool;

std::vector<std::string> outputLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);)
        lines.push_back(l);
    return lines;
}

const Level kLevel{{"###################", "#P.*..............#", "#.................#"}, {}, "1"};

TEST(TurtoolShow, PrintsFourLayersAndTheBoltCount) {
    TempDir dir;
    dir.write("1.tur", levelFileText(kLevel));
    const ToolRun r = turtool({"show", "1.tur"});
    EXPECT_EQ(r.code, 0);
    const auto lines = outputLines(r.out);
    ASSERT_EQ(lines.size(), 4u * 13 + 1);
    EXPECT_EQ(lines[0], "layer 6:");
    EXPECT_EQ(lines[13], "layer 7:");
    EXPECT_EQ(lines[15], "2 1000 0 7 0 0 0 0 0 0 0 0 0 0 0 0 0 0 2");
    EXPECT_EQ(lines.back(), "bolts: 1");
}

TEST(TurtoolShow, BadFileGetsOneLineNamingTheLine) {
    TempDir dir;
    std::string text = levelFileText(kLevel);
    text.replace(text.find("1000"), 4, "x");
    dir.write("bad.tur", text);
    const ToolRun r = turtool({"show", "bad.tur"});
    EXPECT_NE(r.code, 0);
    EXPECT_EQ(r.err, "turtool: bad.tur: line 54: not a number from -32768 to 32767: \"x\"\n");
    EXPECT_NE(turtool({"show", "missing.tur"}).code, 0);
}

TEST(TurtoolCheck, ListsWhatALevelAuthorWantsToKnow) {
    TempDir dir;
    Level level{{"###################", "#P.*.T...c........#", "#.....P............"},
                {{5, 1, 8, 9}, {5, 1, 9, 9}, {9, 1, 8, 7}},
                "2"};
    dir.write("w.tur", levelFileText(level));
    const ToolRun r = turtool({"check", "w.tur"});
    EXPECT_EQ(r.code, 0);
    const std::string expected[] = {
        "warning: teleporter at (5, 1) names partner (9, 9), which is not a teleporter "
        "pointing back",
        "warning: crawler at (9, 1) has heading 7, outside 0..3",
        "warning: border cell (18, 2) holds 0, not a wall",
        "warning: 2 players at (1, 1), (6, 2): the game starts at the last one",
        "warning: bolt count \"2\" but 1 bolt cells"};
    for (const auto& e : expected)
        EXPECT_NE(r.out.find(e), std::string::npos) << e;
    dir.write("ok.tur", levelFileText(kLevel));
    EXPECT_EQ(turtool({"check", "ok.tur"}).out, "no problems\n");
}

TEST(TurtoolRun, ZeroCyclesLoadsAndDumps) {
    TempDir dir;
    dir.write("1.tur", levelFileText(kLevel));
    dir.write("kilometrach.txt", "41\r\n");
    const ToolRun r = turtool({"run", "1.tur", "--layers", "8,10"});
    ASSERT_EQ(r.code, 0);
    const auto lines = outputLines(r.out);
    ASSERT_EQ(lines.size(), 11u + 3 * 13);
    const std::vector<std::string> head(lines.begin(), lines.begin() + 12);
    EXPECT_EQ(head, (std::vector<std::string>{"result: loaded", "level: 1.tur", "cycles: 0",
                                              "bigCycles: 41", "lives: 10", "bolts: 1", "keys: 0",
                                              "ammo: 0", "player: 1 1", "startMode: 0",
                                              "wreckCountdown: 0", "layer 7:"}));
    EXPECT_EQ(lines[24], "layer 8:");
    EXPECT_EQ(lines[37], "layer 10:");
    EXPECT_EQ(boltik::board::readCounterFile(), 41);
}

TEST(TurtoolRun, ScriptedPlayWithSoundTrace) {
    TempDir dir;
    dir.write("1.tur", levelFileText(kLevel));
    dir.write("s.txt", "# two taps\n1 press right\n1 release right\n3 press right\n");
    const ToolRun r =
        turtool({"run", "1.tur", "--cycles", "4", "--script", "s.txt", "--trace-sounds"});
    EXPECT_NE(r.out.find("result: running\n"), std::string::npos);
    EXPECT_NE(r.out.find("player: 3 1\n"), std::string::npos);
    EXPECT_NE(r.out.find("bolts: 0\n"), std::string::npos);
    EXPECT_NE(r.out.find("sounds:\n0 start.wav\n1 mus1.wav\n1 gi.wav\n3 eatbolt.wav\n"),
              std::string::npos);
}

TEST(TurtoolRun, ResultsForQuitWreckAndDone) {
    TempDir dir;
    dir.write("1.tur", levelFileText({{"####", "#PC#"}}));
    dir.write("esc.txt", "2 escape 1\n");
    dir.write("replay.txt", "2 replay\n");
    dir.write("done.txt", "1 press right\n");
    const ToolRun quit = turtool({"run", "1.tur", "--cycles", "9", "--script", "esc.txt"});
    EXPECT_NE(quit.out.find("result: quit\nlevel: 1.tur\ncycles: 2\n"), std::string::npos);
    const ToolRun wreck = turtool({"run", "1.tur", "--cycles", "99", "--script", "replay.txt"});
    EXPECT_NE(wreck.out.find("result: wrecked\nlevel: 1.tur\ncycles: 16\n"), std::string::npos);
    EXPECT_NE(wreck.out.find("lives: 9\n"), std::string::npos);
    EXPECT_NE(wreck.out.find("startMode: 2\n"), std::string::npos);
    const ToolRun done = turtool({"run", "1.tur", "--cycles", "99", "--script", "done.txt"});
    EXPECT_NE(done.out.find("result: done\n"), std::string::npos);
    const ToolRun missing = turtool({"run", "7.tur", "--cycles", "5"});
    EXPECT_NE(missing.out.find("result: quit\nlevel: 7.tur\ncycles: 0\n"), std::string::npos);
    const ToolRun next = turtool({"run", "0.tur", "--cycles", "0", "--answer-missing", "1"});
    EXPECT_NE(next.out.find("result: loaded\nlevel: 1.tur\n"), std::string::npos);
}

TEST(TurtoolRun, AHundredMissingLevelsInARowStopTheRun) {
    TempDir dir;
    dir.write("107.tur", levelFileText({{"####", "#PC#"}}));
    // From 7.tur the hundredth missing file in a row is 106.tur, one short of 107.tur.
    const ToolRun stopped = turtool({"run", "7.tur", "--cycles", "5", "--answer-missing", "1"});
    EXPECT_EQ(stopped.code, 1);
    EXPECT_NE(stopped.out.find("result: quit\nlevel: 106.tur\n"), std::string::npos);
    EXPECT_EQ(stopped.err,
              "turtool: stopped: 100 level files in a row could not be loaded; the last: "
              "\"Тура106.turне существует, продолжить ?\"\n");
    // From 8.tur, 99 missing files lead to 107.tur.
    const ToolRun found = turtool({"run", "8.tur", "--cycles", "0", "--answer-missing", "1"});
    EXPECT_EQ(found.code, 0);
    EXPECT_NE(found.out.find("result: loaded\nlevel: 107.tur\n"), std::string::npos);
}

TEST(TurtoolRun, BadArgumentsAndScripts) {
    TempDir dir;
    dir.write("1.tur", levelFileText(kLevel));
    dir.write("bad.txt", "1 jump right\n");
    for (const auto& args :
         std::vector<std::vector<std::string>>{{},
                                               {"run"},
                                               {"run", "1.tur", "--cycles"},
                                               {"run", "1.tur", "--cycles", "-1"},
                                               {"run", "1.tur", "--layers", "11"},
                                               {"run", "1.tur", "--answer-missing", "3"},
                                               {"frobnicate", "1.tur"}}) {
        EXPECT_EQ(turtool(args).code, 2);
    }
    const ToolRun r = turtool({"run", "1.tur", "--script", "bad.txt"});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("script line 1"), std::string::npos);

    // A line too long to read whole is refused, not read in part: cut, this one would be a
    // plain press. A long comment is still a comment.
    dir.write("long.txt", "# " + std::string(3000, '-') + "\n1 press right" +
                              std::string(2000, ' ') + "garbage\n");
    const ToolRun cut = turtool({"run", "1.tur", "--script", "long.txt"});
    EXPECT_EQ(cut.code, 1);
    EXPECT_NE(cut.err.find("script line 2 is longer than 1000 characters"), std::string::npos)
        << cut.err;
}

TEST(TurtoolRun, TenThousandCyclesOfAFullBoardIsQuick) {
    TempDir dir;
    Level full;
    full.rows.assign(12, std::string(19, '#'));
    for (int y = 1; y < 11; ++y)
        for (int x = 1; x < 18; ++x)
            full.rows[y][x] = "rBak*D.#"[(x * 7 + y * 3) % 8];
    full.rows[1][1] = 'P';
    dir.write("1.tur", levelFileText(full));
    const auto start = std::chrono::steady_clock::now();
    const ToolRun r = turtool({"run", "1.tur", "--cycles", "10000"});
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start);
    EXPECT_NE(r.out.find("cycles: 10000\n"), std::string::npos);
    EXPECT_LT(seconds.count(), 5.0);  // generous for sanitizer builds; about 0.1 s in Release
}

TEST(TurtoolCommandLine, HelpGoesToStandardOutput) {
    for (const auto& args : std::vector<std::vector<std::string>>{{"--help"}, {"help"}}) {
        const ToolRun r = turtool(args);
        EXPECT_EQ(r.code, 0);
        EXPECT_EQ(r.err, "");
        for (const char* command : {"show", "check", "run", "edit", "settings", "replay", "solve"})
            EXPECT_NE(r.out.find("turtool " + std::string(command)), std::string::npos) << command;
    }
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"help", "run"}, {"run", "--help"}}) {
        const ToolRun r = turtool(args);
        EXPECT_EQ(r.code, 0);
        EXPECT_EQ(r.out.rfind("usage: turtool run FILE [--cycles N]", 0), 0u) << r.out;
    }
}

TEST(TurtoolCommandLine, AUsageErrorNamesTheWordItDidNotUnderstand) {
    TempDir dir;
    dir.write("1.tur", levelFileText(kLevel));
    struct Case {
        std::vector<std::string> args;
        std::string firstLine;
    };
    const Case kCases[] = {
        {{}, "turtool: no command given"},
        {{"frobnicate", "1.tur"}, "turtool: did not understand 'frobnicate'"},
        {{"help", "frobnicate"}, "turtool: help: did not understand 'frobnicate'"},
        {{"show"}, "turtool: show: FILE is missing"},
        {{"show", "1.tur", "2.tur"}, "turtool: show: did not understand '2.tur'"},
        {{"run", "1.tur", "--cycles"}, "turtool: run: '--cycles' needs a value"},
        {{"run", "1.tur", "--cycles", "-1"}, "turtool: run: did not understand '--cycles -1'"},
        {{"run", "1.tur", "--fast"}, "turtool: run: '--fast' needs a value"},
        {{"run", "1.tur", "fast"}, "turtool: run: did not understand 'fast'"},
        {{"edit", "--from", "1.tur"}, "turtool: edit: --script is missing"},
        {{"edit", "--script", "s", "--script", "t"},
         "turtool: edit: did not understand '--script t'"},
        {{"solve", "1.tur", "--max-states", "0"},
         "turtool: solve: did not understand '--max-states 0'"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.firstLine);
        const ToolRun r = turtool(c.args);
        EXPECT_EQ(r.code, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err.substr(0, r.err.find('\n')), c.firstLine);
    }
}

TEST(TurtoolCommandLine, RunFailsOnALevelItCannotLoadAfterItsDump) {
    TempDir dir;
    dir.write("bad.tur", "0\r\nx\r\n");
    const ToolRun missing = turtool({"run", "7.tur", "--cycles", "5"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(missing.out.rfind("result: quit\nlevel: 7.tur\ncycles: 0\n", 0), 0u);
    EXPECT_EQ(missing.err, "turtool: 7.tur: cannot open the file\n");
    const ToolRun bad = turtool({"run", "bad.tur"});
    EXPECT_EQ(bad.code, 1);
    EXPECT_EQ(bad.err, "turtool: bad.tur: line 2: not a number from -32768 to 32767: \"x\"\n");
}

}  // namespace
