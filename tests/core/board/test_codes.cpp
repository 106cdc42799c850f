// The table of codes and the board directions.
#include <gtest/gtest.h>

#include <set>

#include "core/board/Codes.h"
#include "core/board/Directions.h"

namespace boltik::board {
namespace {

// Codes listed in ascending order, as the rules and the sprite store name them.
std::vector<int> codesWhere(bool CodeInfo::*flag) {
    std::vector<int> out;
    for (const CodeInfo& row : kCodeTable) {
        if (row.*flag) out.push_back(row.code);
    }
    return out;
}

TEST(CodeTable, SpritesAndSmallTwinsAreTheStoresSlots) {
    EXPECT_EQ(
        codesWhere(&CodeInfo::sprite),
        (std::vector<int>{0,  1,  2,  3,  4,   5,   6,   7,   8,   9,   10,  11,  12,  13,  14, 20,
                          50, 51, 60, 61, 100, 101, 102, 103, 104, 106, 120, 121, 122, 123, 233}));
    EXPECT_EQ(codesWhere(&CodeInfo::smallTwin),
              (std::vector<int>{0,  1,  2,  3,  4,  5,   6,   7,   8,   9,   10,  11,  12,  13, 14,
                                20, 50, 51, 60, 61, 100, 101, 102, 103, 104, 120, 121, 122, 123}));
    EXPECT_EQ(codesWhere(&CodeInfo::smallOnly), (std::vector<int>{233}));
    EXPECT_EQ(codesWhere(&CodeInfo::pushable), (std::vector<int>{3, 8, 9}));
}

TEST(CodeTable, ShootableBelowOneHundredButWallBoxKeyDoorBolt) {
    // A shot destroys what is shootable and is lost in everything else but the floor, for the
    // codes of the table and for every value a level file might hold instead.
    for (int c = -32768; c <= 32767; ++c) {
        const CodeInfo row = info(c);
        const bool stops = c == code::kWall || c == code::kBox || c == code::kKey ||
                           c == code::kDoor || c == code::kBolt;
        ASSERT_EQ(row.shootable, c != 0 && c < 100 && !stops) << c;
        ASSERT_EQ(row.absorbsShot, c != 0 && !row.shootable) << c;
    }
}

TEST(CodeTable, UnknownCodesHaveNoSpriteAndCannotBePushed) {
    for (int c : {-32768, -1, 15, 99, 105, 131, 999, 1001, 32767}) {
        SCOPED_TRACE(c);
        EXPECT_STREQ(info(c).name, "unknown");
        EXPECT_FALSE(info(c).sprite);
        EXPECT_FALSE(info(c).pushable);
        EXPECT_EQ(info(c).code, c);
    }
    EXPECT_STREQ(info(code::kFuse).name, "fuse");
}

TEST(CodeTable, StateLivesInTheObjectsOwnLayersOnly) {
    // The solver keeps a cell's code, its mark and these layers, and nothing else: a layer of
    // the picture's place, the code, the mark or a teleporter's blink count named here would be
    // kept twice or clobber another; a second picture never stands on the board to have any.
    const std::set<int> kObjectLayers = {layer::kPhase, layer::kShotDir, layer::kParamA,
                                         layer::kParamB};
    std::vector<int> withState;
    for (const CodeInfo& row : kCodeTable) {
        SCOPED_TRACE(row.name);
        ASSERT_GE(row.state.count, 0);
        ASSERT_LE(row.state.count, 2);
        std::set<int> layers;
        for (int k = 0; k < row.state.count; ++k) {
            EXPECT_TRUE(kObjectLayers.count(row.state.at[k])) << int{row.state.at[k]};
            EXPECT_TRUE(layers.insert(row.state.at[k]).second) << int{row.state.at[k]};
        }
        if (!row.inPlay) {
            EXPECT_EQ(row.state.count, 0);
        }
        if (row.state.count > 0) withState.push_back(row.code);
    }
    EXPECT_EQ(withState, (std::vector<int>{13, 20, 50, 60, 100, 101, 102, 103, 104, 120, 122}));
    for (int c : {-1, 15, 105, 131, 32767})
        EXPECT_EQ(info(c).state.count, 0) << c;
}

TEST(CodeTable, CodesAndLettersAreUnique) {
    std::set<int> codes;
    std::set<char> letters;
    for (const CodeInfo& row : kCodeTable) {
        EXPECT_TRUE(codes.insert(row.code).second) << row.code;
        if (row.letter) {
            EXPECT_TRUE(letters.insert(row.letter).second) << row.letter;
        }
    }
}

TEST(Directions, NumberedAsLayersHoldThem) {
    struct Case {
        Dir d;
        int layerValue, dx, dy;
        Facing facing;
    };
    const Case kCases[] = {{Dir::Up, 0, 0, -1, Facing::Up},
                           {Dir::Right, 1, 1, 0, Facing::Right},
                           {Dir::Down, 2, 0, 1, Facing::Down},
                           {Dir::Left, 3, -1, 0, Facing::Left}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.layerValue);
        EXPECT_EQ(index(c.d), c.layerValue);
        EXPECT_EQ(dirFromLayer(c.layerValue), c.d);
        EXPECT_EQ(dx(c.d), c.dx);
        EXPECT_EQ(dy(c.d), c.dy);
        EXPECT_EQ(facingOf(c.d), c.facing);
        EXPECT_EQ(turned(c.d, 1), *dirFromLayer((c.layerValue + 1) % 4));
        EXPECT_EQ(turned(c.d, -1), *dirFromLayer((c.layerValue + 3) % 4));
    }
    // The robot's pictures are numbered differently: 0 down, 1 left, 2 right, 3 up.
    EXPECT_EQ(index(Facing::Down), 0);
    EXPECT_EQ(index(Facing::Left), 1);
    EXPECT_EQ(index(Facing::Right), 2);
    EXPECT_EQ(index(Facing::Up), 3);
    EXPECT_FALSE(dirFromLayer(-1));
    EXPECT_FALSE(dirFromLayer(4));
}

}  // namespace
}  // namespace boltik::board
