// The play directory: where it is, and seeding it from the default content once per file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/playdir/PlayDirectory.h"
#include "support/Rig.h"

namespace boltik::playdir {
namespace {

namespace fs = std::filesystem;

TEST(PlayDirectoryPlace, OverrideThenXdgDataHomeThenHome) {
    EXPECT_EQ(playDirectory("/p", "/x", "/h"), fs::path("/p"));
    EXPECT_EQ(playDirectory("", "/x", "/h"), fs::path("/x/boltik"));
    EXPECT_EQ(playDirectory(nullptr, "relative", "/h"), fs::path("/h/.local/share/boltik"));
    EXPECT_EQ(playDirectory(nullptr, nullptr, "/h"), fs::path("/h/.local/share/boltik"));
    EXPECT_FALSE(playDirectory(nullptr, nullptr, nullptr));
}

struct Seeding {
    testing::TempDir dir;
    fs::path defaults = dir.path() / "defaults";
    fs::path play = dir.path() / "home" / "play";

    Seeding() { fs::create_directories(defaults); }
    void setDefault(const std::string& name, const std::string& bytes) {
        dir.write("defaults/" + name, bytes);
    }
    std::string played(const std::string& name) const { return dir.read("home/play/" + name); }
    void userWrites(const std::string& name, const std::string& bytes) {
        dir.write("home/play/" + name, bytes);
    }
};

TEST(Seeding, AFirstRunCreatesTheDirectoryAndCopiesEverything) {
    Seeding s;
    s.setDefault("1.tur", "level one");
    s.setDefault("settings.ini", "menu");
    const SeedReport r = seed(s.defaults, s.play);
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.added.size(), 2u);
    EXPECT_EQ(s.played("1.tur"), "level one");
    EXPECT_EQ(s.played("settings.ini"), "menu");
    EXPECT_TRUE(seed(s.defaults, s.play).added.empty());  // a second run adds nothing
}

TEST(Seeding, ChangedAndDeletedFilesStayAsTheUserLeftThem) {
    Seeding s;
    s.setDefault("1.tur", "v1");
    s.setDefault("settings.ini", "menu");
    seed(s.defaults, s.play);
    s.userWrites("1.tur", "mine");
    fs::remove(s.play / "settings.ini");
    s.setDefault("1.tur", "v2");
    s.setDefault("settings.ini", "menu 2");
    const SeedReport r = seed(s.defaults, s.play);
    EXPECT_TRUE(r.added.empty());
    EXPECT_TRUE(r.updated.empty());
    EXPECT_EQ(s.played("1.tur"), "mine");
    EXPECT_FALSE(fs::exists(s.play / "settings.ini"));  // deleted stays deleted
}

TEST(Seeding, NewDefaultsAreAddedAndUntouchedOnesFollowTheirDefault) {
    Seeding s;
    s.setDefault("1.tur", "v1");
    seed(s.defaults, s.play);
    s.setDefault("1.tur", "v2");  // a later version
    s.setDefault("2.tur", "new level");
    const SeedReport r = seed(s.defaults, s.play);
    EXPECT_EQ(r.added, std::vector<std::string>{"2.tur"});
    EXPECT_EQ(r.updated, std::vector<std::string>{"1.tur"});
    EXPECT_EQ(s.played("1.tur"), "v2");
    EXPECT_EQ(s.played("2.tur"), "new level");
}

TEST(Seeding, AnUntouchedFileFollowsEveryLaterVersionOfItsDefault) {
    Seeding s;
    for (const char* version : {"v1", "v2", "v3"}) {
        SCOPED_TRACE(version);
        s.setDefault("1.tur", version);
        seed(s.defaults, s.play);
        EXPECT_EQ(s.played("1.tur"), version);
    }
    // Changed by the user after the third, it stays the user's through the fourth.
    s.userWrites("1.tur", "mine");
    s.setDefault("1.tur", "v4");
    EXPECT_TRUE(seed(s.defaults, s.play).updated.empty());
    EXPECT_EQ(s.played("1.tur"), "mine");
}

TEST(Seeding, AChangedFileWhoseDefaultChangedIsKeptAndNamedOnce) {
    // A renumbered campaign: the user changed 7.tur, and the new 7.tur is another level.
    Seeding s;
    s.setDefault("7.tur", "bats");
    s.setDefault("8.tur", "bombs");
    seed(s.defaults, s.play);
    s.userWrites("7.tur", "my bats");
    s.userWrites("8.tur", "my bombs");
    s.setDefault("7.tur", "shooting");
    const SeedReport first = seed(s.defaults, s.play);
    EXPECT_EQ(first.kept, std::vector<std::string>{"7.tur"});  // 8.tur's default stayed
    EXPECT_TRUE(first.updated.empty());
    EXPECT_EQ(s.played("7.tur"), "my bats");
    EXPECT_TRUE(seed(s.defaults, s.play).kept.empty());
    // The user's for good: a later default passes it by silently, even once it matches.
    s.userWrites("7.tur", "shooting");
    s.setDefault("7.tur", "shooting 2");
    const SeedReport later = seed(s.defaults, s.play);
    EXPECT_TRUE(later.kept.empty());
    EXPECT_TRUE(later.updated.empty());
    EXPECT_EQ(s.played("7.tur"), "shooting");
}

TEST(Seeding, ALevelThatOnlyChangedItsNumberIsNamedWithItsNewName) {
    // The campaign reordered: bats and bombs swap places, the chain is redrawn and its old
    // version moves on to a new number; the user's own 11.tur is not a place a level moves to.
    Seeding s;
    s.setDefault("7.tur", "bats");
    s.setDefault("8.tur", "bombs");
    s.setDefault("9.tur", "chain");
    s.setDefault("11.tur", "guns");
    seed(s.defaults, s.play);
    s.userWrites("11.tur", "mine");
    s.setDefault("7.tur", "bombs");
    s.setDefault("8.tur", "bats");
    s.setDefault("9.tur", "chain, redrawn");
    s.setDefault("10.tur", "chain");
    s.setDefault("11.tur", "bats");
    const SeedReport r = seed(s.defaults, s.play);
    using Moves = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(r.moved, (Moves{{"7.tur", "8.tur"}, {"8.tur", "7.tur"}, {"9.tur", "10.tur"}}));
    EXPECT_EQ(r.kept, std::vector<std::string>{"11.tur"});
    EXPECT_TRUE(seed(s.defaults, s.play).moved.empty());
}

TEST(Seeding, AFileTheUserMadeFirstIsNeverOverwritten) {
    Seeding s;
    fs::create_directories(s.play);
    s.userWrites("5.tur", "my own five");
    s.setDefault("5.tur", "default five");
    seed(s.defaults, s.play);
    s.setDefault("5.tur", "default five, later");
    seed(s.defaults, s.play);
    EXPECT_EQ(s.played("5.tur"), "my own five");
}

TEST(Seeding, APlaceThatCannotBeADirectoryIsAnError) {
    Seeding s;
    s.dir.write("home", "a file where the directory should be");
    const SeedReport r = seed(s.defaults, s.play);
    EXPECT_FALSE(r.ok());
    EXPECT_FALSE(r.error.empty());
}

TEST(Seeding, ADirectoryThatCannotBeWrittenIsReportedFileByFile) {
    Seeding s;
    s.setDefault("1.tur", "level");
    // /proc/self is a directory nobody can write, root included.
    const SeedReport r = seed(s.defaults, "/proc/self");
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.failed, std::vector<std::string>{"1.tur"});
}

}  // namespace
}  // namespace boltik::playdir
