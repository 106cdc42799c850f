// The level editor's palette and KudaSow's crawler choices as tables: what each tool paints and
// what each choice sets, with the picture and the place that show it; the editor's rules, its
// window, turtool edit and the picture generator all read them from here.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "core/board/Codes.h"
#include "core/board/Directions.h"

namespace boltik::editor {

// A place in a window, in twips (15 to a pixel): the left and top edges.
struct TwipsPlace {
    int left, top;
};

// One tool of the palette: the object code it paints, the editor picture that shows it (in the
// palette, in the preview and on the grid), and where its square sits in the editor window.
struct Tool {
    int16_t code;
    const char* picture;
    TwipsPlace place;
};

// The palette by index. The window keeps two columns, at Left 120 and Left 720.
inline constexpr std::array<Tool, 14> kPalette = {{
    {board::code::kEmpty, "obje_0", {120, 240}},  // the eraser
    {board::code::kWall, "obje_1", {120, 1440}},
    {board::code::kBox, "obje_2", {120, 2040}},
    {board::code::kAmmo, "obje_3", {120, 2640}},
    {board::code::kKey, "obje_4", {120, 3240}},
    {board::code::kDoor, "obje_5", {120, 3840}},
    {board::code::kBolt, "obje_6", {120, 4440}},
    {board::code::kBomb, "obje_7", {120, 5040}},
    {board::code::kCapsule, "obje_8", {120, 5640}},
    {board::code::kPlayer, "obje_9", {120, 6240}},
    {board::code::kRubble, "obje_10", {120, 840}},
    {board::code::kCrawler, "obje_11", {720, 6240}},
    {board::code::kBat, "obje_12", {720, 5640}},
    {board::code::kTeleporter, "obje_13", {720, 240}},
}};
inline constexpr int kTools = static_cast<int>(kPalette.size());

// The code a tool paints; 0 for an index outside the palette.
constexpr int16_t toolCode(int tool) {
    return tool >= 0 && tool < kTools ? kPalette[tool].code : board::code::kEmpty;
}

// The tool whose picture shows a code; nothing for a code no tool paints (a gun, say).
constexpr std::optional<int> paletteIndexFor(int code) {
    for (int i = 0; i < kTools; ++i) {
        if (kPalette[i].code == code) return i;
    }
    return std::nullopt;
}

// The tool that paints a code, for naming the tools the rules treat apart; a code that no
// tool paints does not compile.
consteval int toolPainting(int16_t code) {
    const auto tool = paletteIndexFor(code);
    if (!tool) throw "no tool paints this code";
    return *tool;
}

inline constexpr int kToolEraser = toolPainting(board::code::kEmpty);
inline constexpr int kToolWall = toolPainting(board::code::kWall);
inline constexpr int kToolBolt = toolPainting(board::code::kBolt);
inline constexpr int kToolPlayer = toolPainting(board::code::kPlayer);
inline constexpr int kToolCrawler = toolPainting(board::code::kCrawler);
inline constexpr int kToolBat = toolPainting(board::code::kBat);
inline constexpr int kToolTeleporter = toolPainting(board::code::kTeleporter);

// One answer of KudaSow: the heading (layer 8) and the hand side (layer 9, the side its wall
// is on) it gives a new crawler, its picture, and where the picture sits in KudaSow.
struct CrawlerChoice {
    board::Dir heading;
    board::Dir hand;
    const char* picture;
    TwipsPlace place;
};

// KudaSow's pictures by index: up and down along a wall on the right, then on the left.
inline constexpr std::array<CrawlerChoice, 4> kCrawlerChoices = {{
    {board::Dir::Up, board::Dir::Right, "kudasow_0", {120, 120}},
    {board::Dir::Down, board::Dir::Right, "kudasow_1", {2040, 120}},
    {board::Dir::Up, board::Dir::Left, "kudasow_2", {120, 1200}},
    {board::Dir::Down, board::Dir::Left, "kudasow_3", {2040, 1200}},
}};
inline constexpr int kCrawlerChoiceCount = static_cast<int>(kCrawlerChoices.size());

}  // namespace boltik::editor
