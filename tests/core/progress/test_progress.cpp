// The progress file: each finished level with its best result, written and read back, and
// what a damaged file still gives.
#include <gtest/gtest.h>

#include "core/progress/Progress.h"
#include "support/Rig.h"

namespace boltik::progress {
namespace {

TEST(ProgressFile, EveryLevelComesBackWithItsBestWhateverItsName) {
    testing::TempDir dir;
    const char* kNames[] = {"1.tur", "my level.tur", "12 3.tur", "два  пробела.tur", "end .tur"};
    Progress written;
    long cycles = 10;
    for (const char* name : kNames) {
        written.record(name, cycles, cycles % 3);
        cycles += 7;
    }
    ASSERT_TRUE(written.save());
    const Progress read = Progress::load();
    EXPECT_EQ(read.levels(), written.levels());
    for (const char* name : kNames) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(read.best(name));
    }
    EXPECT_FALSE(read.best("my"));
}

TEST(ProgressFile, EachBestOnlyEverGetsBetterAndApart) {
    Progress p;
    p.record("7.tur", 40, 1);
    p.record("7.tur", 55, 0);
    p.record("7.tur", 60, 3);
    EXPECT_EQ(p.best("7.tur"), (Best{40, 0}));
}

TEST(ProgressFile, ABestFollowsItsLevelToItsNewNumber) {
    Progress p;
    p.record("1.tur", 40, 0);
    p.record("7.tur", 70, 1);
    p.record("8.tur", 80, 2, true);
    p.record("9.tur", 90, 0);
    // 7 and 8 swapped, 9 was redrawn and its old version is now 10; 1 stayed as it was.
    EXPECT_TRUE(p.followLevels({"7.tur", "8.tur", "9.tur"},
                               {{"7.tur", "8.tur"}, {"8.tur", "7.tur"}, {"9.tur", "10.tur"}}));
    const std::map<std::string, Best> expected = {{"1.tur", Best{40, 0}},
                                                  {"7.tur", Best{80, 2, true}},
                                                  {"8.tur", Best{70, 1}},
                                                  {"10.tur", Best{90, 0}}};
    EXPECT_EQ(p.levels(), expected);
    // A level replaced by one never finished loses its mark; nothing to follow changes nothing.
    EXPECT_TRUE(p.followLevels({"1.tur"}, {}));
    EXPECT_FALSE(p.best("1.tur"));
    EXPECT_FALSE(p.followLevels({"settings.ini"}, {}));
}

TEST(ProgressFile, ABestPlayedWithRewindSaysSo) {
    testing::TempDir dir;
    Progress progress;
    progress.record("7.tur", 80, 0, true);
    progress.record("8.tur", 90, 1);
    ASSERT_TRUE(progress.save());
    EXPECT_EQ(dir.read(kProgressFile), "80* 0 7.tur\n90 1 8.tur\n");
    Progress read = Progress::load();
    EXPECT_EQ(read.best("7.tur"), (Best{80, 0, true}));
    EXPECT_EQ(read.best("8.tur"), (Best{90, 1, false}));
    // The same cycles without rewind take its place; more cycles without it do not.
    read.record("7.tur", 85, 0, false);
    EXPECT_EQ(read.best("7.tur"), (Best{80, 0, true}));
    read.record("7.tur", 80, 0, false);
    EXPECT_EQ(read.best("7.tur"), (Best{80, 0, false}));
    read.record("7.tur", 80, 0, true);
    EXPECT_EQ(read.best("7.tur"), (Best{80, 0, false}));
    read.record("7.tur", 70, 0, true);
    EXPECT_EQ(read.best("7.tur"), (Best{70, 0, true}));
}

TEST(ProgressFile, ADamagedLineIsSkippedAndTheRestKept) {
    struct Line {
        const char* text;
        bool kept;
    };
    const Line kLines[] = {
        {"-5 0 negative cycles.tur", false},
        {"5 -1 negative lives.tur", false},
        {"x 0 letters.tur", false},
        {"5 1x trailing.tur", false},
        {"99999999999999999999 0 too big.tur", false},
        {"5 0", false},
        {"", false},
        {"5", false},
        {"5 0 bell\a.tur", false},  // no file name holds a control character
        {"0 0 zero.tur", true},
        {"12 3 good.tur", true},
    };
    testing::TempDir dir;
    std::string text;
    for (const Line& line : kLines)
        text += std::string(line.text) + "\n";
    dir.write(kProgressFile, text);
    const Progress read = Progress::load();
    std::size_t kept = 0;
    for (const Line& line : kLines) {
        SCOPED_TRACE(line.text);
        const std::string t = line.text;
        const auto blank = t.find(' ', t.find(' ') + 1);
        const std::string name = blank == std::string::npos ? "" : t.substr(blank + 1);
        EXPECT_EQ(read.best(name).has_value(), line.kept);
        kept += line.kept;
    }
    EXPECT_EQ(read.levels().size(), kept);
    EXPECT_EQ(read.best("good.tur"), (Best{12, 3}));
}

TEST(ProgressFile, AMissingFileIsNoProgress) {
    testing::TempDir dir;
    EXPECT_TRUE(Progress::load().levels().empty());
}

}  // namespace
}  // namespace boltik::progress
