// Everything one running game works with: the world, the sprites and the three seams.
#pragma once

#include <optional>
#include <utility>

#include "core/board/World.h"
#include "core/game/Host.h"
#include "core/sound/Sounds.h"
#include "core/sprites/Drawing.h"
#include "core/sprites/Sprites.h"

namespace boltik::game {

// The all-bolts flash of a call of the main loop.
enum class FlashState {
    BoltsRemain,  // the bolt counter has not read "0" yet
    Pending,      // it has; the flash comes at the start of the next column
    Shown,        // once per call
};

struct Context {
    Context(board::World& world, sprites::SpriteStore& sprites, sprites::Canvas& canvas,
            sound::Sounds& sounds, Host& host)
        : world(world),
          board(world.board),
          sprites(sprites),
          draw(world.board, sprites, canvas),
          sounds(sounds),
          host(host) {}

    board::World& world;
    board::Board& board;
    sprites::SpriteStore& sprites;
    sprites::Drawing draw;
    sound::Sounds& sounds;
    Host& host;

    // State of the running call of the main loop.
    int capsuleTicks = 0;  // shared by every capsule of the level
    FlashState flashState = FlashState::BoltsRemain;
    // Cycles started in this call; a limit below zero means none (headless runs set one).
    long cycles = 0;
    long cycleLimit = -1;
    // Every level load rewrites the counter file; a trial of a level from the editor does not.
    bool writesCounterFile = true;
    // The cell whose object struck the robot in the running call (a shot, a gun, a crawler, a
    // bat, a bomb's blast, a magnet), for the window to show it during the wreck. No rule
    // reads it.
    std::optional<std::pair<int, int>> struckFrom;
};

}  // namespace boltik::game
