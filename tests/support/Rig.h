// A test rig: the headless game with a recording canvas and recording sounds, and levels
// written as small text pictures.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/board/World.h"
#include "core/game/Context.h"
#include "core/headless/HeadlessGame.h"
#include "core/loop/MainLoop.h"

namespace boltik::testing {

// One character a cell, the letters of the table of codes:
//   # wall   . floor   r rubble  B box     a ammo   k key    D door   * bolt   o bomb
//   C capsule        v gun down  ^ gun up  T teleporter      M magnet c crawler b bat
//   P player         | vertical shot       - horizontal shot f fuse   1..5 blast stages
// Rows shorter than the board, and rows missing below, are filled with walls.
int16_t codeFor(char c);

// A value for one layer of one cell; a direction is written as the layers hold it.
struct CellValue {
    CellValue(int x, int y, int layer, int value) : x(x), y(y), layer(layer), value(value) {}
    CellValue(int x, int y, int layer, board::Dir d) : CellValue(x, y, layer, board::index(d)) {}
    int x, y, layer, value;
};

struct Level {
    Level() = default;
    Level(std::vector<std::string> rows, std::vector<CellValue> values = {},
          std::string bolts = "0")
        : rows(std::move(rows)), values(std::move(values)), bolts(std::move(bolts)) {}

    std::vector<std::string> rows;
    std::vector<CellValue> values;  // layers 6, 8, 9 written into the file
    std::string bolts = "0";
};

// The object codes of the play area as a picture, one letter a cell ('?' for a code without
// one), row 0 first.
std::vector<std::string> boardPicture(const board::Board& board);

// Puts the picture into layer 7 (and the values into their layers) of a board.
void paintBoard(board::Board& board, const Level& level);
// The text of a level file for the picture.
std::string levelFileText(const Level& level);

// Runs in a fresh temporary directory, which becomes the current directory.
class TempDir {
public:
    TempDir();
    ~TempDir();
    std::filesystem::path path() const { return path_; }
    void write(const std::string& name, const std::string& bytes) const;
    std::string read(const std::string& name) const;

private:
    std::filesystem::path path_;
    std::filesystem::path previous_;
};

class RecordingCanvas : public sprites::Canvas {
public:
    struct Paint {
        sprites::Picture picture;
        int x, y;
    };
    void paint(sprites::Picture picture, int x, int y) override {
        paints.push_back({picture, x, y});
    }
    void clear() override { paints.clear(); }
    void keepCopy() override { ++copiesKept; }
    void restoreCopy() override { ++copiesRestored; }

    std::vector<Paint> paints;
    int copiesKept = 0;
    int copiesRestored = 0;
};

class RecordingSounds : public sound::SilentSounds {
public:
    void playPanned(sound::Effect effect, int pan) override {
        SilentSounds::playPanned(effect, pan);
        played.push_back(effect);
    }
    int count(sound::Effect effect) const;
    std::vector<sound::Effect> played;
};

struct Rig {
    Rig();

    // Writes the level as "t.tur", then plays it through the real main loop for the given
    // number of cycles (startMode 2, as a replay loads it).
    loop::GameEnd play(const Level& level, long cycles);
    // Places the picture on the board directly, with geometry, for calling a step by hand.
    void place(const Level& level);

    int16_t code(int x, int y) const { return world.board.code(x, y); }
    int16_t at(int x, int y, int layer) const { return world.board.at(x, y, layer); }
    // The paints made at the pixel position of cell (x, y), in order.
    std::vector<sprites::Picture> paintsAt(int x, int y) const;

    TempDir dir;
    RecordingCanvas canvas;
    RecordingSounds sounds;
    headless::HeadlessGame headlessGame{0, canvas, sounds};
    // The parts of the headless game, by the names the tests use.
    board::World& world = headlessGame.world;
    sprites::SpriteStore& sprites = headlessGame.sprites;
    headless::ScriptHost& host = headlessGame.host;  // random() gives 0 unless randoms are scripted
    game::Context& ctx = headlessGame.ctx;
};

sprites::Picture graphPicture(int n);
sprites::Picture mesPicture(int n);

}  // namespace boltik::testing
