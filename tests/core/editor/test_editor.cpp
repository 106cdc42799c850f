// The level editor's rules: painting, bolts, the one player, crawler headings, teleporter
// pairs, and New, Load and Save.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "core/board/Codes.h"
#include "core/board/LevelFile.h"
#include "core/editor/Editor.h"
#include "support/EditorDesk.h"
#include "support/Rig.h"

namespace boltik::editor {
namespace {

using namespace board;
using testing::boardPicture;
using Desk = testing::EditorDesk;

TEST(EditorOpens, WithAWallRingAroundEmptyFloor) {
    Desk d;
    EXPECT_EQ(d.row(0), "###################");
    EXPECT_EQ(d.row(5), "#.................#");
    EXPECT_EQ(d.editor.boltCaption(), "0");
    EXPECT_FALSE(d.editor.player());
    EXPECT_EQ(d.at(3, 2, layer::kLeft), 3 * 480);
    EXPECT_EQ(d.at(3, 2, layer::kTop), 2 * 480);
    EXPECT_EQ(d.editor.takePaints().size(), 228u);
}

TEST(Painting, ClickAndDragPaintEveryCellPassedOver) {
    Desk d;
    d.tool(2);  // box
    d.drag({{1, 1}, {2, 1}, {3, 1}, {3, 2}});
    d.tool(kToolWall);
    d.click(0, 0);  // the ring may be painted over, with anything
    d.tool(kToolEraser);
    d.click(18, 5);
    EXPECT_EQ(d.row(0), "###################");
    EXPECT_EQ(d.row(1), "#BBB..............#");
    EXPECT_EQ(d.row(2), "#..B..............#");
    EXPECT_EQ(d.row(5), "#..................");
    // Outside the squares nothing happens, and the drag still paints once it comes in.
    d.tool(10);  // rubble
    d.editor.mouseDown(std::nullopt, d.host);
    EXPECT_EQ(d.row(3), "#.................#");
    d.editor.mouseMove(Cell{5, 3}, d.host);
    d.editor.mouseUp();
    d.editor.mouseMove(Cell{6, 3}, d.host);  // released: nothing more
    EXPECT_EQ(d.row(3), "#....r............#");
    EXPECT_EQ(d.editor.pointerCell(), (Cell{6, 3}));
}

TEST(Bolts, CountedThroughPaintingErasingAndPaintingOver) {
    Desk d;
    d.tool(kToolBolt);
    d.drag({{1, 1}, {2, 1}, {2, 1}, {3, 1}});
    EXPECT_EQ(d.editor.boltCaption(), "3");
    d.click(2, 1);  // a bolt over a bolt
    EXPECT_EQ(d.editor.boltCount(), 3);
    d.tool(kToolEraser);
    d.click(1, 1);
    EXPECT_EQ(d.editor.boltCount(), 2);
    d.tool(kToolWall);
    d.click(3, 1);
    EXPECT_EQ(d.editor.boltCaption(), "1");
    EXPECT_EQ(d.row(1), "#.*#..............#");
}

TEST(Bolts, TheCountShownIsTheCountSaved) {
    // Three bolts on row 1 to begin with; what is left of them after the actions.
    struct Case {
        const char* name;
        std::function<void(Desk&)> act;
        const char* row1;
        int bolts;
    };
    const Case kCases[] = {
        {"Escape from a pair begun on a bolt",
         [](Desk& d) {
             d.tool(kToolTeleporter);
             d.click(2, 1);
             d.editor.escape();
         },
         "#***..............#", 3},
        {"a right click leaving a pair begun on a bolt",
         [](Desk& d) {
             d.tool(kToolTeleporter);
             d.click(2, 1);
             d.editor.mouseDown(Cell{9, 9}, d.host, true);
             d.editor.mouseUp();
         },
         "#***..............#", 3},
        {"a pair from one bolt to another",
         [](Desk& d) {
             d.tool(kToolTeleporter);
             d.click(1, 1);
             d.click(3, 1);
         },
         "#T*T..............#", 1},
        {"a stroke whose release never came, New, and undo",
         [](Desk& d) {
             d.tool(2);  // box
             d.editor.mouseDown(Cell{1, 1}, d.host);
             d.editor.mouseMove(Cell{2, 1}, d.host);
             d.editor.newLevel();
             ASSERT_TRUE(d.editor.undo());  // New alone is taken back
         },
         "#BB*..............#", 1},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        testing::TempDir dir;
        Desk d;
        d.tool(kToolBolt);
        d.drag({{1, 1}, {2, 1}, {3, 1}});
        c.act(d);
        EXPECT_EQ(d.row(1), c.row1);
        EXPECT_EQ(d.editor.boltCount(), c.bolts);
        EXPECT_EQ(d.editor.boltCaption(), std::to_string(c.bolts));
        ASSERT_TRUE(d.editor.save("l.tur"));
        Board saved;
        EXPECT_EQ(readLevelFile("l.tur", saved).boltLine, std::to_string(c.bolts));
    }
}

TEST(Player, OnlyOneAndItsOwnCellStays) {
    Desk d;
    d.tool(kToolPlayer);
    d.click(2, 2);
    d.click(2, 2);  // again on its own cell: still the player
    EXPECT_EQ(d.code(2, 2), code::kPlayer);
    d.click(5, 4);
    EXPECT_EQ(d.code(2, 2), code::kEmpty);
    EXPECT_EQ(d.code(5, 4), code::kPlayer);
    EXPECT_EQ(d.editor.player(), (Cell{5, 4}));
    // Painted over since, the old cell is not the player's: it keeps what was painted.
    d.tool(2);
    d.click(5, 4);
    d.tool(kToolPlayer);
    d.click(7, 7);
    EXPECT_EQ(d.code(5, 4), code::kBox);
    const auto paints = d.editor.takePaints();
    EXPECT_EQ(paints.back().cell, (Cell{7, 7}));
}

TEST(Crawler, KudaSowChoosesHeadingAndHand) {
    struct Case {
        std::optional<int> picture;
        int heading, hand;
    };
    const Case kCases[] = {{0, 0, 1}, {1, 2, 1}, {2, 0, 3}, {3, 2, 3}};
    for (const Case& c : kCases) {
        Desk d;
        d.tool(kToolCrawler);
        d.host.headings = {c.picture};
        d.drag({{4, 4}, {5, 4}});  // the crawler tool ends the drag
        EXPECT_EQ(d.code(4, 4), code::kCrawler);
        EXPECT_EQ(d.code(5, 4), code::kEmpty);
        EXPECT_EQ(d.at(4, 4, layer::kParamA), c.heading);
        EXPECT_EQ(d.at(4, 4, layer::kParamB), c.hand);
        EXPECT_EQ(d.host.asked, 1);
    }
}

TEST(Crawler, KudaSowClosedWithoutAChoice) {
    Desk d;
    d.tool(kToolCrawler);
    d.click(4, 4);  // nothing chosen ever: the layers stay as they were
    EXPECT_EQ(d.at(4, 4, layer::kParamA), 0);
    EXPECT_EQ(d.at(4, 4, layer::kParamB), 0);
    d.host.headings = {3};
    d.click(5, 5);
    d.host.headings = {std::nullopt};
    d.click(6, 6);  // the last choice is applied again
    EXPECT_EQ(d.at(6, 6, layer::kParamA), 2);
    EXPECT_EQ(d.at(6, 6, layer::kParamB), 3);
}

TEST(Teleporters, PlacedAsALinkedPair) {
    Desk d;
    d.tool(kToolBolt);
    d.click(9, 9);
    d.tool(kToolTeleporter);
    d.click(3, 3);
    EXPECT_EQ(d.editor.pairingCell(), (Cell{3, 3}));
    d.editor.mouseMove(Cell{8, 8}, d.host);  // moving only shows where the partner would go
    EXPECT_EQ(d.code(8, 8), code::kEmpty);
    EXPECT_EQ(d.editor.pointerCell(), (Cell{8, 8}));
    d.click(9, 9);  // the partner on a bolt
    EXPECT_FALSE(d.editor.pairingCell());
    EXPECT_EQ(d.code(3, 3), code::kTeleporter);
    EXPECT_EQ(d.code(9, 9), code::kTeleporter);
    EXPECT_EQ(d.at(3, 3, layer::kParamA), 9);
    EXPECT_EQ(d.at(3, 3, layer::kParamB), 9);
    EXPECT_EQ(d.at(9, 9, layer::kParamA), 3);
    EXPECT_EQ(d.at(9, 9, layer::kParamB), 3);
    EXPECT_EQ(d.editor.boltCaption(), "0");
}

TEST(Teleporters, LinkedToItself) {
    Desk d;
    d.tool(kToolTeleporter);
    d.click(4, 6);
    d.click(4, 6);
    EXPECT_EQ(d.code(4, 6), code::kTeleporter);
    EXPECT_EQ(d.at(4, 6, layer::kParamA), 4);
    EXPECT_EQ(d.at(4, 6, layer::kParamB), 6);
}

TEST(Teleporters, PairingLeftWithEscapeOrARightClickPutsBackTheCell) {
    for (bool rightClick : {false, true}) {
        Desk d;
        d.tool(kToolBolt);
        d.click(3, 3);
        d.tool(kToolTeleporter);
        d.click(3, 3);
        EXPECT_EQ(d.editor.boltCaption(), "0");
        if (rightClick) {
            d.editor.mouseDown(Cell{7, 7}, d.host, true);
            d.editor.mouseUp();
        } else {
            d.editor.escape();
        }
        EXPECT_FALSE(d.editor.pairingCell());
        EXPECT_EQ(d.code(3, 3), code::kBolt);
        EXPECT_EQ(d.code(7, 7), code::kEmpty);
        EXPECT_EQ(d.editor.boltCaption(), "1");
        d.click(5, 5);  // a new pair starts
        EXPECT_EQ(d.editor.pairingCell(), (Cell{5, 5}));
    }
}

TEST(FileOperations, SaveThenLoadGivesTheSameLevel) {
    testing::TempDir dir;
    Desk d;
    d.tool(kToolBolt);
    d.drag({{1, 1}, {2, 1}});
    d.tool(kToolCrawler);
    d.host.headings = {1};
    d.click(5, 5);
    d.tool(kToolTeleporter);
    d.click(3, 3);
    d.click(8, 8);
    d.tool(kToolPlayer);
    d.click(1, 10);
    ASSERT_TRUE(d.editor.save("l.tur"));
    EXPECT_EQ(dir.read("l.tur"), levelText(d.editor.board(), 2));
    Desk back;
    ASSERT_TRUE(back.editor.load("l.tur"));
    for (int x = 0; x <= kLastCol; ++x) {
        for (int y = 0; y <= kLastRow; ++y) {
            for (int l : {layer::kCode, layer::kParamA, layer::kParamB})
                ASSERT_EQ(back.at(x, y, l), d.at(x, y, l)) << x << "," << y << " " << l;
            ASSERT_EQ(back.at(x, y, layer::kShotDir), 0);
        }
    }
    EXPECT_EQ(back.editor.boltCount(), 2);
    EXPECT_EQ(back.editor.player(), (Cell{1, 10}));  // remembered from the file
    back.tool(kToolPlayer);
    back.click(4, 4);
    EXPECT_EQ(back.code(1, 10), code::kEmpty);
}

TEST(FileOperations, LoadKeepsCodesWithoutAPictureAndTheCaptionAsWritten) {
    testing::TempDir dir;
    dir.write("g.tur", testing::levelFileText(
                           {{"#####", "#Pv^#", "#####"}, {{2, 1, layer::kShotDir, 2}}, "007"}));
    Desk d;
    d.editor.takePaints();
    ASSERT_TRUE(d.editor.load("g.tur"));
    EXPECT_EQ(d.code(2, 1), code::kGunDown);
    EXPECT_EQ(d.code(3, 1), code::kGunUp);
    EXPECT_FALSE(paletteIndexFor(code::kGunDown));
    EXPECT_EQ(d.editor.boltCaption(), "007");
    EXPECT_EQ(d.editor.boltCount(), 7);
    EXPECT_EQ(d.editor.takePaints().size(), 228u);
    ASSERT_TRUE(d.editor.save("h.tur"));
    Board back;
    ASSERT_TRUE(readLevelFile("h.tur", back).ok);
    EXPECT_EQ(back.code(2, 1), code::kGunDown);
    EXPECT_EQ(back.at(2, 1, layer::kShotDir), 0);           // layer 6 is always written as 0
    EXPECT_EQ(readLevelFile("h.tur", back).boltLine, "7");  // boltCount, not the caption
}

TEST(FileOperations, NewAfterALoad) {
    testing::TempDir dir;
    dir.write("c.tur", testing::levelFileText({{"####", "#Pc#", "#**#", "####"}, {}, "2"}));
    Desk d;
    d.editor.load("c.tur");
    d.editor.newLevel();
    EXPECT_EQ(d.editor.boltCaption(), "0");
    EXPECT_FALSE(d.editor.player());
    EXPECT_EQ(d.row(1), "#.................#");
    EXPECT_EQ(d.row(0), "###################");
}

TEST(FileOperations, AFailedLoadLeavesTheEditorAsItWas) {
    testing::TempDir dir;
    std::string half = testing::levelFileText({{"#####", "#Pk.#"}, {}, "0"});
    half.resize(half.size() / 2);
    dir.write("half.tur", half);
    dir.write("word.tur", testing::levelFileText({{"###"}, {}, "many"}));
    std::filesystem::create_directory("dir.tur");
    Desk d;
    d.tool(kToolBolt);
    d.click(2, 2);
    const auto before = boardPicture(d.editor.board());
    for (const char* file : {"half.tur", "word.tur", "dir.tur", "missing.tur"}) {
        SCOPED_TRACE(file);
        const FileResult r = d.editor.load(file);
        EXPECT_FALSE(r);
        EXPECT_EQ(r.message, "!!!");
        EXPECT_EQ(boardPicture(d.editor.board()), before);
        EXPECT_EQ(d.editor.boltCaption(), "1");
    }
}

TEST(FileOperations, AFailedSaveLeavesTheOldFile) {
    testing::TempDir dir;
    dir.write("x.tur", "old");
    std::filesystem::create_directory("x.tur.part");
    Desk d;
    const FileResult r = d.editor.save("x.tur");
    EXPECT_FALSE(r);
    EXPECT_EQ(r.message, "Не удалось записать файл x.tur: на этом месте папка");
    EXPECT_EQ(dir.read("x.tur"), "old");
}

}  // namespace
}  // namespace boltik::editor
