// Fuzzes the level-file reader, through a stream and through a file, and the level editor's
// Load. Whatever the bytes: both readers give the same result; a read changes only layers 6..9
// of the cells it reached and names the player it met last; a failed Load leaves the editor
// as it was; a loaded level saves and reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <sstream>
#include <string>
#include <string_view>
#include <type_traits>

#include "Fuzzing.h"
#include "core/board/LevelFile.h"
#include "core/editor/Editor.h"
#include "core/headless/ScriptHost.h"
#include "core/io/Text.h"

namespace {

using namespace boltik::board;
using boltik::editor::Cell;
using boltik::editor::Editor;
using boltik::fuzz::require;

// What the board holds before a read: a different value in every cell and layer, so a cell
// the read did not reach is known by its value.
const Board& boardBefore() {
    static const Board board = [] {
        Board b;
        int16_t value = -20000;
        for (int x = 0; x < kBoardSize; ++x) {
            for (int y = 0; y < kBoardSize; ++y) {
                for (int l = 0; l < kLayerCount; ++l)
                    b.set(x, y, l, value++);
            }
        }
        return b;
    }();
    return board;
}

// Boards are compared whole and often; the board is a plain array of values.
static_assert(std::is_trivially_copyable_v<Board>);
bool sameBoard(const Board& a, const Board& b) {
    return std::memcmp(&a, &b, sizeof(Board)) == 0;
}

// The board with the first `lines` values of a level file taken from another board, in file
// order, as a level read stores them.
Board withLevelLayers(Board board, const Board& level, int lines = kLevelLines - 1) {
    for (int x = 0; x <= kLastCol; ++x) {
        for (int y = 0; y <= kLastRow; ++y) {
            for (int l = layer::kShotDir; l <= layer::kParamB && lines > 0; ++l, --lines)
                board.set(x, y, l, level.at(x, y, l));
        }
    }
    return board;
}

bool sameResult(const LevelReadResult& a, const LevelReadResult& b) {
    return a.ok == b.ok && a.failedLine == b.failedLine && a.reason == b.reason &&
           a.boltLine == b.boltLine && a.playerFound == b.playerFound && a.playerX == b.playerX &&
           a.playerY == b.playerY;
}

// Reads the bytes through a stream and through a file and checks what the reads did.
LevelReadResult checkRead(std::string_view bytes, const std::string& file, Board& read) {
    read = boardBefore();
    std::istringstream in{std::string(bytes)};
    const LevelReadResult result = readLevel(in, read);
    Board fromFile = boardBefore();
    require(sameResult(readLevelFile(file, fromFile), result) && sameBoard(fromFile, read),
            "a level file reads as the same bytes in a stream do");
    require(result.ok ? result.failedLine == 0 && result.reason.empty()
                      : result.failedLine >= 1 && result.failedLine <= kLevelLines &&
                            !result.reason.empty(),
            "a failed read names the line that failed and why");
    const int linesStored = result.ok ? kLevelLines - 1 : result.failedLine - 1;
    require(sameBoard(read, withLevelLayers(boardBefore(), read, linesStored)),
            "the cells and layers a read did not reach keep their values");
    bool playerFound = false;
    int playerX = 0;
    int playerY = 0;
    for (int x = 0; x <= kLastCol; ++x) {
        for (int y = 0; y <= kLastRow; ++y) {
            const int codeLine = (x * (kLastRow + 1) + y) * 4 + 1;  // counted from 0
            if (codeLine < linesStored && read.code(x, y) == code::kPlayer) {
                playerFound = true;
                playerX = x;
                playerY = y;
            }
        }
    }
    require(result.playerFound == playerFound &&
                (!playerFound || (result.playerX == playerX && result.playerY == playerY)),
            "a read names the last player cell it stored");
    return result;
}

// An editor with work in it: two bolts, a crawler, a teleporter pair, a player and a tool.
Editor busyEditor() {
    boltik::headless::ScriptEditorHost host;
    host.headings = {2};
    Editor editor;
    const auto click = [&](int tool, Cell at) {
        editor.selectTool(tool);
        editor.mouseDown(at, host);
        editor.mouseUp();
    };
    click(boltik::editor::kToolBolt, {2, 2});
    click(boltik::editor::kToolBolt, {3, 2});
    click(boltik::editor::kToolCrawler, {5, 5});
    click(boltik::editor::kToolTeleporter, {7, 7});
    click(boltik::editor::kToolTeleporter, {9, 9});
    click(boltik::editor::kToolPlayer, {1, 10});
    editor.selectTool(boltik::editor::kToolWall);
    editor.mouseMove(Cell{4, 8}, host);
    editor.takePaints();
    return editor;
}

// Compares everything an editor shows; takes the paints of both.
bool sameEditor(Editor& a, Editor& b) {
    const auto paintsA = a.takePaints();
    const auto paintsB = b.takePaints();
    bool samePaints = paintsA.size() == paintsB.size();
    for (std::size_t i = 0; samePaints && i < paintsA.size(); ++i) {
        samePaints = paintsA[i].cell == paintsB[i].cell && paintsA[i].outline == paintsB[i].outline;
    }
    return samePaints && sameBoard(a.board(), b.board()) && a.tool() == b.tool() &&
           a.boltCount() == b.boltCount() && a.boltCaption() == b.boltCaption() &&
           a.player() == b.player() && a.painting() == b.painting() &&
           a.pairingCell() == b.pairingCell() && a.pointerCell() == b.pointerCell();
}

// A loaded level, saved as the editor writes it, reads back with the same layers 7..9, layer 6
// as 0 and the bolt count as a plain number.
void checkSavedText(const Editor& editor) {
    Board back;
    std::istringstream saved{levelText(editor.board(), editor.boltCount())};
    const LevelReadResult reread = readLevel(saved, back);
    require(reread.ok && reread.boltLine == std::to_string(editor.boltCount()),
            "a level the editor loaded saves as a whole level file");
    for (int x = 0; x <= kLastCol; ++x) {
        for (int y = 0; y <= kLastRow; ++y) {
            require(back.at(x, y, layer::kShotDir) == 0, "the editor saves layer 6 as 0");
            for (int l = layer::kCode; l <= layer::kParamB; ++l) {
                require(back.at(x, y, l) == editor.board().at(x, y, l),
                        "a saved level reads back with the layers the editor holds");
            }
        }
    }
}

void checkLoad(const std::string& file, const LevelReadResult& read, const Board& readBoard) {
    static const Editor busy = busyEditor();
    boltik::headless::ScriptEditorHost host;
    for (const bool pairing : {false, true}) {
        Editor editor = busy;
        if (pairing) {
            editor.selectTool(boltik::editor::kToolTeleporter);
            editor.mouseDown(Cell{12, 4}, host);
            editor.mouseUp();
            editor.takePaints();
        }
        // Load starts by giving up a teleporter that awaits its partner, as Escape does.
        Editor expected = editor;
        expected.escape();
        const boltik::editor::FileResult loaded = editor.load(file);
        int64_t bolts = 0;
        const bool wholeLevel =
            read.ok && boltik::io::parseInteger(boltik::io::utf8ToCp1251(read.boltLine), bolts) &&
            bolts >= std::numeric_limits<int16_t>::min() &&
            bolts <= std::numeric_limits<int16_t>::max();
        require(loaded.ok == wholeLevel, "Load takes a level exactly when the whole file reads");
        if (!loaded) {
            require(loaded.message == "!!!", "a failed Load answers \"!!!\"");
            require(sameEditor(editor, expected), "a failed Load leaves the editor as it was");
            continue;
        }
        require(sameBoard(editor.board(), withLevelLayers(expected.board(), readBoard)),
                "Load takes layers 6..9 of the play area from the file and keeps the rest");
        require(editor.boltCount() == bolts && editor.boltCaption() == read.boltLine,
                "Load shows the bolt line as written and counts its value");
        const bool playerRemembered = read.playerFound && (read.playerX || read.playerY);
        require(editor.player().has_value() == playerRemembered &&
                    (!playerRemembered || *editor.player() == Cell{read.playerX, read.playerY}),
                "Load remembers the player the file names");
        require(!editor.pairingCell() &&
                    editor.takePaints().size() == expected.takePaints().size() + kPlayCells,
                "Load repaints every cell");
        checkSavedText(editor);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string file = boltik::fuzz::Scratch::get().write("level.tur", bytes);
    Board read;
    const LevelReadResult result = checkRead(bytes, file, read);
    checkLoad(file, result, read);
    return 0;
}
