// turtool replay on recordings written by somebody else: a level named by anything but a bare
// file name is refused before any file is touched, the run stays in its own folder, and a
// recording that never finishes its level is given up.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "ToolRun.h"
#include "core/io/Files.h"
#include "core/recording/RecordingFile.h"
#include "support/Rig.h"

namespace boltik {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;
using testing::ToolRun;
using testing::turtool;

const testing::Level kLevel{{"####", "#PC#"}};

// A recording of kLevel under the given name, finished by one step right.
recording::Recording recordingOf(const std::string& levelText, const std::string& name = "1.tur") {
    recording::Recording r;
    r.level = name;
    r.name = name;
    r.checksum = io::checksumOf(levelText);
    r.cycles = 1;
    r.events = {{21, recording::Event::Kind::Press, board::Dir::Right}};
    return r;
}

std::vector<std::string> filesUnder(const fs::path& folder) {
    std::vector<std::string> found;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        found.push_back(entry.path().lexically_relative(folder).string());
    return found;
}

// Points the system's temporary folder at a folder of the test's own, so that the test can
// see everything a run leaves there.
class OwnTemporaryFolder {
public:
    explicit OwnTemporaryFolder(const fs::path& folder) : folder_(folder) {
        fs::create_directories(folder);
        const char* old = std::getenv("TMPDIR");
        if (old) previous_ = old;
        setenv("TMPDIR", folder.c_str(), 1);
    }
    ~OwnTemporaryFolder() {
        if (previous_) {
            setenv("TMPDIR", previous_->c_str(), 1);
        } else {
            unsetenv("TMPDIR");
        }
    }
    std::vector<std::string> contents() const { return filesUnder(folder_); }

private:
    fs::path folder_;
    std::optional<std::string> previous_;
};

TEST(TurtoolReplay, PlaysARecordingFromThePlayDirectoryOrBesideIt) {
    TempDir dir;
    OwnTemporaryFolder temp(dir.path() / "tmp");
    const std::string level = testing::levelFileText(kLevel);
    const std::string text = recording::recordingText(recordingOf(level));
    fs::create_directories("play/replays");
    fs::create_directories("mail/inbox");
    dir.write("play/1.tur", level);
    dir.write("play/replays/r.txt", text);
    dir.write("mail/inbox/1.tur", level);
    dir.write("mail/inbox/r.txt", text);
    for (const char* file : {"play/replays/r.txt", "mail/inbox/r.txt"}) {
        SCOPED_TRACE(file);
        const ToolRun r = turtool({"replay", file});
        EXPECT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(r.out.rfind("result: done\nlevel: 1.tur\ncycles: 1\n", 0), 0u) << r.out;
        EXPECT_EQ(temp.contents(), std::vector<std::string>{});  // the run's folder is gone
    }
    // A level of that name in the current folder is not the recording's.
    fs::remove("mail/inbox/1.tur");
    dir.write("1.tur", level);
    EXPECT_EQ(turtool({"replay", "mail/inbox/r.txt"}).code, 1);
}

TEST(TurtoolReplay, ALevelNamedByAnythingButABareFileNameIsRefusedUntouched) {
    TempDir dir;
    OwnTemporaryFolder temp(dir.path() / "tmp");
    const std::string level = testing::levelFileText(kLevel);
    fs::create_directories("play/replays");
    dir.write("play/1.tur", level);
    dir.write("tmp/x.tur", level);  // where "../x.tur" once led the run's copy
    dir.write("x.tur", level);
    dir.write("play/replays/r.txt", "");
    const std::vector<std::string> before = filesUnder(dir.path());
    const std::string bare = "line 2: the level is not named by a bare file name";
    const std::string control = "line 2 holds a control character";
    const std::pair<std::string, std::string> kNames[] = {
        {"../x.tur", bare},
        {(dir.path() / "x.tur").string(), bare},
        {"play/1.tur", bare},
        {"a\\b.tur", bare},
        {"..", bare},
        {"", bare},
        {std::string("1.tur\0x", 7), control},
        {"1\x7f.tur", control},
    };
    for (const auto& [name, error] : kNames) {
        SCOPED_TRACE(name);
        recording::Recording r = recordingOf(level, "1.tur");
        r.level = name;
        dir.write("play/replays/r.txt", recording::recordingText(r));
        const ToolRun run = turtool({"replay", "play/replays/r.txt"});
        EXPECT_EQ(run.code, 1);
        EXPECT_EQ(run.err, "turtool: play/replays/r.txt: " + error + "\n");
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(filesUnder(dir.path()), before);
    }
    // The name the game starts with is held to the same rule.
    recording::Recording r = recordingOf(level);
    r.name = "../x.tur";
    dir.write("play/replays/r.txt", recording::recordingText(r));
    const ToolRun run = turtool({"replay", "play/replays/r.txt"});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("line 4: the level started is not named by a bare file name"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(filesUnder(dir.path()), before);
}

TEST(TurtoolReplay, ARecordingThatDoesNotFinishIsGivenUpAThousandCyclesPastItsLength) {
    TempDir dir;
    const std::string level = testing::levelFileText(kLevel);
    dir.write("1.tur", level);
    recording::Recording r = recordingOf(level);
    r.events.clear();
    r.cycles = 7;
    dir.write("r.txt", recording::recordingText(r));
    const ToolRun run = turtool({"replay", "r.txt"});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.out.rfind("result: running\nlevel: 1.tur\ncycles: 1007\n", 0), 0u) << run.out;
    EXPECT_EQ(run.err,
              "turtool: r.txt: did not finish within 1007 cycles, 1000 past the recorded 7\n");
}

TEST(TurtoolReplay, RecordingsOutOfBoundsAreRefused) {
    TempDir dir;
    const std::string level = testing::levelFileText(kLevel);
    dir.write("1.tur", level);
    const std::string text = recording::recordingText(recordingOf(level));
    struct Case {
        const char* what;
        std::string text;
        std::string error;
    };
    const Case kCases[] = {
        {"an input past the recorded cycles", recording::recordingText([&] {
             recording::Recording r = recordingOf(level);
             r.events.push_back(
                 {recording::kMostCycles, recording::Event::Kind::Release, board::Dir::Right});
             return r;
         }()),
         "inputs at yield 10000000 lie past the replay's 1 cycles"},
        {"a line after the cycles line", text + "at 30 release right\n",
         "line 12 comes after the cycles line, which ends a replay"},
        {"more cycles than a game can record",
         text.substr(0, text.rfind("cycles")) + "cycles 10000001\n",
         "line 11 is not understood: cycles 10000001"},
        {"a file over a mebibyte", text + std::string(recording::kLargestRecording, '\n'),
         "larger than 1048576 bytes, too large for a recording"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        dir.write("r.txt", c.text);
        const ToolRun run = turtool({"replay", "r.txt"});
        EXPECT_EQ(run.code, 1);
        EXPECT_EQ(run.err, "turtool: r.txt: " + c.error + "\n");
    }
    // The recording itself plays.
    dir.write("r.txt", text);
    EXPECT_EQ(turtool({"replay", "r.txt"}).code, 0);
}

}  // namespace
}  // namespace boltik
