// Benchmarks: the rules core's cycles a second on an empty board, on shipped levels and on a
// board full of moving objects, and what the game window adds to each cycle.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>
#include <string>
#include <vector>

#include "core/board/Codes.h"
#include "core/board/LevelFile.h"
#include "core/headless/HeadlessGame.h"
#include "core/loop/MainLoop.h"
#include "qt/GameWindow.h"

namespace {

using namespace boltik;
namespace fs = std::filesystem;

// A level from a text picture, one letter a cell as the table of codes gives them; rows
// shorter than the board are filled with walls.
std::string levelFrom(const std::vector<std::string>& rows, int bolts = 0) {
    board::Board b;
    for (int x = 0; x <= board::kLastCol; ++x) {
        for (int y = 0; y <= board::kLastRow; ++y) {
            const char letter = y < int(rows.size()) && x < int(rows[y].size()) ? rows[y][x] : '#';
            int16_t c = board::code::kWall;
            for (const board::CodeInfo& row : board::kCodeTable) {
                if (row.letter == letter) c = row.code;
            }
            b.setCode(x, y, c);
            // Enemies go right; crawlers keep the wall on their right.
            b.set(x, y, board::layer::kParamA, 1);
            b.set(x, y, board::layer::kParamB, 2);
        }
    }
    return board::levelText(b, bolts);
}

// Every kind of moving object at once: bats shuttling in rows, crawlers circling, guns firing
// down into boxes, blinking teleporters and capsules; the player walled in where none reaches.
const std::vector<std::string> kFullBoard = {
    "###################", "#b..b..b..b..b..b.#", "#.b..b..b..b..b..b#", "#c...c...c...c...c#",
    "#.................#", "#vvvvvvvvvvvvvvvvv#", "#.................#", "#.................#",
    "#BBBBBBBBBBBBBBBBB#", "#T.T.C.cc..c.c..c.#", "#P#...b...b...b...#", "###################"};

const std::vector<std::string> kEmptyBoard = {"###################", "#P................#"};

struct Headless : headless::HeadlessGame {
    // The counter file is the player's; a benchmark leaves it alone.
    Headless() : HeadlessGame(1) { ctx.writesCounterFile = false; }
    // Plays the level from its start for the given number of cycles; returns those played.
    long play(const std::string& file, long cycles) {
        world.levelName = file;
        world.startMode = board::StartMode::Again;
        world.wreckCountdown = 0;
        ctx.cycleLimit = cycles;
        loop::Game(ctx);
        return ctx.cycles;
    }
};

std::string benchFile(const std::string& name, const std::string& text) {
    const fs::path dir = fs::temp_directory_path() / "boltik-bench";
    fs::create_directories(dir);
    const fs::path file = dir / name;
    boltik::io::writeFileAtomically(file.string(), text);
    return file.string();
}

void runLevel(benchmark::State& state, const std::string& file, long cyclesPerRun) {
    Headless game;
    long cycles = 0;
    for (auto _ : state)
        cycles += game.play(file, cyclesPerRun);
    state.counters["cycles/s"] = benchmark::Counter(double(cycles), benchmark::Counter::kIsRate);
}

void BM_EmptyBoard(benchmark::State& state) {
    runLevel(state, benchFile("empty.tur", levelFrom(kEmptyBoard)), 5000);
}
BENCHMARK(BM_EmptyBoard)->Unit(benchmark::kMillisecond);

void BM_FullBoard(benchmark::State& state) {
    // Shots and blasts die out and guns fire at random; a run of 200 cycles keeps it busy.
    runLevel(state, benchFile("full.tur", levelFrom(kFullBoard, 0)), 200);
}
BENCHMARK(BM_FullBoard)->Unit(benchmark::kMillisecond);

void BM_ShippedLevel(benchmark::State& state) {
    const std::string file =
        std::string(BOLTIK_DATA_DIR) + "/" + std::to_string(state.range(0)) + ".tur";
    runLevel(state, file, 5000);
}
BENCHMARK(BM_ShippedLevel)->Arg(1)->Arg(16)->Arg(22)->Unit(benchmark::kMillisecond);

// The game window as the host, offscreen, with no pacing wait: its yields and drawing are
// what it adds to each cycle.
void BM_WindowHost(benchmark::State& state) {
    const std::string file = std::string(BOLTIK_DATA_DIR) + "/16.tur";
    sound::SilentSounds sounds;
    qt::GameWindow window(sounds);
    window.setNanosPerRound(0);
    window.context().writesCounterFile = false;
    window.show();
    long cycles = 0;
    for (auto _ : state) {
        auto& w = window.world();
        w.levelName = file;
        w.startMode = board::StartMode::Again;
        window.context().cycleLimit = 1000;
        loop::Game(window.context());
        cycles += window.context().cycles;
    }
    state.counters["us/cycle"] = benchmark::Counter(
        double(cycles), benchmark::Counter::kIsRate | benchmark::Counter::kInvert,
        benchmark::Counter::kIs1000);
}
BENCHMARK(BM_WindowHost)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
