// Every text reader takes a line at its limit whole and refuses one a character longer, naming
// the line: none of them ever reads the first part of an overlong line in its place.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "core/board/LevelFile.h"
#include "core/io/Files.h"
#include "core/playdir/PlayDirectory.h"
#include "core/progress/Progress.h"
#include "core/recording/Recording.h"
#include "core/settings/Settings.h"
#include "support/Rig.h"
#include "tools/ToolRun.h"

namespace boltik {
namespace {

using testing::TempDir;

const testing::Level kLevel{{"#####", "#P*C#", "#####"}, {}, "1"};

// A text of `length` characters that ends in `tail`, blanks before it.
std::string padded(std::size_t length, const std::string& tail) {
    return std::string(length - tail.size(), ' ') + tail;
}

std::string withFirstLine(std::string text, const std::string& line) {
    return line + text.substr(text.find('\r'));
}

std::string levelOutcome(const std::string& text) {
    board::Board board;
    std::istringstream in(text);
    const board::LevelReadResult r = board::readLevel(in, board);
    return r.ok ? "read, bolts \"" + r.boltLine + "\""
                : "line " + std::to_string(r.failedLine) + ": " + r.reason;
}

std::string toolOutcome(const testing::ToolRun& run) {
    return run.code == 0 ? "read" : std::to_string(run.code) + ": " + run.err;
}

struct Reader {
    const char* name;
    std::size_t limit;
    // Reads a file whose telling line has the given length, and says how that went.
    std::function<std::string(std::size_t length)> read;
    std::string atLimit;
    std::string overLimit;
};

TEST(LineLimits, EveryReaderTakesItsLongestLineWholeAndRefusesALongerOne) {
    TempDir dir;
    const std::string level = testing::levelFileText(kLevel);
    dir.write("1.tur", level);
    recording::Recording recording;
    recording.level = "1.tur";
    recording.name = "1.tur";
    recording.checksum = "0123";
    recording.cycles = 10;
    recording.events = {{5, recording::Event::Kind::Press, board::Dir::Up}};
    const std::string recorded = recording::recordingText(recording);

    const Reader kReaders[] = {
        {"a level's number line", 256,
         [&](std::size_t n) { return levelOutcome(withFirstLine(level, padded(n, "0"))); },
         "read, bolts \"1\"", "line 1: the line is longer than 256 characters"},
        {"a level's bolt count", 256,
         [&](std::size_t n) {
             const std::size_t last = level.rfind("\r\n", level.size() - 3) + 2;
             return levelOutcome(level.substr(0, last) + padded(n, "1") + "\r\n");
         },
         "read, bolts \"" + padded(256, "1") + "\"",
         "line 913: the line is longer than 256 characters"},
        {"the counter file", 256,
         [&](std::size_t n) {
             dir.write("kilometrach.txt", padded(n, "42") + "\r\n");
             return std::to_string(board::readCounterFile());
         },
         "42", "0"},
        {"settings.ini", 32768,
         [&](std::size_t n) {
             settings::Settings s = settings::defaultSettings();
             s.caption = std::string(n, 'x');
             const settings::SettingsRead r = settings::parseSettings(settings::settingsText(s));
             return r.ok ? "read, caption of " + std::to_string(r.settings.caption.size())
                         : r.error;
         },
         "read, caption of 32768", "line 12 is longer than 32768 characters"},
        {"a run script", 1000,
         [&](std::size_t n) {
             dir.write("s.txt", "# moves\n1 press right" + std::string(n - 13, ' ') + "\n");
             return toolOutcome(testing::turtool({"run", "1.tur", "--script", "s.txt"}));
         },
         "read", "1: turtool: s.txt: script line 2 is longer than 1000 characters\n"},
        {"a comment in a run script", 65536,
         [&](std::size_t n) {
             dir.write("s.txt", "#" + std::string(n - 1, '-') + "\n1 press right\n");
             return toolOutcome(testing::turtool({"run", "1.tur", "--script", "s.txt"}));
         },
         "read", "1: turtool: s.txt: script line 1 is longer than 65536 characters\n"},
        {"an edit script", 1000,
         [&](std::size_t n) {
             dir.write("e.txt", "tool 1" + std::string(n - 6, ' ') + "\n");
             return toolOutcome(testing::turtool({"edit", "--script", "e.txt"}));
         },
         "read", "1: turtool: e.txt: line 1: longer than 1000 characters\n"},
        {"a recording", 4096,
         [&](std::size_t n) {
             std::string text = recorded;
             const std::size_t at = text.find("at 5 press up");
             // Cut after 4096 characters, this line would still read as "at 5 press up".
             text.insert(at + 13, std::string(n - 17, ' ') + "tail");
             std::string error;
             return recording::parseRecording(text, error) ? "read" : error;
         },
         "line 10 is not understood: at 5 press up" + std::string(4079, ' ') + "tail",
         "line 10 is longer than 4096 characters"},
        {"the progress marks", 4096,
         [&](std::size_t n) {
             dir.write("progress", "10 2 " + std::string(n - 5, 'a') + "\n3 0 1.tur\n");
             const progress::Progress p = progress::Progress::load("progress");
             std::string outcome = std::to_string(p.levels().size()) + " levels";
             for (const std::string& problem : p.problems())
                 outcome += "; " + problem;
             return outcome;
         },
         "2 levels", "1 levels; progress: line 1 is longer than 4096 characters"},
        {"the record of seeded files", 4096,
         [&](std::size_t n) {
             std::filesystem::create_directories("defaults");
             std::filesystem::create_directories("play");
             dir.write("play/.boltik-seeded", std::string(n - 6, 'f') + " a.tur\n");
             const playdir::SeedReport r = playdir::seed("defaults", "play");
             return r.problems.empty() ? "read" : r.problems.front();
         },
         "read", "play/.boltik-seeded: line 1 is longer than 4096 characters"},
    };
    for (const Reader& r : kReaders) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(r.read(r.limit), r.atLimit);
        EXPECT_EQ(r.read(r.limit + 1), r.overLimit);
    }
}

TEST(LineLimits, TheLineReaderKeepsALineEndOutOfTheCount) {
    struct Case {
        const char* text;
        io::LineRead read;
        const char* line;
    };
    const Case kCases[] = {
        {"abcd\r\nx", io::LineRead::Whole, "abcd"},  // the CR is the line's end
        {"abcd\n", io::LineRead::Whole, "abcd"},
        {"abcd", io::LineRead::Whole, "abcd"},
        {"abcde\r\nx", io::LineRead::TooLong, ""},
        {"abcd\rx\nx", io::LineRead::TooLong, ""},  // a CR inside the line counts
        {"", io::LineRead::End, ""},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.text);
        std::istringstream in(c.text);
        std::string line = "left over";
        EXPECT_EQ(io::readLine(in, line, 4), c.read);
        EXPECT_EQ(line, c.line);
    }
    // After a too-long line, reading goes on at the next one.
    std::istringstream in("toolong\nok\n");
    std::string line;
    EXPECT_EQ(io::readLine(in, line, 4), io::LineRead::TooLong);
    EXPECT_EQ(io::readLine(in, line, 4), io::LineRead::Whole);
    EXPECT_EQ(line, "ok");
}

}  // namespace
}  // namespace boltik
