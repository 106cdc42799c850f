// turtool replay: plays a game the program recorded and prints the dump it ended with.
#include <filesystem>
#include <random>

#include "Subcommands.h"
#include "core/headless/HeadlessGame.h"
#include "core/recording/RecordingFile.h"

namespace turtool {

namespace {

namespace fs = std::filesystem;
using namespace boltik;

// A folder of its own for the run: the game reads its level by the name it was played under
// and writes its counter file where it plays, and neither must touch the player's files. The
// level is copied in by its bare name; nothing here throws, and the folder goes with the run.
class Sandbox {
public:
    bool open(const fs::path& level, const std::string& name, std::string& error) {
        std::error_code failed;
        const fs::path temp = fs::temp_directory_path(failed);
        if (failed) return fail("no folder for temporary files", error);
        std::random_device random;
        for (int attempt = 0; attempt < 100 && dir_.empty(); ++attempt) {
            const fs::path dir = temp / ("boltik-replay-" + std::to_string(random()));
            if (fs::create_directory(dir, failed)) dir_ = dir;
        }
        if (dir_.empty()) return fail("cannot make a folder for the run", error);
        if (!fs::copy_file(level, dir_ / name, failed)) return fail("cannot copy the level", error);
        previous_ = fs::current_path(failed);
        if (!failed) fs::current_path(dir_, failed);
        if (failed) return fail("cannot enter the folder of the run", error);
        return true;
    }
    ~Sandbox() {
        std::error_code ignored;
        if (!previous_.empty()) fs::current_path(previous_, ignored);
        if (!dir_.empty()) fs::remove_all(dir_, ignored);
    }

private:
    static bool fail(const char* what, std::string& error) {
        error = what;
        return false;
    }

    fs::path dir_;
    fs::path previous_;
};

}  // namespace

int replayGame(const std::string& file, std::ostream& out, std::ostream& err) {
    recording::Refusal refusal;
    const auto recorded = recording::readRecording(file, refusal);
    if (!recorded) {
        err << "turtool: " << file << ": " << refusal.text << '\n';
        return 1;
    }
    const recording::Recording& r = *recorded;
    const auto level = recording::findRecordedLevel(r, file);
    if (!level) {
        err << "turtool: " << file << ": the level " << r.level
            << " is not the one this game was played on: it is missing or has changed\n";
        return 1;
    }
    Sandbox sandbox;
    std::string error;
    if (!sandbox.open(*level, r.level, error)) {
        err << "turtool: " << file << ": " << error << '\n';
        return 1;
    }
    const long limit = recording::playbackLimit(r);
    headless::HeadlessGame game(r.seed);
    headless::Playback played;
    try {
        played = headless::playRecording(game, r, limit);
    } catch (const headless::ScriptStop& stop) {
        err << "turtool: " << file << ": the game asked what was not recorded: " << stop.what()
            << '\n';
        return 1;
    }
    printDump(out, played.end ? resultName(*played.end, played.cycles) : "quit", game.ctx);
    if (played.stopped()) {
        err << "turtool: " << file << ": did not finish within " << limit << " cycles, "
            << limit - r.cycles << " past the recorded " << r.cycles << '\n';
        return 1;
    }
    return 0;
}

}  // namespace turtool
