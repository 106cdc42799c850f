// Level and counter files as users write and share them by hand: each bad one has a defined
// outcome, never a crash, a hang or a lost file.
#include <gtest/gtest.h>

#include <unistd.h>
#include <chrono>
#include <filesystem>
#include <fstream>

#include "core/board/LevelFile.h"
#include "core/io/Text.h"
#include "support/Rig.h"

namespace boltik::board {
namespace {

namespace fs = std::filesystem;

const testing::Level kLevel{{"#####", "#P*C#", "#####"}, {}, "1"};

LevelReadResult load(const std::string& name) {
    Board board;
    return readLevelFile(name, board);
}

TEST(BadLevelFiles, TextVariantsAreReadAsTheLevel) {
    testing::TempDir dir;
    const std::string good = testing::levelFileText(kLevel);
    std::string lf;
    for (char c : good) {
        if (c != '\r') lf += c;
    }
    dir.write("lf.tur", lf);
    dir.write("bom.tur", "\xEF\xBB\xBF" + good);
    std::string blanks;
    for (char c : good)
        blanks += c == '\r' ? std::string("  \r") : std::string(1, c);
    dir.write("blanks.tur", " " + blanks);
    for (const char* name : {"lf.tur", "bom.tur", "blanks.tur"}) {
        SCOPED_TRACE(name);
        const LevelReadResult r = load(name);
        EXPECT_TRUE(r.ok) << r.reason;
        EXPECT_TRUE(r.playerFound);
    }
}

TEST(BadLevelFiles, BrokenOnesFailNamingTheLine) {
    testing::TempDir dir;
    std::string big = testing::levelFileText(kLevel);
    big.replace(big.find("1000"), 4, "70000");
    dir.write("empty.tur", "");
    dir.write("garbage.tur", std::string("\x01\xFF\x00\x7F garbage\x9C", 14));
    dir.write("big.tur", big);
    struct Case {
        const char* name;
        int line;
        std::string reason;
    };
    const Case kCases[] = {
        {"empty.tur", 1, "the file ends before this line"},
        {"garbage.tur", 1, ""},
        {"big.tur", 54, "not a number from -32768 to 32767: \"70000\""},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const LevelReadResult r = load(c.name);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.failedLine, c.line);
        if (!c.reason.empty()) {
            EXPECT_EQ(r.reason, c.reason);
        }
    }
}

TEST(BadLevelFiles, AHundredMegabytesAreReadOnlyAsFarAsALevelGoes) {
    testing::TempDir dir;
    {
        std::ofstream out("huge.tur", std::ios::binary);
        out << testing::levelFileText(kLevel);
        const std::string block(1 << 20, '7');
        for (int i = 0; i < 100; ++i)
            out << block;
        std::ofstream one("oneline.tur", std::ios::binary);
        for (int i = 0; i < 100; ++i)
            one << block;
    }
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(load("huge.tur").ok);  // the level is there; what follows it is never read
    const LevelReadResult r = load("oneline.tur");  // one line of a hundred megabytes
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.failedLine, 1);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}

TEST(BadLevelFiles, ThingsThatAreNotFilesFailAtOnce) {
    testing::TempDir dir;
    fs::create_directory("5.tur");
    fs::create_symlink("loop.tur", "loop.tur");
    fs::create_symlink("/dev/zero", "zero.tur");
    ASSERT_EQ(mkfifo("pipe.tur", 0600), 0);
    for (const char* name : {"5.tur", "loop.tur", "zero.tur", "pipe.tur", "missing.tur"}) {
        SCOPED_TRACE(name);
        const LevelReadResult r = load(name);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.failedLine, 0);
    }
    EXPECT_EQ(load("5.tur").reason, "a folder, not a file");
}

TEST(BadLevelFiles, AnUnreadableFileFails) {
    if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
    testing::TempDir dir;
    dir.write("locked.tur", testing::levelFileText(kLevel));
    fs::permissions("locked.tur", fs::perms::none);
    EXPECT_FALSE(load("locked.tur").ok);
}

TEST(BadCounterFiles, ReadAsZero) {
    testing::TempDir dir;
    dir.write("garbage.txt", "\x01\x02 not a number\r\n");
    dir.write("big.txt", "99999999999\r\n столько\r\n");
    dir.write("negative.txt", "-5\r\n");
    fs::create_directory("dir.txt");
    EXPECT_EQ(readCounterFile("garbage.txt"), 0);
    EXPECT_EQ(readCounterFile("big.txt"), 0);
    EXPECT_EQ(readCounterFile("dir.txt"), 0);
    EXPECT_EQ(readCounterFile("negative.txt"), -5);
}

}  // namespace
}  // namespace boltik::board
