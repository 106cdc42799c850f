// The program's start: the sound first, then the game window.
#pragma once

#include <QObject>
#include <memory>

#include "qt/GameWindow.h"
#include "sdl/MixerSounds.h"

namespace boltik::qt {

class Program {
public:
    // Opens the sound device and the twelve effects, then the game window (not yet shown).
    // When the sound cannot be set up, shows the message in a standard OK box and returns
    // false: the game window is never created and the program ends.
    bool openGame();

    GameWindow* gameWindow() const { return window_.get(); }

private:
    std::unique_ptr<sdl::MixerSounds> sounds_;
    std::unique_ptr<GameWindow> window_;
};

}  // namespace boltik::qt
