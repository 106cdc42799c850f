// The test rig.
#include "support/Rig.h"

#include <fstream>
#include <random>
#include <sstream>

#include "core/board/Codes.h"
#include "core/board/Geometry.h"

namespace boltik::testing {

using namespace board;
using namespace sprites;

int16_t codeFor(char c) {
    for (const CodeInfo& row : kCodeTable) {
        if (row.letter != 0 && row.letter == c) return row.code;
    }
    throw std::invalid_argument(std::string("no code for ") + c);
}

std::vector<std::string> boardPicture(const Board& board) {
    std::vector<std::string> rows;
    for (int y = 0; y <= kLastRow; ++y) {
        std::string row;
        for (int x = 0; x <= kLastCol; ++x) {
            const char letter = info(board.code(x, y)).letter;
            row += letter ? letter : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

void paintBoard(Board& board, const Level& level) {
    for (int x = 0; x <= kLastCol; ++x) {
        for (int y = 0; y <= kLastRow; ++y) {
            const bool inPicture = y < static_cast<int>(level.rows.size()) &&
                                   x < static_cast<int>(level.rows[y].size());
            board.setCode(x, y, inPicture ? codeFor(level.rows[y][x]) : code::kWall);
        }
    }
    for (const CellValue& v : level.values)
        board.set(v.x, v.y, v.layer, v.value);
}

std::string levelFileText(const Level& level) {
    Board board;
    paintBoard(board, level);
    std::ostringstream text;
    for (int x = 0; x <= kLastCol; ++x) {
        for (int y = 0; y <= kLastRow; ++y) {
            for (int l = layer::kShotDir; l <= layer::kParamB; ++l) {
                text << board.at(x, y, l) << "\r\n";
            }
        }
    }
    text << level.bolts << "\r\n";
    return text.str();
}

TempDir::TempDir() : previous_(std::filesystem::current_path()) {
    static std::mt19937 names(std::random_device{}());
    path_ = std::filesystem::temp_directory_path() / ("boltik-test-" + std::to_string(names()));
    std::filesystem::create_directories(path_);
    std::filesystem::current_path(path_);
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(path_, ignored);
}

void TempDir::write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path_ / name, std::ios::binary) << bytes;
}

std::string TempDir::read(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

int RecordingSounds::count(sound::Effect effect) const {
    int n = 0;
    for (auto e : played)
        n += e == effect;
    return n;
}

Rig::Rig() {
    host.fixedRandom = 0.0;
    host.recordPacing = true;
}

loop::GameEnd Rig::play(const Level& level, long cycles) {
    dir.write("t.tur", levelFileText(level));
    world.levelName = "t.tur";
    world.startMode = StartMode::Again;
    ctx.cycleLimit = cycles;
    return loop::Game(ctx);
}

void Rig::place(const Level& level) {
    paintBoard(world.board, level);
    world.kolBolt.setCaption(level.bolts);
    const int size = sprites.cellSize();
    for (int x = 0; x < kBoardSize; ++x) {
        for (int y = 0; y < kBoardSize; ++y) {
            placeCell(world.board, x, y, size);
            if (world.board.code(x, y) == code::kPlayer) {
                world.playerX = static_cast<int16_t>(x);
                world.playerY = static_cast<int16_t>(y);
            }
        }
    }
}

std::vector<Picture> Rig::paintsAt(int x, int y) const {
    std::vector<Picture> out;
    const int size = sprites.cellSize();
    for (const auto& p : canvas.paints) {
        if (p.x == x * size && p.y == y * size) out.push_back(p.picture);
    }
    return out;
}

Picture graphPicture(int n) {
    return Picture{PictureSet::Object48, static_cast<int16_t>(n)};
}
Picture mesPicture(int n) {
    return Picture{PictureSet::Robot48, static_cast<int16_t>(n)};
}

}  // namespace boltik::testing
