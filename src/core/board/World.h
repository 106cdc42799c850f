// Everything the game window owns for play: the board, the four counters and the variables
// that the main loop, the player's turn and the level loader share.
#pragma once

#include <cstdint>
#include <string>

#include "core/board/Board.h"
#include "core/board/Counter.h"

namespace boltik::board {

// Pending requests from the keyboard, in the player's own order of directions.
// 1 = pending, 0 = none.
struct Requests {
    int16_t keyUp = 0, keyDown = 0, keyLeft = 0, keyRight = 0;
    int16_t fireUp = 0, fireRight = 0, fireLeft = 0, fireDown = 0;
    // A move request set by the first key-down after a key-up. A key-up does not clear a
    // fresh request, so a quick tap between two turns still moves the robot once.
    bool freshUp = false, freshDown = false, freshLeft = false, freshRight = false;
    // Whether each arrow is held down now; tells a first key-down from an auto-repeat.
    bool heldUp = false, heldDown = false, heldLeft = false, heldRight = false;
};

struct World {
    Board board;

    Counter kolLives{"10"};
    Counter kolBolt{"0"};
    Counter kolKeys{"0"};
    Counter kolWeapon{"0"};

    int lastCol = kLastCol;
    int lastRow = kLastRow;
    double scale = 1.0;  // multiplies the sprite size in every cell position

    int16_t playerX = 0;
    int16_t playerY = 0;
    // What the next run of the main loop loads: 0 ask the chooser, 2 replay, 3 next number.
    int16_t startMode = 0;
    std::string levelName;  // UTF-8
    int32_t bigCycles = 0;  // cell steps of the main loop, kept across runs in a file
    int16_t levelDone = 0;  // -1 once the player has entered the open capsule
    int32_t wreckCountdown = 0;

    Requests requests;
    int16_t fireDelay = 0;  // cycles since the player's last shot, stops at 32767
};

}  // namespace boltik::board
