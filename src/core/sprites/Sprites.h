// Which picture sits in which sprite slot. Animation exchanges pictures between slots; the
// board keeps its object codes and draws whatever picture its code's slot holds now.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/board/Directions.h"

namespace boltik::sprites {

// The picture families of the sprite store: object pictures and robot views at two sizes,
// and the two flash pictures.
enum class PictureSet : uint8_t { Object48, Object32, Robot48, Robot32, Flash48, Flash32 };

struct Picture {
    PictureSet set;
    int16_t index;
    bool operator==(const Picture&) const = default;

    // Size in pixels. The pictures are square; the green tile 233 is small by design.
    int size() const;
};

// The file stem of a picture, as the picture generator writes it and the sprite store loads
// it: "graph48_7", "graph32_7", "mes48_0", "mes32_0", "grasma", "grasmb".
std::string fileStem(Picture picture);

// Every picture the sprite store can name, each once: the object pictures of the table of
// codes with their small twins, the robot views at both sizes, the two flash pictures.
std::vector<Picture> allPictures();

// The robot's pictures mes(0..7): the four facings, numbered as Facing numbers them, and their
// second walking frames. A re-forming blast keeps the view it ends with in layer 0.
enum class RobotView : int8_t {
    Down = 0,
    Left = 1,
    Right = 2,
    Up = 3,
    RightStep = 4,
    LeftStep = 5,
    UpStep = 6,
    DownStep = 7,
};
inline constexpr int kRobotViews = 8;

constexpr int index(RobotView v) {
    return static_cast<int>(v);
}
// The view that shows the robot facing f.
constexpr RobotView viewOf(board::Facing f) {
    return static_cast<RobotView>(board::index(f));
}
static_assert(viewOf(board::Facing::Down) == RobotView::Down &&
              viewOf(board::Facing::Left) == RobotView::Left &&
              viewOf(board::Facing::Right) == RobotView::Right &&
              viewOf(board::Facing::Up) == RobotView::Up);

class SpriteStore {
public:
    static constexpr int kObjectSlots = 234;

    SpriteStore();

    // graph(n): the picture of object code n, or nothing for a code without one (the
    // player's, the fuse's, anything outside 0..233).
    std::optional<Picture> object(int n) const;
    // mes(n): robot view n; nothing outside 0..7.
    std::optional<Picture> robot(int n) const;
    std::optional<Picture> robot(RobotView v) const { return robot(index(v)); }
    std::optional<Picture> robot(board::Facing f) const { return robot(viewOf(f)); }
    // grasma: the pale picture of the all-bolts flash.
    Picture flashPicture() const { return flash_; }
    // The cell size: the size of the picture now in the slot of code 0.
    int cellSize() const;

    // menial: exchange the pictures of object slots a and b.
    void swapObjects(int a, int b);
    // menialRobo: exchange the pictures of robot views a and b.
    void swapRobotViews(int a, int b);
    void swapRobotViews(RobotView a, RobotView b) { swapRobotViews(index(a), index(b)); }
    // robchan: the robot's next walking frame, once per step of the player.
    void nextWalkFrame();
    // One tick of the frame animation (every 200 ms): enemies' and shots' second frames.
    void animationTick();
    // On a narrow screen the 32-pixel twins take the places of the 48-pixel pictures.
    void useSmallPictures();

private:
    std::array<std::optional<Picture>, kObjectSlots> objects_{};       // graph
    std::array<std::optional<Picture>, kObjectSlots> smallObjects_{};  // kraph
    std::array<Picture, kRobotViews> robots_{};                        // mes
    std::array<Picture, kRobotViews> smallRobots_{};                   // mess
    Picture flash_{PictureSet::Flash48, 0};                            // grasma
    Picture smallFlash_{PictureSet::Flash32, 0};                       // grasmb
};

}  // namespace boltik::sprites
