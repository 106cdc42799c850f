// Where the copies of a tiled picture go: over a whole surface, or along its top edge.
#pragma once

#include <vector>

namespace boltik::sprites {

struct TilePlace {
    int x, y;
};

// TileForm: copies every factor * w by factor * h, from 0 until one step past the far
// edges, so the last partial copies reach the border. Empty for a zero-sized source.
std::vector<TilePlace> tileFormPlaces(int targetWidth, int targetHeight, int sourceWidth,
                                      int sourceHeight, int factor);
// TileHeader: one row of copies along the top edge.
std::vector<TilePlace> tileHeaderPlaces(int targetWidth, int sourceWidth, int factor);

}  // namespace boltik::sprites
