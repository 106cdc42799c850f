// The main loop's table from object code to the object's step, and its error mode.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/board/Board.h"
#include "core/game/Context.h"

namespace boltik::loop {

// Gives the object with code c in cell (x, y) its step. Codes without a step do nothing.
void dispatch(game::Context& ctx, int16_t c, int x, int y);

namespace detail {
constexpr bool stepped(int c) {
    switch (c) {
        case board::code::kCapsule:
        case board::code::kGunDown:
        case board::code::kGunUp:
        case board::code::kTeleporter:
        case board::code::kMagnet:
        case board::code::kCrawler:
        case board::code::kBat:
        case board::code::kBlast1:
        case board::code::kBlast2:
        case board::code::kBlast3:
        case board::code::kBlast4:
        case board::code::kBlast5:
        case board::code::kShotV:
        case board::code::kShotH:
        case board::code::kFuse:
        case board::code::kPlayer:
            return true;
        default:
            return false;
    }
}

constexpr std::array<bool, board::code::kPlayer + 1> kStepped = [] {
    std::array<bool, board::code::kPlayer + 1> table{};
    for (int c = 0; c <= board::code::kPlayer; ++c)
        table[static_cast<std::size_t>(c)] = stepped(c);
    return table;
}();
}  // namespace detail

// Whether code c has a step at all: most cells hold floor or wall, and the sweep passes them
// by without a call.
constexpr bool hasStep(int c) {
    return c >= 0 && c <= board::code::kPlayer && detail::kStepped[static_cast<std::size_t>(c)];
}

}  // namespace boltik::loop
