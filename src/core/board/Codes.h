// Object codes, layer numbers, directions and the size of the play area.
#pragma once

#include <cstdint>

namespace boltik::board {

// The board array is 31 x 31 cells; only columns 0..18 and rows 0..11 are in play.
inline constexpr int kBoardSize = 31;
inline constexpr int kLayerCount = 11;
inline constexpr int kLastCol = 18;
inline constexpr int kLastRow = 11;
inline constexpr int kPlayCells = (kLastCol + 1) * (kLastRow + 1);

// What each of the eleven layers of a cell holds.
namespace layer {
inline constexpr int kTick = 0;     // teleporter tick counter; robot view of a re-forming blast
inline constexpr int kPhase = 1;    // blast direction flag; teleporter picture phase
inline constexpr int kLeft = 2;     // pixel left of the cell on the board picture
inline constexpr int kTop = 3;      // pixel top
inline constexpr int kHeight = 4;   // cell height in pixels
inline constexpr int kWidth = 5;    // cell width in pixels
inline constexpr int kShotDir = 6;  // direction of a shot
inline constexpr int kCode = 7;     // object code
inline constexpr int kParamA = 8;   // teleporter partner column; crawler and bat heading
inline constexpr int kParamB = 9;   // teleporter partner row; crawler hand side; magnet facing
inline constexpr int kMoved = 10;   // -1 while the object must not act again in this sweep
}  // namespace layer

// Object codes kept in layer 7. Codes are 16-bit because a level file may hold any value.
namespace code {
inline constexpr int16_t kEmpty = 0;
inline constexpr int16_t kRubble = 1;
inline constexpr int16_t kWall = 2;
inline constexpr int16_t kBox = 3;
inline constexpr int16_t kAmmo = 4;
inline constexpr int16_t kKey = 5;
inline constexpr int16_t kDoor = 6;
inline constexpr int16_t kBolt = 7;
inline constexpr int16_t kBomb = 8;
inline constexpr int16_t kCapsule = 9;
inline constexpr int16_t kGunDown = 10;
inline constexpr int16_t kGunUp = 11;
inline constexpr int16_t kCapsuleLit = 12;  // sprite only
inline constexpr int16_t kTeleporter = 13;
inline constexpr int16_t kTeleporterLit = 14;  // sprite only
inline constexpr int16_t kMagnet = 20;
inline constexpr int16_t kCrawler = 50;
inline constexpr int16_t kCrawlerFrame = 51;  // sprite only
inline constexpr int16_t kBat = 60;
inline constexpr int16_t kBatFrame = 61;  // sprite only
inline constexpr int16_t kBlast1 = 100;
inline constexpr int16_t kBlast2 = 101;
inline constexpr int16_t kBlast3 = 102;
inline constexpr int16_t kBlast4 = 103;
inline constexpr int16_t kBlast5 = 104;
inline constexpr int16_t kBlackout = 106;
inline constexpr int16_t kShotV = 120;
inline constexpr int16_t kShotVFrame = 121;  // sprite only
inline constexpr int16_t kShotH = 122;
inline constexpr int16_t kShotHFrame = 123;  // sprite only
inline constexpr int16_t kFuse = 130;
inline constexpr int16_t kGreenTile = 233;  // sprite only
inline constexpr int16_t kPlayer = 1000;

constexpr bool isBlast(int c) {
    return c >= kBlast1 && c <= kBlast5;
}

// A shot or a blast destroys these: non-zero codes below 100 except wall, box, key, door, bolt.
constexpr bool isShootable(int c) {
    return c != kEmpty && c < 100 && c != kWall && c != kBox && c != kKey && c != kDoor &&
           c != kBolt;
}
}  // namespace code

// Directions as board layers hold them: 0 up, 1 right, 2 down, 3 left.
namespace dir {
inline constexpr int kUp = 0;
inline constexpr int kRight = 1;
inline constexpr int kDown = 2;
inline constexpr int kLeft = 3;
inline constexpr int kDx[4] = {0, 1, 0, -1};
inline constexpr int kDy[4] = {-1, 0, 1, 0};
}  // namespace dir

}  // namespace boltik::board
