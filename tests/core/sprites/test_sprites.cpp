// Sprite slots: the exchanges that animate the board and fit it to a narrow screen.
#include <gtest/gtest.h>

#include "core/sprites/Drawing.h"
#include "core/sprites/Sprites.h"
#include "support/Rig.h"

namespace boltik::sprites {
namespace {

using namespace board;
using testing::graphPicture;
using testing::mesPicture;

TEST(SpriteSlots, RobchanExchangesFourPairsAndTwiceRestores) {
    SpriteStore s;
    s.nextWalkFrame();
    const std::pair<int, int> pairs[] = {{0, 7}, {1, 5}, {2, 4}, {3, 6}};
    for (auto [a, b] : pairs) {
        EXPECT_EQ(*s.robot(a), mesPicture(b));
        EXPECT_EQ(*s.robot(b), mesPicture(a));
    }
    s.nextWalkFrame();
    for (int n = 0; n < 8; ++n)
        EXPECT_EQ(*s.robot(n), mesPicture(n));
}

TEST(SpriteSlots, AnimationTickSwapsFramesAndEvenTicksRestore) {
    SpriteStore s;
    s.animationTick();
    for (auto [a, b] : {std::pair{60, 61}, {120, 121}, {122, 123}, {50, 51}}) {
        EXPECT_EQ(*s.object(a), graphPicture(b));
    }
    EXPECT_EQ(*s.object(9), graphPicture(9));
    s.animationTick();
    for (int n : {50, 51, 60, 61, 120, 121, 122, 123})
        EXPECT_EQ(*s.object(n), graphPicture(n));
}

TEST(SpriteSlots, NoSpriteForThePlayerOrUnknownCodes) {
    SpriteStore s;
    EXPECT_FALSE(s.object(1000));
    EXPECT_FALSE(s.object(-1));
    EXPECT_FALSE(s.object(15));
    EXPECT_FALSE(s.robot(8));
    EXPECT_EQ(s.cellSize(), 48);
    EXPECT_EQ(s.object(233)->size(), 32);
}

TEST(NarrowScreen, EverySpriteDrawnOnTheBoardBecomesSmall) {
    SpriteStore s;
    s.useSmallPictures();
    EXPECT_EQ(s.cellSize(), 32);
    for (int n : {0, 1, 2, 3, 8, 9, 12, 13, 14, 20, 50, 51, 60, 61, 100, 104, 120, 121, 122, 123}) {
        EXPECT_EQ(s.object(n)->size(), 32) << n;
    }
    for (int n = 0; n < 8; ++n)
        EXPECT_EQ(s.robot(n)->size(), 32);
    EXPECT_EQ(s.flashPicture().size(), 32);
    EXPECT_EQ(s.object(106)->size(), 48);  // the curtain is black at any size
}

TEST(Drawing, MenzemlSwapsOnlyCodesAndPaintsBoth) {
    testing::Rig rig;
    rig.place({{"#...", "#c.."}});
    rig.world.board.set(1, 1, layer::kParamA, 2);
    rig.world.board.set(1, 1, layer::kParamB, 3);
    rig.ctx.draw.swapCells(1, 1, 2, 1);
    EXPECT_EQ(rig.code(2, 1), code::kCrawler);
    EXPECT_EQ(rig.code(1, 1), code::kEmpty);
    EXPECT_EQ(rig.at(1, 1, layer::kParamA), 2);  // headings stay behind
    EXPECT_EQ(rig.at(2, 1, layer::kParamA), 0);
    ASSERT_EQ(rig.canvas.paints.size(), 2u);
    EXPECT_EQ(rig.canvas.paints[0].picture, graphPicture(0));
    EXPECT_EQ(rig.canvas.paints[1].picture, graphPicture(50));
    rig.ctx.draw.swapCells(2, 1, 2, 1);
    EXPECT_EQ(rig.code(2, 1), code::kCrawler);
    EXPECT_EQ(rig.paintsAt(2, 1).size(), 3u);
}

TEST(Drawing, PlayerCellPaintsNothing) {
    testing::Rig rig;
    rig.place({{"#P"}});
    EXPECT_FALSE(rig.ctx.draw.DrawZeml(1, 0));
    EXPECT_TRUE(rig.canvas.paints.empty());
}

}  // namespace
}  // namespace boltik::sprites
