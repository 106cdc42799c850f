// The size of the play area, the layers of a cell, the object codes and the table of what
// each code means.
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

// Layer 10 of a cell whose object must not act again in this sweep.
inline constexpr int16_t kMarked = -1;

// Layer 1 of a blast stage: which way its stages run.
namespace phase {
inline constexpr int16_t kForward = 0;   // on to stage 104, then the floor
inline constexpr int16_t kBackward = 1;  // back to stage 100, then the robot re-forms
inline constexpr int16_t kTurnBack = 3;  // forward to stage 104, then backward
}  // namespace phase

// Layer 1 of a teleporter: which of its two pictures its next blink paints; any value but
// kPlainNext counts as kLitNext.
namespace teleporterPicture {
inline constexpr int16_t kPlainNext = 0;  // code::kTeleporter
inline constexpr int16_t kLitNext = 1;    // code::kTeleporterLit
}  // namespace teleporterPicture

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
}  // namespace code

// The layers besides the code (layer 7) and the moved mark (layer 10) whose values decide what
// an object does next. Its other layers are leftovers or decide only its pictures.
struct StateLayers {
    int8_t count = 0;
    int8_t at[2] = {0, 0};  // layer numbers, the first count of them
};

inline constexpr StateLayers kNoState{};
inline constexpr StateLayers kShotState{1, {layer::kShotDir, 0}};                 // its direction
inline constexpr StateLayers kPartnerState{2, {layer::kParamA, layer::kParamB}};  // column, row
inline constexpr StateLayers kCrawlerState{2, {layer::kParamA, layer::kParamB}};  // heading, hand
inline constexpr StateLayers kBatState{1, {layer::kParamA, 0}};                   // heading
inline constexpr StateLayers kMagnetState{1, {layer::kParamB, 0}};                // facing
inline constexpr StateLayers kBlastState{1, {layer::kPhase, 0}};                  // which way

// What a code means to the rules, the sprite store and the tests.
struct CodeInfo {
    int16_t code;
    const char* name;              // in English, for tools and test messages
    char letter;                   // in the board pictures of tests; 0 for none
    bool inPlay;                   // can stand in layer 7 (false: a second picture only)
    bool sprite;                   // the sprite store holds a picture graph(code)
    bool smallOnly;                // that picture exists only at 32 pixels
    bool smallTwin;                // a 32-pixel twin takes its place on a narrow screen
    bool pushable;                 // the player pushes it (the capsule only while bolts remain)
    bool shootable;                // a shot or a gun's shot destroys it
    bool absorbsShot;              // a shot fired point-blank into it is lost and changes nothing
    StateLayers state = kNoState;  // the layers its state lives in besides code and mark
};

// One row per code the game knows. The teleporter, bat and horizontal shot have small twins
// too: left at 48 pixels they would spill over the neighbouring 32-pixel cells.
// clang-format off
inline constexpr CodeInfo kCodeTable[] = {
    // code               name                    letter play  sprite small twin   push   shoot  absorbs  state
    {code::kEmpty,        "empty",                '.',   true, true,  false, true,  false, false, false, kNoState},
    {code::kRubble,       "rubble",               'r',   true, true,  false, true,  false, true,  false, kNoState},
    {code::kWall,         "wall",                 '#',   true, true,  false, true,  false, false, true,  kNoState},
    {code::kBox,          "box",                  'B',   true, true,  false, true,  true,  false, true,  kNoState},
    {code::kAmmo,         "ammo",                 'a',   true, true,  false, true,  false, true,  false, kNoState},
    {code::kKey,          "key",                  'k',   true, true,  false, true,  false, false, true,  kNoState},
    {code::kDoor,         "door",                 'D',   true, true,  false, true,  false, false, true,  kNoState},
    {code::kBolt,         "bolt",                 '*',   true, true,  false, true,  false, false, true,  kNoState},
    {code::kBomb,         "bomb",                 'o',   true, true,  false, true,  true,  true,  false, kNoState},
    {code::kCapsule,      "capsule",              'C',   true, true,  false, true,  true,  true,  false, kNoState},
    {code::kGunDown,      "gun down",             'v',   true, true,  false, true,  false, true,  false, kNoState},
    {code::kGunUp,        "gun up",               '^',   true, true,  false, true,  false, true,  false, kNoState},
    {code::kCapsuleLit,   "capsule lit",          0,     false, true, false, true,  false, true,  false, kNoState},
    {code::kTeleporter,   "teleporter",           'T',   true, true,  false, true,  false, true,  false, kPartnerState},
    {code::kTeleporterLit, "teleporter lit",      0,     false, true, false, true,  false, true,  false, kNoState},
    {code::kMagnet,       "magnet",               'M',   true, true,  false, true,  false, true,  false, kMagnetState},
    {code::kCrawler,      "crawler",              'c',   true, true,  false, true,  false, true,  false, kCrawlerState},
    {code::kCrawlerFrame, "crawler frame 2",      0,     false, true, false, true,  false, true,  false, kNoState},
    {code::kBat,          "bat",                  'b',   true, true,  false, true,  false, true,  false, kBatState},
    {code::kBatFrame,     "bat frame 2",          0,     false, true, false, true,  false, true,  false, kNoState},
    {code::kBlast1,       "blast stage 1",        '1',   true, true,  false, true,  false, false, true,  kBlastState},
    {code::kBlast2,       "blast stage 2",        '2',   true, true,  false, true,  false, false, true,  kBlastState},
    {code::kBlast3,       "blast stage 3",        '3',   true, true,  false, true,  false, false, true,  kBlastState},
    {code::kBlast4,       "blast stage 4",        '4',   true, true,  false, true,  false, false, true,  kBlastState},
    {code::kBlast5,       "blast stage 5",        '5',   true, true,  false, true,  false, false, true,  kBlastState},
    {code::kBlackout,     "blackout",             0,     true, true,  false, false, false, false, true,  kNoState},
    {code::kShotV,        "vertical shot",        '|',   true, true,  false, true,  false, false, true,  kShotState},
    {code::kShotVFrame,   "vertical shot frame 2", 0,    false, true, false, true,  false, false, true,  kNoState},
    {code::kShotH,        "horizontal shot",      '-',   true, true,  false, true,  false, false, true,  kShotState},
    {code::kShotHFrame,   "horizontal shot frame 2", 0,  false, true, false, true,  false, false, true,  kNoState},
    {code::kFuse,         "fuse",                 'f',   true, false, false, false, false, false, true,  kNoState},
    {code::kGreenTile,    "green tile",           0,     false, true, true,  false, false, false, true,  kNoState},
    {code::kPlayer,       "player",               'P',   true, false, false, false, false, false, true,  kNoState},
};
// clang-format on

// The row of a code. A code without a row (a level file may hold any 16-bit value) is named
// "unknown", has no sprite, cannot be pushed and keeps no state layers; below 100 it is
// shootable like rubble, from 100 up it swallows a shot like a blast.
CodeInfo info(int code);

}  // namespace boltik::board
