// Fuzzes the headless game: a key script and a level, played through the real main loop for a
// few hundred cycles, as turtool run plays them. The input is the script (turtool's script
// format), a line "---", then the level file. Whatever they hold, the game ends only as a
// game may (the level done, the wreck countdown run out, the cycle limit, or a quit), and
// nothing else escapes the main loop.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "Fuzzing.h"
#include "core/board/LevelFile.h"
#include "core/game/Blasts.h"
#include "core/headless/HeadlessGame.h"
#include "core/loop/MainLoop.h"

namespace {

using namespace boltik::board;
using boltik::fuzz::require;
using boltik::game::QuestionId;

// Cycles a whole input may play, over every call of the main loop.
constexpr long kCycleBudget = 300;
// Calls of the main loop: a wrecked level is replayed, as the game window does.
constexpr int kMaxCalls = 4;

struct Input {
    std::string_view script;
    std::string_view level;
};

// Splits the input at its first line "---"; without one, it is all level and no script.
Input split(std::string_view bytes) {
    std::size_t start = 0;
    while (start <= bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line == "---") {
            return {bytes.substr(0, start), bytes.substr(std::min(end + 1, bytes.size()))};
        }
        start = end + 1;
    }
    return {{}, bytes};
}

// Plays the level as the game window's Starter does, with the script's keys, until the budget
// of cycles is spent or the game ends.
void play(const std::vector<boltik::headless::ScriptEvent>& events) {
    boltik::headless::HeadlessGame game(1);
    boltik::headless::prepareAgain(game.world, "1.tur");
    boltik::headless::ScriptHost& host = game.host;
    boltik::game::Context& ctx = game.ctx;
    // Escape's questions without a scripted answer are answered "Нет", and so is a level
    // that cannot be loaded: nothing waits for an answer that never comes.
    host.answerAlways(QuestionId::LeaveGame, 2);
    host.answerAlways(QuestionId::RestartLevel, 2);
    host.answerAlways(QuestionId::MissingLevel, 2);
    boltik::headless::schedule(host, ctx, events);
    long played = 0;
    try {
        for (int call = 0; call < kMaxCalls && played < kCycleBudget; ++call) {
            ctx.cycleLimit = kCycleBudget - played;
            boltik::loop::Starter(ctx);
            require(ctx.cycles >= 0 && ctx.cycles <= ctx.cycleLimit,
                    "a call of the main loop stops at its cycle limit");
            played += ctx.cycles;
        }
    } catch (const boltik::game::GameQuit&) {
    } catch (const boltik::headless::ScriptStop&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Input input = split(std::string_view(reinterpret_cast<const char*>(data), size));
    std::istringstream scriptText{std::string(input.script)};
    std::string error;
    const auto events = boltik::headless::parseScript(scriptText, error);
    if (!events) return -1;  // turtool refuses such a script before any play

    // The game opens its level and counter file by relative names: play in the scratch folder.
    const auto& scratch = boltik::fuzz::Scratch::get();
    std::filesystem::current_path(scratch.path());
    std::error_code ignored;
    std::filesystem::remove(scratch.path() / kCounterFileName, ignored);
    scratch.write("1.tur", input.level);
    play(*events);
    return 0;
}
