// The board picture as the rules see it: paint a picture at a pixel, keep and restore a copy.
#pragma once

#include "core/sprites/Sprites.h"

namespace boltik::sprites {

// Implemented by the game window (a Qt image), by tests (a recorder) and by turtool
// (nothing). Coordinates are pixels of the board picture, top-left corner of the picture.
class Canvas {
public:
    virtual ~Canvas() = default;

    // Paints the picture at its own size, every pixel copied.
    virtual void paint(Picture picture, int x, int y) = 0;
    // Starts a level on an empty picture.
    virtual void clear() = 0;
    // Keeps a copy of the board picture as it is now, for the all-bolts flash.
    virtual void keepCopy() = 0;
    // Puts the kept copy back.
    virtual void restoreCopy() = 0;
};

// A canvas that draws nothing, for headless runs.
class NullCanvas : public Canvas {
public:
    void paint(Picture, int, int) override {}
    void clear() override {}
    void keepCopy() override {}
    void restoreCopy() override {}
};

}  // namespace boltik::sprites
