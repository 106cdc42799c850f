// Level files (*.tur) and the counter file kilometrach.txt.
//
// A level file is text, one decimal number per line, CR LF line ends: for each column
// x = 0..18 and within it each row y = 0..11, four lines holding layers 6, 7, 8 and 9 of
// cell (x, y); then line 913, the bolt count, shown as it is written.
#pragma once

#include <cstdint>
#include <istream>
#include <string>

#include "core/board/Board.h"
#include "core/io/Files.h"

namespace boltik::board {

inline constexpr int kLevelLines = kPlayCells * 4 + 1;  // 913
inline constexpr const char* kCounterFileName = "kilometrach.txt";

struct LevelReadResult {
    bool ok = false;
    int failedLine = 0;  // 1-based line that failed; 0 when the file could not be opened
    std::string reason;
    std::string boltLine;  // line 913 as written, converted to UTF-8
    // The last cell in file order whose object code is the player's, even after a failure.
    bool playerFound = false;
    int playerX = 0;
    int playerY = 0;
};

// Reads a level into layers 6..9 of columns 0..lastCol, rows 0..lastRow, cell by cell. The
// read stops at the first missing or bad line (not an integer, or outside -32768..32767);
// the cells read before it keep their new values, the others keep what they held.
LevelReadResult readLevel(std::istream& in, Board& board, int lastCol = kLastCol,
                          int lastRow = kLastRow);
LevelReadResult readLevelFile(const std::string& path, Board& board, int lastCol = kLastCol,
                              int lastRow = kLastRow);

// The text the level editor writes: layer 6 always "0", then layers 7, 8 and 9 of every
// cell, then the bolt count; CR LF after every line, 913 lines in all.
std::string levelText(const Board& board, int64_t boltCount);
// Writes that text whole to path (temporary file, then rename).
io::WriteResult writeLevelFile(const std::string& path, const Board& board, int64_t boltCount);

// The counter file: line 1 the cell-step count, line 2 a fixed text in code page 1251.
// Reading gives 0 for a missing, empty or garbled file.
int32_t readCounterFile(const std::string& path = kCounterFileName);
std::string counterFileText(int32_t bigCycles);
io::WriteResult writeCounterFile(int32_t bigCycles, const std::string& path = kCounterFileName);

}  // namespace boltik::board
