// The titles file of the levels: what a line gives, and what is skipped without harm.
#include <gtest/gtest.h>

#include <sstream>

#include "core/board/LevelTitles.h"
#include "support/Rig.h"

namespace boltik::board {
namespace {

LevelTitles titlesOf(const std::string& bytes) {
    std::istringstream in(bytes);
    return readLevelTitles(in);
}

TEST(LevelTitles, ALineGivesItsFileTheRestOfTheLineInCodePage1251) {
    // "Первый шаг" and "Ящики" in code page 1251, with CR LF and LF endings.
    const LevelTitles titles = titlesOf(
        "1.tur \xCF\xE5\xF0\xE2\xFB\xE9 \xF8\xE0\xE3\r\n"
        "2.tur\t  \xDF\xF9\xE8\xEA\xE8  \n");
    EXPECT_EQ(titles, (LevelTitles{{"1.tur", "Первый шаг"}, {"2.tur", "Ящики"}}));
}

TEST(LevelTitles, BadLinesAreSkippedAndTheRestIsRead) {
    struct Case {
        const char* why;
        std::string line;
    };
    const Case bad[] = {
        {"comment", "# 3.tur title"},
        {"blank", "   "},
        {"no title", "3.tur"},
        {"only blanks after the file", "3.tur   \t "},
        {"a path, not a bare name", "../3.tur title"},
        {"a folder in the name", "a/3.tur title"},
        {"a control character", "3.tur ti\x01tle"},
        {"a tab inside the title", "3.tur ti\ttle"},
        {"too long", "3.tur " + std::string(kLongestTitleLine, 'x')},
    };
    for (const Case& c : bad) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(titlesOf(c.line + "\n4.tur Good\n"), (LevelTitles{{"4.tur", "Good"}}));
    }
}

TEST(LevelTitles, TheFirstLineForAFileCountsAndAnyFileNameMayBeTitled) {
    EXPECT_EQ(titlesOf("5.tur First\n5.tur Second\nmine.tur Mine\n5.TUR Upper"),
              (LevelTitles{{"5.tur", "First"}, {"mine.tur", "Mine"}, {"5.TUR", "Upper"}}));
}

TEST(LevelTitles, AMissingOrUnreadableFileGivesNoTitles) {
    testing::TempDir dir;
    EXPECT_TRUE(readLevelTitles().empty());
    std::filesystem::create_directory(kTitlesFile);
    EXPECT_TRUE(readLevelTitles().empty());
    std::filesystem::remove(kTitlesFile);
    dir.write(kTitlesFile, "1.tur One\n");
    EXPECT_EQ(readLevelTitles(), (LevelTitles{{"1.tur", "One"}}));
}

}  // namespace
}  // namespace boltik::board
