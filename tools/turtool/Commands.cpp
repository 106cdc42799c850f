// turtool show, check and run.
#include "Commands.h"

#include <fstream>
#include <limits>
#include <optional>
#include <sstream>

#include "Subcommands.h"
#include "Usage.h"
#include "core/board/LevelFile.h"
#include "core/headless/HeadlessGame.h"
#include "core/io/Text.h"
#include "core/loop/MainLoop.h"

namespace turtool {

using namespace boltik::board;
using namespace boltik::sprites;
using boltik::headless::ScriptEvent;
using boltik::headless::TraceSounds;
using boltik::loop::GameEnd;

namespace {

using boltik::game::QuestionId;

constexpr int kMissingLevelLimit = 100;

int show(const std::string& file, std::ostream& out, std::ostream& err) {
    Board board;
    const auto result = openLevel(file, board, err);
    if (!result) return 1;
    for (int l = layer::kShotDir; l <= layer::kParamB; ++l)
        printLayer(out, board, l);
    out << "bolts: " << result->boltLine << '\n';
    return 0;
}

std::string cell(int x, int y) {
    return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

std::vector<std::string> problems(const Board& b, const LevelReadResult& level) {
    std::vector<std::string> found;
    std::vector<std::string> players;
    int bolts = 0;
    for (int x = 0; x <= kLastCol; ++x) {
        for (int y = 0; y <= kLastRow; ++y) {
            const int c = b.code(x, y);
            const bool border = onRing(x, y);
            if (c == code::kPlayer) players.push_back(cell(x, y));
            if (c == code::kBolt) ++bolts;
            if (border && c != code::kWall) {
                found.push_back("border cell " + cell(x, y) + " holds " + std::to_string(c) +
                                ", not a wall");
            }
            const int a = b.at(x, y, layer::kParamA);
            if ((c == code::kCrawler || c == code::kBat) && (a < 0 || a > 3)) {
                found.push_back((c == code::kCrawler ? "crawler at " : "bat at ") + cell(x, y) +
                                " has heading " + std::to_string(a) + ", outside 0..3");
            }
            if (c == code::kTeleporter) {
                const int px = a;
                const int py = b.at(x, y, layer::kParamB);
                const bool pairs = Board::inside(px, py) && b.code(px, py) == code::kTeleporter &&
                                   b.at(px, py, layer::kParamA) == x &&
                                   b.at(px, py, layer::kParamB) == y;
                if (!pairs) {
                    found.push_back("teleporter at " + cell(x, y) + " names partner " +
                                    cell(px, py) + ", which is not a teleporter pointing back");
                }
            }
        }
    }
    if (players.empty()) found.push_back("no player: the game puts one at (1, 1)");
    if (players.size() > 1) {
        std::string list;
        for (const auto& p : players)
            list += (list.empty() ? "" : ", ") + p;
        found.push_back(std::to_string(players.size()) + " players at " + list +
                        ": the game starts at the last one");
    }
    if (boltik::io::leadingNumber(level.boltLine) != bolts ||
        level.boltLine != std::to_string(bolts)) {
        found.push_back("bolt count \"" + level.boltLine + "\" but " + std::to_string(bolts) +
                        " bolt cells");
    }
    return found;
}

int check(const std::string& file, std::ostream& out, std::ostream& err) {
    Board board;
    const auto result = openLevel(file, board, err);
    if (!result) return 1;
    const auto found = problems(board, *result);
    for (const auto& p : found)
        out << "warning: " << p << '\n';
    if (found.empty()) out << "no problems\n";
    return 0;
}

struct RunOptions {
    std::string file;
    long cycles = 0;
    std::string script;
    uint32_t seed = 0;
    std::vector<int> layers;
    int answerMissing = 2;
    bool traceSounds = false;
};

bool parseLayers(const std::string& text, std::vector<int>& layers) {
    std::istringstream parts(text);
    std::string part;
    while (std::getline(parts, part, ',')) {
        int64_t l = 0;
        if (!boltik::io::parseInteger(part, 0, kLayerCount - 1, l)) return false;
        layers.push_back(static_cast<int>(l));
    }
    return !layers.empty();
}

// The options of run; the problem, naming the word, when one is not understood.
std::optional<RunOptions> parseRun(const std::vector<std::string>& args, std::string& problem) {
    RunOptions o;
    o.file = args[1];
    problem = readOptions(args, 2, [&o](const std::string& a, const std::string* v) {
        if (!v) {
            o.traceSounds = o.traceSounds || a == "--trace-sounds";
            return a == "--trace-sounds";
        }
        int64_t n = 0;
        if (a == "--cycles" &&
            boltik::io::parseInteger(*v, 0, std::numeric_limits<long>::max(), n)) {
            o.cycles = static_cast<long>(n);
        } else if (a == "--seed" &&
                   boltik::io::parseInteger(*v, 0, std::numeric_limits<uint32_t>::max(), n)) {
            o.seed = static_cast<uint32_t>(n);
        } else if (a == "--answer-missing" && (*v == "1" || *v == "2")) {
            o.answerMissing = (*v)[0] - '0';
        } else if (a == "--script") {
            o.script = *v;
        } else {
            return a == "--layers" && parseLayers(*v, o.layers);
        }
        return true;
    });
    if (!problem.empty()) return std::nullopt;
    return o;
}

void printRun(std::ostream& out, const char* result, const boltik::game::Context& ctx,
              const RunOptions& o, const TraceSounds& sounds) {
    const World& w = ctx.world;
    printDump(out, result, ctx);
    for (int l : o.layers)
        printLayer(out, w.board, l);
    if (!o.traceSounds) return;
    out << "sounds:\n";
    for (const auto& s : sounds.started()) {
        out << s.cycle << ' ' << boltik::sound::fileName(s.effect) << '\n';
    }
}

std::optional<std::vector<ScriptEvent>> loadScript(const std::string& path, std::ostream& err) {
    if (path.empty()) return std::vector<ScriptEvent>{};
    std::ifstream in;
    std::string reason;
    if (!boltik::io::openRegularFile(path, in, reason)) {
        err << "turtool: cannot open the script " << path << ": " << reason << '\n';
        return std::nullopt;
    }
    std::string error;
    auto events = boltik::headless::parseScript(in, error);
    if (!events) err << "turtool: " << path << ": " << error << '\n';
    return events;
}

int run(const RunOptions& o, std::ostream& out, std::ostream& err) {
    auto events = loadScript(o.script, err);
    if (!events) return 1;
    // The game asks its question for a level it cannot load and plays on as answered; the
    // run does the same. Unless it was told to go on to the next number, it then says why
    // the level could not be loaded, and fails.
    Board scratch;
    const LevelReadResult level = readLevelFile(o.file, scratch);
    boltik::headless::HeadlessGame game(o.seed, boltik::headless::SoundTrace::On);
    boltik::headless::prepareAgain(game.world, o.file);
    boltik::game::Context& ctx = game.ctx;
    ctx.cycleLimit = o.cycles;
    boltik::headless::ScriptHost& host = game.host;
    // Escape's questions without a scripted answer are answered "Нет"; a run of missing
    // levels answered "Да" ends after a hundred, where the game would keep asking.
    host.answerAlways(QuestionId::LeaveGame, 2);
    host.answerAlways(QuestionId::RestartLevel, 2);
    host.answerAlways(QuestionId::MissingLevel, o.answerMissing);
    host.limitMissingLevels(kMissingLevelLimit);
    boltik::headless::schedule(host, ctx, *events);
    const char* result = "quit";
    int status = 0;
    try {
        const GameEnd end = boltik::loop::Game(ctx);
        result = resultName(end, ctx.cycles);
    } catch (const boltik::game::GameQuit&) {
    } catch (const boltik::headless::ScriptStop& stop) {
        err << "turtool: stopped: " << stop.what() << '\n';
        status = 1;
    }
    printRun(out, result, ctx, o, game.traceSounds);
    if (!level.ok && o.answerMissing == 2) {
        reportLevelFailure(err, o.file, level);
        status = 1;
    }
    return status;
}

}  // namespace

const char* resultName(GameEnd end, long cycles) {
    switch (end) {
        case GameEnd::LevelDone:
            return "done";
        case GameEnd::Wrecked:
            return "wrecked";
        default:
            return cycles == 0 ? "loaded" : "running";
    }
}

void printDump(std::ostream& out, const char* result, const boltik::game::Context& ctx) {
    const World& w = ctx.world;
    out << "result: " << result << "\nlevel: " << w.levelName << "\ncycles: " << ctx.cycles
        << "\nbigCycles: " << w.bigCycles << "\nlives: " << w.kolLives.caption()
        << "\nbolts: " << w.kolBolt.caption() << "\nkeys: " << w.kolKeys.caption()
        << "\nammo: " << w.kolWeapon.caption() << "\nplayer: " << w.playerX << ' ' << w.playerY
        << "\nstartMode: " << static_cast<int>(w.startMode)
        << "\nwreckCountdown: " << w.wreckCountdown << '\n';
    printLayer(out, w.board, layer::kCode);
}

void reportLevelFailure(std::ostream& err, const std::string& file, const LevelReadResult& result) {
    err << "turtool: " << file << ": ";
    if (result.failedLine > 0) err << "line " << result.failedLine << ": ";
    err << result.reason << '\n';
}

std::optional<LevelReadResult> openLevel(const std::string& file, Board& board, std::ostream& err) {
    LevelReadResult result = readLevelFile(file, board);
    if (result.ok) return result;
    reportLevelFailure(err, file, result);
    return std::nullopt;
}

void printLayer(std::ostream& out, const Board& board, int l) {
    out << "layer " << l << ":\n";
    for (int y = 0; y <= kLastRow; ++y) {
        for (int x = 0; x <= kLastCol; ++x)
            out << (x ? " " : "") << board.at(x, y, l);
        out << '\n';
    }
}

int runCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) return usageError(err, "", "no command given");
    const std::string& command = args[0];
    if (command == "--help" || command == "-h" || (command == "help" && args.size() == 1)) {
        printUsage(out);
        return 0;
    }
    if (command == "help") {
        if (args.size() == 2 && printUsage(out, args[1])) return 0;
        return usageError(err, "help", "did not understand '" + args.back() + "'");
    }
    if (!isCommand(command)) return usageError(err, "", "did not understand '" + command + "'");
    for (const std::string& a : args) {
        if (a == "--help") return printUsage(out, command) ? 0 : kUsageError;
    }
    if (command == "edit") return edit(args, out, err);
    if (command == "solve") return solve(args, out, err);
    if (command == "stats") return stats(args, out, err);
    if (args.size() < 2) return usageError(err, command, "FILE is missing");
    if (command == "run") {
        std::string problem;
        const auto options = parseRun(args, problem);
        return options ? run(*options, out, err) : usageError(err, command, problem);
    }
    if (args.size() > 2) return usageError(err, command, "did not understand '" + args[2] + "'");
    const std::string& file = args[1];
    if (command == "show") return show(file, out, err);
    if (command == "check") return check(file, out, err);
    if (command == "settings") return showSettings(file, out);
    return replayGame(file, out, err);
}

}  // namespace turtool
