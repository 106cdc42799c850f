// turtool replay: plays a game the program recorded and prints the dump it ended with.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "ScriptHost.h"
#include "Subcommands.h"
#include "core/replay/Replay.h"

namespace turtool {

namespace {

namespace fs = std::filesystem;
using namespace boltik;

// Where the recorded level is: as named (relative to here), else in the play directory that
// holds the replay's folder.
fs::path findLevel(const replay::Replay& r, const fs::path& replayFile) {
    const fs::path named(r.level);
    std::error_code error;
    if (named.is_absolute() || fs::exists(named, error)) return named;
    return replayFile.parent_path().parent_path() / named;
}

// A folder of its own for the run: the game reads its level by the name it was played under
// and writes its counter file where it plays, and neither must touch the player's files.
class Sandbox {
public:
    explicit Sandbox(const fs::path& level, const std::string& name) {
        dir_ =
            fs::temp_directory_path() / ("boltik-replay-" + std::to_string(std::random_device{}()));
        fs::create_directories(dir_);
        if (!fs::path(name).is_absolute()) {
            fs::create_directories((dir_ / name).parent_path());
            fs::copy_file(level, dir_ / name);
        }
        previous_ = fs::current_path();
        fs::current_path(dir_);
    }
    ~Sandbox() {
        std::error_code ignored;
        fs::current_path(previous_, ignored);
        fs::remove_all(dir_, ignored);
    }

private:
    fs::path dir_;
    fs::path previous_;
};

}  // namespace

int replayGame(const std::string& file, std::ostream& out, std::ostream& err) {
    std::ifstream in;
    std::string error;
    if (!board::openRegularFile(file, in, error)) {
        err << "turtool: " << file << ": " << error << '\n';
        return 1;
    }
    const auto recorded =
        replay::parseReplay(std::string(std::istreambuf_iterator<char>(in), {}), error);
    if (!recorded) {
        err << "turtool: " << file << ": " << error << '\n';
        return 1;
    }
    const replay::Replay& r = *recorded;
    const fs::path level = findLevel(r, file);
    if (replay::checksumOfFile(level.string()) != r.checksum) {
        err << "turtool: " << file << ": the level " << level.string()
            << " is not the one this game was played on: it is missing or has changed\n";
        return 1;
    }
    Sandbox sandbox(level, r.level);
    board::World world;
    r.restore(world);
    sprites::SpriteStore sprites;
    sprites::NullCanvas canvas;
    sound::SilentSounds sounds;
    ScriptHost host(r.seed);
    game::Context ctx(world, sprites, canvas, sounds, host);
    host.attach(ctx);
    for (const auto& [id, answer] : r.answers)
        host.answer(id, answer);
    if (r.start == board::StartMode::Choose) host.choices.push_back(r.name);
    for (const replay::Event& e : r.events)
        host.atYield(e.point, [e, &ctx] { replay::apply(e, ctx); });
    const char* result = "quit";
    try {
        result = resultName(loop::Game(ctx), ctx.cycles);
    } catch (const game::GameQuit&) {
    } catch (const ScriptStop& stop) {
        err << "turtool: " << file << ": the game asked what was not recorded: " << stop.what()
            << '\n';
        return 1;
    }
    printDump(out, result, ctx);
    return 0;
}

}  // namespace turtool
