// The game in a web page: the rules core with its board drawn on the page's canvas, its sounds
// played through Web Audio and its questions asked in HTML (web/boltik.js does the page's part).
// The main loop runs as on the desktop; its waits return to the browser through Asyncify.
#include <emscripten.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "core/board/LevelFile.h"
#include "core/board/LevelTitles.h"
#include "core/game/Context.h"
#include "core/headless/HeadlessGame.h"
#include "core/headless/Script.h"
#include "core/io/Text.h"
#include "core/loop/MainLoop.h"
#include "core/progress/Progress.h"
#include "core/session/Sessions.h"
#include "core/web/BrowserHost.h"

// The page's half of each seam, in web/boltik.js (the object boltikPage).
// clang-format off
EM_JS(void, js_paint, (int set, int index, int x, int y), { boltikPage.paint(set, index, x, y); });
EM_JS(void, js_clear, (), { boltikPage.clear(); });
EM_JS(void, js_keep_copy, (), { boltikPage.keepCopy(); });
EM_JS(void, js_restore_copy, (), { boltikPage.restoreCopy(); });
EM_JS(void, js_sound_stop, (int effect), { boltikPage.soundStop(effect); });
EM_JS(void, js_sound_play, (int effect), { boltikPage.soundPlay(effect); });
EM_JS(int, js_sound_playing, (int effect), { return boltikPage.soundPlaying(effect) ? 1 : 0; });
EM_JS(double, js_now, (), { return performance.now(); });
EM_JS(int, js_next_input, (), { return boltikPage.nextInput(); });
EM_JS(int, js_paused, (), { return boltikPage.paused ? 1 : 0; });
EM_JS(int, js_leaving, (), { return boltikPage.leaving() ? 1 : 0; });
EM_JS(void, js_show_counters, (const char* lives, const char* bolts, const char* keys,
                               const char* ammo, const char* level, int x, int y, double cycles), {
    boltikPage.showCounters(UTF8ToString(lives), UTF8ToString(bolts), UTF8ToString(keys),
                            UTF8ToString(ammo), UTF8ToString(level), x, y, cycles);
});
EM_JS(void, js_rewinding, (double cycles), { boltikPage.rewinding(cycles); });
EM_JS(void, js_show_question, (const char* text, const char* one, const char* two, int safe), {
    boltikPage.showQuestion(UTF8ToString(text), UTF8ToString(one), UTF8ToString(two), safe);
});
EM_JS(int, js_answer, (), { return boltikPage.answer; });
EM_JS(void, js_show_chooser, (const char* levels), { boltikPage.showChooser(UTF8ToString(levels)); });
EM_JS(int, js_choice, (char* buffer, int size), { return boltikPage.take('choice', buffer, size); });
EM_JS(int, js_pending_level, (char* buffer, int size), { return boltikPage.take('level', buffer, size); });
EM_JS(int, js_pending_script_size, (), { return boltikPage.pendingSize('script'); });
EM_JS(int, js_pending_script, (char* buffer, int size), { return boltikPage.take('script', buffer, size); });
EM_JS(void, js_script_done, (const char* result), { boltikPage.scriptDone(UTF8ToString(result)); });
EM_JS(void, js_level_ended, (int finished), { boltikPage.levelEnded(finished); });
EM_JS(void, js_restore_files, (), { boltikPage.restoreFiles(); });
// clang-format on

