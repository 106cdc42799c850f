// Level files and the counter file, read and written.
#include <gtest/gtest.h>

#include <sstream>

#include "core/board/LevelFile.h"
#include "core/io/Text.h"
#include "support/Rig.h"

namespace boltik::board {
namespace {

using testing::Level;

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line))
        out.push_back(line);
    return out;
}

const Level kSmall{
    {"###", "#P*", "#.C"}, {{2, 2, layer::kParamA, 7}, {1, 2, layer::kShotDir, 3}}, "1"};

TEST(LevelFile, ReadsCellsColumnByColumnAndTheBoltLine) {
    Board b;
    std::istringstream in(testing::levelFileText(kSmall));
    const auto r = readLevel(in, b);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.boltLine, "1");
    EXPECT_EQ(b.code(1, 1), code::kPlayer);
    EXPECT_EQ(b.code(2, 1), code::kBolt);
    EXPECT_EQ(b.at(2, 2, layer::kParamA), 7);
    EXPECT_EQ(b.at(1, 2, layer::kShotDir), 3);
    EXPECT_TRUE(r.playerFound);
}

TEST(LevelFile, ShortFileFailsAtTheBoltLineAfterStoringEveryCell) {
    Board b;
    std::string text = testing::levelFileText(kSmall);
    text.erase(text.rfind("1\r\n"));  // 912 lines
    std::istringstream in(text);
    const auto r = readLevel(in, b);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.failedLine, 913);
    EXPECT_EQ(b.code(18, 11), code::kWall);
    EXPECT_EQ(b.code(2, 1), code::kBolt);
}

TEST(LevelFile, BadValueStopsTheReadThere) {
    for (const char* bad : {"32768", "-32769", "abc", "", "1.5"}) {
        Board b;
        b.setCode(0, 2, 55);
        auto text = lines(testing::levelFileText(kSmall));
        text[5] = bad;  // line 6: layer 7 of cell (0, 1)
        std::string joined;
        for (const auto& l : text)
            joined += l + "\n";
        std::istringstream in(joined);
        const auto r = readLevel(in, b);
        EXPECT_FALSE(r.ok) << bad;
        EXPECT_EQ(r.failedLine, 6) << bad;
        EXPECT_EQ(b.code(0, 0), code::kWall);  // read before the failure
        EXPECT_EQ(b.code(0, 2), 55);           // not reached: keeps the old value
    }
}

// The reader keeps 257 characters of a line; a longer line is no number, even when the part
// kept looks like one.
TEST(LevelFile, ALongLineIsNotANumber) {
    const std::string number256 = std::string(250, ' ') + "7" + std::string(5, ' ');
    struct Case {
        std::string line;
        bool isNumber;
    };
    const Case cases[] = {
        {number256, true},
        {number256 + std::string(15, ' ') + "garbage", false},
        {number256 + "\rx", false},  // the CR kept is not the line's end
        {number256 + " ", false},    // 257 characters
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line.size());
        auto text = lines(testing::levelFileText(kSmall));
        text[5] = c.line;  // line 6: layer 7 of cell (0, 1)
        std::string joined;
        for (const auto& l : text)
            joined += l + "\n";
        Board b;
        std::istringstream in(joined);
        const auto r = readLevel(in, b);
        EXPECT_EQ(r.ok, c.isNumber);
        EXPECT_EQ(r.failedLine, c.isNumber ? 0 : 6);
        EXPECT_EQ(b.code(0, 1), c.isNumber ? 7 : 0);
    }
}

TEST(LevelFile, ExtremesOfSixteenBitsAreKept) {
    Level level = kSmall;
    level.values = {{3, 3, layer::kParamA, -32768}, {3, 3, layer::kParamB, 32767}};
    Board b;
    std::istringstream in(testing::levelFileText(level));
    ASSERT_TRUE(readLevel(in, b).ok);
    EXPECT_EQ(b.at(3, 3, layer::kParamA), -32768);
    EXPECT_EQ(b.at(3, 3, layer::kParamB), 32767);
}

TEST(LevelFile, TheLastPlayerInFileOrderWins) {
    Board b;
    std::istringstream in(testing::levelFileText({{"#P.", "#.P", "#P."}}));
    const auto r = readLevel(in, b);
    EXPECT_EQ(r.playerX, 2);
    EXPECT_EQ(r.playerY, 1);
}

TEST(LevelFile, WriterLayout) {
    Board b;
    testing::paintBoard(b, kSmall);
    b.set(5, 5, layer::kShotDir, 2);
    const std::string text = levelText(b, 1);
    const auto all = lines(text);
    ASSERT_EQ(all.size(), 913u);
    for (const auto& l : all)
        ASSERT_EQ(l.back(), '\r');
    for (int i = 0; i < 912; i += 4)
        ASSERT_EQ(all[i], "0\r");  // layer 6 always 0
    EXPECT_EQ(all[1], "2\r");
    EXPECT_EQ(all[4 * (12 * 1 + 1) + 1], "1000\r");
    EXPECT_EQ(all[912], "1\r");
    EXPECT_EQ(text.substr(text.size() - 3), "1\r\n");
}

TEST(LevelFile, WriteThenReadGivesTheSameLevel) {
    testing::TempDir dir;
    Board b;
    testing::paintBoard(b, kSmall);
    b.set(4, 4, layer::kParamB, -5);
    ASSERT_TRUE(writeLevelFile("x.tur", b, 12));
    Board back;
    const auto r = readLevelFile("x.tur", back);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.boltLine, "12");
    for (int x = 0; x <= kLastCol; ++x)
        for (int y = 0; y <= kLastRow; ++y)
            for (int l = layer::kCode; l <= layer::kParamB; ++l)
                ASSERT_EQ(back.at(x, y, l), b.at(x, y, l));
    EXPECT_FALSE(std::filesystem::exists("x.tur.part"));
}

TEST(LevelFile, FailedWriteKeepsTheOldFile) {
    testing::TempDir dir;
    dir.write("x.tur", "old");
    std::filesystem::create_directory("x.tur.part");  // the temporary name is taken
    const io::WriteResult taken = writeLevelFile("x.tur", Board{}, 0);
    EXPECT_FALSE(taken);
    EXPECT_EQ(taken.reason, "на этом месте папка");
    EXPECT_EQ(dir.read("x.tur"), "old");
    const io::WriteResult nowhere = writeLevelFile("no/such/folder/x.tur", Board{}, 0);
    EXPECT_FALSE(nowhere);
    EXPECT_EQ(nowhere.reason, "папки нет");
}

TEST(CounterFile, TwoLinesInCodePage1251) {
    testing::TempDir dir;
    ASSERT_TRUE(writeCounterFile(12345));
    EXPECT_EQ(
        dir.read(kCounterFileName),
        "12345\r\n" + io::utf8ToCp1251(" столько больших циклов обработала программа") + "\r\n");
    EXPECT_EQ(readCounterFile(), 12345);
}

TEST(CounterFile, MissingOrGarbledReadsZero) {
    testing::TempDir dir;
    EXPECT_EQ(readCounterFile(), 0);
    const std::string longLine = std::string(250, ' ') + "7" + std::string(20, ' ') + "x\r\n";
    for (const std::string& text :
         {std::string(), std::string("abc\r\n"), std::string("99999999999\r\n"), longLine}) {
        dir.write(kCounterFileName, text);
        EXPECT_EQ(readCounterFile(), 0) << text;
    }
}

}  // namespace
}  // namespace boltik::board
