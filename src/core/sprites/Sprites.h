// Which picture sits in which sprite slot. Animation exchanges pictures between slots; the
// board keeps its object codes and draws whatever picture its code's slot holds now.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace boltik::sprites {

// The picture families of the sprite store: object sprites and robot views at two sizes,
// and the two flash pictures.
enum class PictureSet : uint8_t { Graph48, Graph32, Mes48, Mes32, Flash48, Flash32 };

struct Picture {
    PictureSet set;
    int16_t index;
    bool operator==(const Picture&) const = default;

    // Size in pixels. The pictures are square; the large green tile 233 is small by design.
    int size() const;
};

class SpriteStore {
public:
    static constexpr int kGraphSlots = 234;
    static constexpr int kMesSlots = 8;

    SpriteStore();

    // The picture of object sprite n, or nothing for a code without a sprite (the player).
    std::optional<Picture> graph(int n) const;
    // The picture of robot view n; nothing outside 0..7.
    std::optional<Picture> mes(int n) const;
    Picture grasma() const { return grasma_; }
    // The cell size: the size of the picture now in slot graph(0).
    int cellSize() const;

    // menial: exchange the pictures of graph(a) and graph(b).
    void menial(int a, int b);
    // menialRobo: exchange the pictures of mes(a) and mes(b).
    void menialRobo(int a, int b);
    // robchan: advance the robot's walking frame, once per step of the player.
    void robchan();
    // One tick of the frame animation (every 200 ms): enemies' and shots' second frames.
    void animationTick();
    // On a narrow screen the 32-pixel twins take the places of the 48-pixel pictures.
    void narrowExchange();

private:
    std::array<std::optional<Picture>, kGraphSlots> graph_{};
    std::array<std::optional<Picture>, kGraphSlots> kraph_{};
    std::array<Picture, kMesSlots> mes_{};
    std::array<Picture, kMesSlots> mess_{};
    Picture grasma_{PictureSet::Flash48, 0};
    Picture grasmb_{PictureSet::Flash32, 0};
};

}  // namespace boltik::sprites