namespace boltik::web {
namespace {

constexpr int kIdleMillis = 50;

// A string the page holds for the program, read into a buffer of its size; nothing when none
// is waiting.
template <typename Take>
std::optional<std::string> takeText(Take take, int size = 4096) {
    std::vector<char> buffer(static_cast<size_t>(size) + 1);
    const int length = take(buffer.data(), size + 1);
    if (length < 0) return std::nullopt;
    return std::string(buffer.data(), static_cast<size_t>(std::min(length, size)));
}

class PageCanvas : public sprites::Canvas {
public:
    void paint(sprites::Picture picture, int x, int y) override {
        js_paint(static_cast<int>(picture.set), picture.index, x, y);
    }
    void clear() override { js_clear(); }
    void keepCopy() override { js_keep_copy(); }
    void restoreCopy() override { js_restore_copy(); }
};

// One Web Audio voice per effect; the page starts each from its beginning.
class PageSounds : public sound::Sounds {
public:
    void stop(sound::Effect effect) override { js_sound_stop(static_cast<int>(effect)); }
    void rewind(sound::Effect) override {}
    void playPanned(sound::Effect effect, int) override { js_sound_play(static_cast<int>(effect)); }
    bool isPlaying(sound::Effect effect) override {
        return js_sound_playing(static_cast<int>(effect)) != 0;
    }
};

// The level files of the play folder for the chooser, one a line: the file, its title and the
// fewest cycles it was finished in (empty when never), separated by tabs; in the order of their
// numbers, then of their names.
std::string levelList() {
    std::vector<std::string> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(".", error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() > 4 && name.ends_with(".tur")) files.push_back(name);
    }
    std::sort(files.begin(), files.end(), [](const std::string& a, const std::string& b) {
        const long na = io::leadingNumber(a), nb = io::leadingNumber(b);
        return na != nb ? na < nb : a < b;
    });
    const board::LevelTitles titles = board::readLevelTitles();
    const progress::Progress progress = progress::Progress::load();
    std::string list;
    for (const std::string& file : files) {
        const auto title = titles.find(file);
        const auto best = progress.best(file);
        list += file + '\t' + (title != titles.end() ? title->second : "") + '\t' +
                (best ? std::to_string(best->cycles) : "") + '\n';
    }
    return list;
}

class BrowserPage : public Page {
public:
    void sleep(int ms) override { emscripten_sleep(static_cast<unsigned>(std::max(ms, 0))); }
    double now() override { return js_now(); }
    std::vector<PageInput> takeInputs() override {
        std::vector<PageInput> inputs;
        for (int code; (code = js_next_input()) >= 0;) {
            if (code == kRewindCode) {
                inputs.push_back({.rewind = true});
                continue;
            }
            inputs.push_back(
                {static_cast<recording::Event::Kind>(code / 4), static_cast<board::Dir>(code % 4)});
        }
        return inputs;
    }
    bool paused() override { return js_paused() != 0; }
    bool leaving() override { return js_leaving() != 0; }
    void showCounters(const game::Context& ctx) override {
        const board::World& w = ctx.world;
        js_show_counters(w.kolLives.caption().c_str(), w.kolBolt.caption().c_str(),
                         w.kolKeys.caption().c_str(), w.kolWeapon.caption().c_str(),
                         w.levelName.c_str(), w.playerX, w.playerY,
                         static_cast<double>(ctx.cycles));
    }
    void showQuestion(const game::Question& q) override {
        js_show_question(q.text.c_str(), q.button1.c_str(), q.button2.c_str(), q.safeAnswer);
    }
    int answer() override { return js_answer(); }
    void showChooser() override { js_show_chooser(levelList().c_str()); }
    std::optional<std::string> choice() override { return takeText(js_choice); }
    void levelEnded(bool finished) override { js_level_ended(finished ? 1 : 0); }
    void rewinding(long cycles) override { js_rewinding(static_cast<double>(cycles)); }

private:
    // Backspace, as boltik.js hands it over; the other codes are an input's kind * 4 + its
    // direction.
    static constexpr int kRewindCode = 20;
};

// Plays a level from its start by a script of turtool run, shown on the page; the result in
// turtool's words: done, wrecked, running, loaded, quit, or what stopped it.
std::string playScript(Page& page, sprites::Canvas& canvas, sound::Sounds& sounds,
                       const std::string& request) {
    // The request: the level file, the seed and the cycle limit on the first line, the
    // script after it.
    std::istringstream in(request);
    std::string level;
    uint32_t seed = 0;
    long cycles = -1;
    in >> level >> seed >> cycles;
    if (!in) return "stopped: the request is not understood";
    std::string error;
    const auto events = headless::parseScript(in, error);
    if (!events) return "stopped: " + error;

    board::World world;
    sprites::SpriteStore store;
    PageScriptHost host(page, seed);
    game::Context ctx(world, store, canvas, sounds, host);
    host.attach(ctx);
    headless::prepareAgain(world, level);
    ctx.cycleLimit = cycles;
    ctx.writesCounterFile = false;
    host.answerAlways(game::QuestionId::LeaveGame, 2);
    host.answerAlways(game::QuestionId::RestartLevel, 2);
    host.answerAlways(game::QuestionId::MissingLevel, 2);
    host.limitMissingLevels(1);
    headless::schedule(host, ctx, *events);
    // The counters as the run left them stay on the page.
    struct ShowAtEnd {
        Page& page;
        const game::Context& ctx;
        ~ShowAtEnd() { page.showCounters(ctx); }
    } showAtEnd{page, ctx};
    try {
        switch (loop::Game(ctx)) {
            case loop::GameEnd::LevelDone:
                return "done";
            case loop::GameEnd::Wrecked:
                return "wrecked";
            case loop::GameEnd::Stopped:
                return ctx.cycles == 0 ? "loaded" : "running";
        }
    } catch (const game::GameQuit&) {
        return "quit";
    } catch (const headless::ScriptStop& stop) {
        return std::string("stopped: ") + stop.what();
    }
    return "quit";
}

// The page's program: the player's game, level after level, until the page asks for another
// level or a script; then that, and the game again.
void run() {
    // The levels were preloaded into /play; the player's own files come back from the page.
    std::error_code error;
    std::filesystem::current_path("/play", error);
    js_restore_files();
    BrowserPage page;
    PageCanvas canvas;
    PageSounds sounds;
    board::World world;
    world.bigCycles = board::readCounterFile();
    sprites::SpriteStore store;
    BrowserHost host(page, std::make_unique<session::Live>(),
                     static_cast<uint32_t>(emscripten_get_now() * 1000));
    game::Context ctx(world, store, canvas, sounds, host);
    host.attach(ctx);
    host.session().prepare(ctx);
    for (;;) {
        if (const int size = js_pending_script_size(); size >= 0) {
            const auto request = takeText(js_pending_script, size);
            js_script_done(playScript(page, canvas, sounds, request.value_or("")).c_str());
            // The board stays as the script left it until the player presses a key or the
            // page opens something else.
            while (!page.leaving() && page.takeInputs().empty())
                page.sleep(kIdleMillis);
            world.startMode = board::StartMode::Choose;
            continue;
        }
        // A level opened on the page, or none ("") to choose one in the chooser.
        if (const auto level = takeText(js_pending_level)) {
            world.levelName = *level;
            world.startMode = level->empty() ? board::StartMode::Choose : board::StartMode::Again;
        }
        try {
            loop::Starter(ctx);
        } catch (const game::GameQuit&) {
            // Escape answered "Да", or a missing level "Нет": back to the chooser.
            world.startMode = board::StartMode::Choose;
        } catch (const LeaveLevel&) {
            // Taken back to its start, the level loads again as it began; else the page asked
            // for something else, taken at the top of the loop.
            host.restartIfAsked();
        }
    }
}

}  // namespace
}  // namespace boltik::web

// A measurement of the rules alone, for the page's boltikBench: the level played from its start
// for that many cycles in the headless game of turtool and the benchmarks, with nothing drawn,
// heard or paced and the browser kept waiting; the cycles played, or -1 when the run stopped
// on a question or could not go on. The game of the page, asleep meanwhile, is left as it is.
extern "C" EMSCRIPTEN_KEEPALIVE long boltik_bench(const char* level, long cycles) {
    using namespace boltik;
    headless::HeadlessGame game(1);
    game.ctx.writesCounterFile = false;
    headless::prepareAgain(game.world, level);
    game.ctx.cycleLimit = cycles;
    game.host.answerAlways(game::QuestionId::MissingLevel, 2);
    try {
        loop::Game(game.ctx);
    } catch (const game::GameQuit&) {
        return -1;
    } catch (const headless::ScriptStop&) {
        return -1;
    }
    return game.ctx.cycles;
}

int main() {
    boltik::web::run();
    return 0;
}
