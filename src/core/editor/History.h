// The level editor's undo and redo: each step keeps the whole level as it stood before it,
// which for a 19 x 12 grid is small enough to copy.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>

#include "core/board/Codes.h"

namespace boltik::editor {

// What a level holds in the editor: layers 6..9 of every grid cell, the bolt count with its
// caption, and the remembered player. About 2 KB.
struct Snapshot {
    static constexpr int kLayers = 4;  // layers 6 (shot direction) to 9
    std::array<int16_t, board::kPlayCells * kLayers> layers{};
    int16_t boltCount = 0;
    std::string boltCaption;
    int16_t playerColumn = 0;
    int16_t playerRow = 0;

    // Layer 6 + i of cell (x, y), x 0..18, y 0..11, i 0..3.
    int16_t& at(int x, int y, int i) { return layers[index(x, y, i)]; }
    int16_t at(int x, int y, int i) const { return layers[index(x, y, i)]; }
    bool operator==(const Snapshot&) const = default;

private:
    static std::size_t index(int x, int y, int i) {
        return static_cast<std::size_t>((x * (board::kLastRow + 1) + y) * kLayers + i);
    }
};

// The steps to undo and to redo, the newest last. A new step clears what could be redone;
// beyond kDepth steps the oldest is forgotten.
class History {
public:
    static constexpr std::size_t kDepth = 100;

    // A step was made; before is the level as it stood before it.
    void record(Snapshot before);
    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    // The level to go back to, keeping now for redo; nothing when there is no step.
    std::optional<Snapshot> undo(Snapshot now);
    // The level to go forward to, keeping now for undo; nothing when there is no step.
    std::optional<Snapshot> redo(Snapshot now);

private:
    static void push(std::deque<Snapshot>& steps, Snapshot s);

    std::deque<Snapshot> undo_;
    std::deque<Snapshot> redo_;
};

}  // namespace boltik::editor
