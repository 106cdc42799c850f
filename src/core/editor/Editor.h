// The level editor's board and rules, without a window: the palette, painting by click and
// drag (sohr), the crawler's heading, teleporter pairs, New, Load and Save, undo and redo, and
// whether the level has changed since it was last saved.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/board/Board.h"
#include "core/editor/History.h"
#include "core/editor/Palette.h"
#include "core/io/Files.h"

namespace boltik::editor {

// A cell of the editor's grid: column 0..18, row 0..11.
struct Cell {
    int x, y;
    bool operator==(const Cell&) const = default;
};

// Grid squares are 480 twips, 32 pixels.
inline constexpr int kSquareTwips = 480;

// Where the editor asks its window: the crawler direction window KudaSow.
class EditorHost {
public:
    virtual ~EditorHost() = default;
    // The picture chosen in KudaSow, an index of kCrawlerChoices; nothing when it was closed
    // without a choice.
    virtual std::optional<int> chooseCrawlerHeading() = 0;
};

// A cell the window is to redraw with the palette picture of its code, and whether the
// cell's black outline is drawn again after it.
struct Paint {
    Cell cell;
    bool outline;
};

// How a Load or Save ended: the message the editor shows when it failed.
struct FileResult {
    bool ok = true;
    std::string message;  // UTF-8
    explicit operator bool() const { return ok; }
};

class Editor {
public:
    // The board as the editor window opens it: a wall ring around empty floor, the tool 0.
    Editor();

    const board::Board& board() const { return board_; }
    int tool() const { return tool_; }
    // Kolbolts: the caption shows boltCount, or the line of a loaded file as written.
    int16_t boltCount() const { return boltCount_; }
    const std::string& boltCaption() const { return boltCaption_; }
    // The remembered player (playerColumn, playerRow); both 0 means none.
    std::optional<Cell> player() const;
    bool painting() const { return painting_; }
    // Teleporter pairing: the first cell of the pair while its partner is awaited.
    std::optional<Cell> pairingCell() const;
    // The cell under the pointer as the labels Lef and Toz show it.
    Cell pointerCell() const { return pointer_; }

    // A palette click: the tool with this index.
    void selectTool(int tool);

    // The mouse over the grid: the cell under the pointer, nothing outside the squares. Any
    // button paints; a right press while a teleporter awaits its partner leaves pairing.
    void mouseDown(std::optional<Cell> at, EditorHost& host, bool rightButton = false);
    void mouseMove(std::optional<Cell> at, EditorHost& host);
    void mouseUp();
    // Escape: leaves teleporter pairing, putting back what the first cell held.
    void escape();

    // sohr: puts the current tool into cell (x, y) by the tool's rule.
    void sohr(Cell at, EditorHost& host);

    // New: the wall ring and empty floor again; layers 8 and 9 keep their values, the bolt
    // count is 0 and no player is remembered.
    void newLevel();
    // Load: reads the file into a board of its own and takes it over only when the whole file
    // was read; a failed load leaves the editor as it was and answers "!!!".
    FileResult load(const std::string& path);
    // Save: writes the 913-line level file whole; a failure is reported with its reason and
    // leaves any old file as it was.
    FileResult save(const std::string& path);
    // Writes the level as Save does, to a file that does not become the level's: the file
    // name and the unsaved-change mark stay as they were (a trial plays such a copy).
    FileResult saveCopy(const std::string& path) const;

    // Undo and redo. A step is one drag stroke (press to release), one teleporter pair (first
    // click to partner), one crawler with its heading, a New or a Load; a step that changed
    // nothing is none. Each brings back the cells, the bolt count with its caption and the
    // remembered player. Undo while a teleporter awaits its partner only gives the pairing
    // up. False when there was nothing to undo or redo.
    bool undo();
    bool redo();

    // Whether the level differs from what the last New, Load or Save left; undoing back to
    // that counts as unchanged.
    bool modified() const { return !(state() == saved_); }
    // The file of the last Load or Save, as it was named; empty after New and before either.
    const std::string& fileName() const { return fileName_; }

    // The cells changed since the last call, in the order they were changed.
    std::vector<Paint> takePaints();

private:
    struct Pairing {
        Cell from;
        int16_t heldCode;
        int16_t heldBolts;
        std::string heldCaption;
    };

    void paint(Cell at, bool outline) { paints_.push_back({at, outline}); }
    void paintAll();
    void setBolts(int count);
    void placePlayer(Cell at);
    void placeCrawler(Cell at, EditorHost& host);
    void completePairing(Cell partner);

    // The level as a step keeps it, and putting it back (the changed cells are repainted).
    Snapshot state() const;
    void restore(const Snapshot& s);
    // A step opens before its first change and closes once the editor neither paints nor
    // awaits a partner; it is recorded only when the level differs from where it began.
    void beginStep();
    void endStep();

    board::Board board_;
    int tool_ = kToolEraser;
    int16_t boltCount_ = 0;
    std::string boltCaption_ = "0";
    int16_t playerColumn_ = 0;
    int16_t playerRow_ = 0;
    bool painting_ = false;
    Cell pointer_{0, 0};
    std::optional<Pairing> pairing_;
    std::optional<int> lastCrawlerChoice_;  // what KudaSow last answered
    std::vector<Paint> paints_;
    History history_;
    std::optional<Snapshot> stepStart_;
    Snapshot saved_;
    std::string fileName_;
};

}  // namespace boltik::editor
