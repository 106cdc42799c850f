// The board in words, for players who listen to the game: what stands around the robot or
// around a cell of the editor, and the counters, in Russian (UTF-8).
#pragma once

#include <cstdint>
#include <string>

#include "core/board/Board.h"
#include "core/board/World.h"

namespace boltik::board {

// What a code shows, as a Russian noun in the nominative: «стена», «болт», «летучая мышь»; the
// floor is «пусто». A code the game does not know (a level file may hold any value) is
// «неизвестный предмет» with its number.
std::string objectWord(int16_t code);

// The four neighbours of cell (x, y) clockwise from the top, the floor left out: «Справа болт,
// снизу стена.»; «Вокруг пусто.» when all four are floor. A side past the play area
// 0..lastCol x 0..lastRow is «край поля». Columns and rows are the board's own numbers.
std::string neighboursText(const Board& board, int x, int y, int lastCol = kLastCol,
                           int lastRow = kLastRow);

// The game, on demand: where the robot stands, its neighbours and the counters as their
// captions read: «Робот: столбец 5, ряд 7. Справа болт, снизу стена. Болтов осталось 3.
// Жизни: 10, ключи: 0, патроны: 0.» With no robot on the board (a wreck is under way) it says
// so in place of the first two sentences.
std::string describeRobot(const World& world);

// The editor, for the cell under its cursor: «Курсор: столбец 5, ряд 7, болт. Справа ящик,
// снизу стена. Болтов: 3.», the bolts as the editor's counter shows them.
std::string describeEditorCell(const Board& board, int x, int y, const std::string& boltCaption);

}  // namespace boltik::board
