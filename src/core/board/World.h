// Everything the game window owns for play: the board, the four counters and the variables
// that the main loop, the player's turn and the level loader share.
#pragma once

#include <cstdint>
#include <string>

#include "core/board/Board.h"
#include "core/board/Counter.h"
#include "core/board/Directions.h"
#include "core/board/Rules.h"

namespace boltik::board {

// Pending requests from the keyboard, one of each kind per direction; 1 = pending, 0 = none.
// key[Dir::Up] is the request keyUp, fire[Dir::Up] the request fireUp, and so on.
struct Requests {
    ByDir<int16_t> key;
    ByDir<int16_t> fire;
    // A move request set by the first key-down after a key-up. A key-up does not clear a
    // fresh request, so a quick tap between two turns still moves the robot once.
    ByDir<bool> fresh;
    // Whether each arrow is held down now; tells a first key-down from an auto-repeat.
    ByDir<bool> held;
};

// What the next run of the main loop loads.
enum class StartMode : int16_t {
    Choose = 0,  // the level the user picks in the chooser
    Again = 2,   // levelName again: after a wreck, or a level named from outside
    Next = 3,    // the level with the next number
};

// levelDone once the player has entered the open capsule; 0 otherwise.
inline constexpr int16_t kLevelDone = -1;

struct World {
    Board board;

    Counter kolLives{kStartLives};
    Counter kolBolt{"0"};
    Counter kolKeys{"0"};
    Counter kolWeapon{"0"};

    int lastCol = kLastCol;
    int lastRow = kLastRow;
    double scale = 1.0;  // multiplies the sprite size in every cell position

    int16_t playerX = 0;
    int16_t playerY = 0;
    StartMode startMode = StartMode::Choose;
    std::string levelName;  // UTF-8
    int32_t bigCycles = 0;  // cell steps of the main loop, kept across runs in a file
    int16_t levelDone = 0;  // kLevelDone once the player has entered the open capsule
    int32_t wreckCountdown = 0;

    Requests requests;
    int16_t fireDelay = 0;  // cycles since the player's last shot, stops at 32767
};

}  // namespace boltik::board
