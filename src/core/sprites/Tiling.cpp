// Places of tiled copies.
#include "core/sprites/Tiling.h"

namespace boltik::sprites {

std::vector<TilePlace> tileFormPlaces(int targetWidth, int targetHeight, int sourceWidth,
                                      int sourceHeight, int factor) {
    std::vector<TilePlace> places;
    const int stepX = factor * sourceWidth;
    const int stepY = factor * sourceHeight;
    if (stepX <= 0 || stepY <= 0) return places;
    for (int x = 0; x <= targetWidth + sourceWidth; x += stepX) {
        for (int y = 0; y <= targetHeight + sourceHeight; y += stepY)
            places.push_back({x, y});
    }
    return places;
}

std::vector<TilePlace> tileHeaderPlaces(int targetWidth, int sourceWidth, int factor) {
    std::vector<TilePlace> places;
    const int step = factor * sourceWidth;
    if (step <= 0) return places;
    for (int x = 0; x <= targetWidth + sourceWidth; x += step)
        places.push_back({x, 0});
    return places;
}

}  // namespace boltik::sprites
