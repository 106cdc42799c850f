// Sprite slots and their exchanges.
#include "core/sprites/Sprites.h"

#include <initializer_list>
#include <utility>

#include "core/board/Codes.h"

namespace boltik::sprites {

namespace code = board::code;

namespace {

// Object sprites at 48 pixels; 233 exists only at 32 pixels.
constexpr std::initializer_list<int> kGraphIndices = {
    0,  1,  2,  3,  4,   5,   6,   7,   8,   9,   10,  11,  12,  13,  14, 20,
    50, 51, 60, 61, 100, 101, 102, 103, 104, 106, 120, 121, 122, 123, 233};

// Sprites with a 32-pixel twin, exchanged on a narrow screen. The teleporter, bat and
// horizontal shot pictures are here too: left at 48 pixels they would spill over the
// neighbouring 32-pixel cells.
constexpr std::initializer_list<int> kSmallTwins = {0,   1,   2,   3,   4,   5,   6,   7,   8,  9,
                                                    10,  11,  12,  13,  14,  20,  50,  51,  60, 61,
                                                    100, 101, 102, 103, 104, 120, 121, 122, 123};

bool validGraph(int n) {
    return n >= 0 && n < SpriteStore::kGraphSlots;
}

}  // namespace

int Picture::size() const {
    switch (set) {
        case PictureSet::Graph48:
            return index == code::kGreenTile ? 32 : 48;
        case PictureSet::Mes48:
        case PictureSet::Flash48:
            return 48;
        default:
            return 32;
    }
}

SpriteStore::SpriteStore() {
    for (int n : kGraphIndices) {
        graph_[n] = Picture{n == code::kGreenTile ? PictureSet::Graph32 : PictureSet::Graph48,
                            static_cast<int16_t>(n)};
    }
    for (int n : kSmallTwins)
        kraph_[n] = Picture{PictureSet::Graph32, static_cast<int16_t>(n)};
    for (int n = 0; n < kMesSlots; ++n) {
        mes_[n] = Picture{PictureSet::Mes48, static_cast<int16_t>(n)};
        mess_[n] = Picture{PictureSet::Mes32, static_cast<int16_t>(n)};
    }
}

std::optional<Picture> SpriteStore::graph(int n) const {
    if (!validGraph(n)) return std::nullopt;
    return graph_[n];
}

std::optional<Picture> SpriteStore::mes(int n) const {
    if (n < 0 || n >= kMesSlots) return std::nullopt;
    return mes_[n];
}

int SpriteStore::cellSize() const {
    return graph_[0] ? graph_[0]->size() : 48;
}

void SpriteStore::menial(int a, int b) {
    if (validGraph(a) && validGraph(b)) std::swap(graph_[a], graph_[b]);
}

void SpriteStore::menialRobo(int a, int b) {
    if (a >= 0 && a < kMesSlots && b >= 0 && b < kMesSlots) std::swap(mes_[a], mes_[b]);
}

void SpriteStore::robchan() {
    menialRobo(3, 6);
    menialRobo(4, 2);
    menialRobo(7, 0);
    menialRobo(1, 5);
}

void SpriteStore::animationTick() {
    menial(60, 61);
    menial(120, 121);
    menial(122, 123);
    menial(50, 51);
}

void SpriteStore::narrowExchange() {
    std::swap(grasma_, grasmb_);
    for (int n : kSmallTwins)
        std::swap(graph_[n], kraph_[n]);
    for (int n = 0; n < kMesSlots; ++n)
        std::swap(mes_[n], mess_[n]);
}

}  // namespace boltik::sprites
