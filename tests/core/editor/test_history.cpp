// The editor's undo and redo: each kind of step taken back and made again whole, with its
// bolts and its player; steps that are none; the depth of the history; and which levels count
// as unsaved.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "core/board/Codes.h"
#include "core/editor/Editor.h"
#include "support/EditorDesk.h"
#include "support/Rig.h"

namespace boltik::editor {
namespace {

using namespace board;
using testing::boardPicture;
using Desk = testing::EditorDesk;

// Everything a step brings back: the codes as a picture, every other layer that is not 0, the
// bolt count with its caption and the remembered player.
std::string look(const Editor& e) {
    std::string out;
    for (const std::string& r : boardPicture(e.board()))
        out += r + '\n';
    for (int x = 0; x <= kLastCol; ++x) {
        for (int y = 0; y <= kLastRow; ++y) {
            for (int l : {layer::kShotDir, layer::kParamA, layer::kParamB}) {
                if (const int v = e.board().at(x, y, l)) {
                    out += std::to_string(x) + "," + std::to_string(y) + " layer " +
                           std::to_string(l) + ": " + std::to_string(v) + '\n';
                }
            }
        }
    }
    out += "bolts " + e.boltCaption() + " = " + std::to_string(e.boltCount()) + '\n';
    const auto p = e.player();
    out += p ? "player " + std::to_string(p->x) + "," + std::to_string(p->y) : "no player";
    return out;
}

// The cells whose layers 6..9 differ between two boards.
std::vector<Cell> changedCells(const Board& a, const Board& b) {
    std::vector<Cell> out;
    for (int x = 0; x <= kLastCol; ++x) {
        for (int y = 0; y <= kLastRow; ++y) {
            for (int l = layer::kShotDir; l <= layer::kParamB; ++l) {
                if (a.at(x, y, l) == b.at(x, y, l)) continue;
                out.push_back({x, y});
                break;
            }
        }
    }
    return out;
}

bool allRepainted(const std::vector<Cell>& cells, const std::vector<Paint>& paints) {
    return std::all_of(cells.begin(), cells.end(), [&](Cell c) {
        return std::any_of(paints.begin(), paints.end(),
                           [&](const Paint& p) { return p.cell == c; });
    });
}

TEST(UndoSteps, EachKindOfStepGoesBackAndForthWhole) {
    testing::TempDir dir;
    dir.write("g.tur",
              testing::levelFileText(
                  {{"#####", "#Pv^#", "#*..#", "#####"}, {{2, 1, layer::kShotDir, 2}}, "007"}));
    struct Case {
        const char* name;
        std::function<void(Desk&)> first;  // what the editor holds before the step
        std::function<void(Desk&)> step;
    };
    const Case kCases[] = {
        {"a drag stroke of bolts", [](Desk&) {},
         [](Desk& d) {
             d.tool(kToolBolt);
             d.drag({{1, 1}, {2, 1}, {3, 1}, {3, 2}});
         }},
        {"the player moved",
         [](Desk& d) {
             d.tool(kToolPlayer);
             d.click(2, 2);
         },
         [](Desk& d) { d.click(6, 6); }},
        {"a crawler with its heading over a bolt",
         [](Desk& d) {
             d.tool(kToolBolt);
             d.click(4, 4);
         },
         [](Desk& d) {
             d.tool(kToolCrawler);
             d.host.headings = {3};
             d.click(4, 4);
         }},
        {"a teleporter pair with its partner on a bolt",
         [](Desk& d) {
             d.tool(kToolBolt);
             d.click(9, 9);
         },
         [](Desk& d) {
             d.tool(kToolTeleporter);
             d.click(3, 3);
             d.editor.mouseMove(Cell{5, 5}, d.host);
             d.click(9, 9);
         }},
        {"New over bolts and a player",
         [](Desk& d) {
             d.tool(kToolBolt);
             d.drag({{1, 1}, {2, 1}});
             d.tool(kToolPlayer);
             d.click(5, 5);
         },
         [](Desk& d) { d.editor.newLevel(); }},
        {"Load over bolts and a player",
         [](Desk& d) {
             d.tool(kToolBolt);
             d.click(7, 7);
             d.tool(kToolPlayer);
             d.click(5, 5);
         },
         [](Desk& d) { ASSERT_TRUE(d.editor.load("g.tur")); }},
        {"a bolt after a load, its caption as written",
         [](Desk& d) { ASSERT_TRUE(d.editor.load("g.tur")); },
         [](Desk& d) {
             d.tool(kToolBolt);
             d.click(3, 2);
         }},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        Desk d;
        c.first(d);
        const std::string was = look(d.editor);
        const Board wasBoard = d.editor.board();
        c.step(d);
        const std::string now = look(d.editor);
        const Board nowBoard = d.editor.board();
        ASSERT_NE(now, was);
        d.editor.takePaints();
        ASSERT_TRUE(d.editor.undo());  // one undo takes the whole step back
        EXPECT_EQ(look(d.editor), was);
        EXPECT_TRUE(allRepainted(changedCells(wasBoard, nowBoard), d.editor.takePaints()));
        ASSERT_TRUE(d.editor.redo());
        EXPECT_EQ(look(d.editor), now);
        EXPECT_TRUE(allRepainted(changedCells(wasBoard, nowBoard), d.editor.takePaints()));
        EXPECT_FALSE(d.editor.redo());
    }
}

TEST(UndoSteps, AGivenUpPairingIsNoStep) {
    Desk d;
    d.tool(2);
    d.click(5, 5);
    d.tool(kToolTeleporter);
    d.click(3, 3);
    d.editor.escape();
    d.click(4, 4);
    d.editor.mouseDown(Cell{7, 7}, d.host, true);  // a right click gives it up too
    d.editor.mouseUp();
    d.click(6, 6);
    ASSERT_TRUE(d.editor.undo());  // while a partner is awaited, undo only gives up
    EXPECT_FALSE(d.editor.pairingCell());
    EXPECT_EQ(d.code(6, 6), code::kEmpty);
    EXPECT_EQ(d.code(5, 5), code::kBox);
    ASSERT_TRUE(d.editor.undo());
    EXPECT_EQ(d.code(5, 5), code::kEmpty);
    EXPECT_FALSE(d.editor.undo());
}

TEST(UndoSteps, RedoIsClearedByAChangeButNotByAClickThatChangesNothing) {
    Desk d;
    d.tool(2);
    d.click(1, 1);
    d.click(2, 1);
    ASSERT_TRUE(d.editor.undo());
    d.tool(kToolWall);
    d.click(0, 0);  // a wall on a wall
    ASSERT_TRUE(d.editor.redo());
    EXPECT_EQ(d.row(1), "#BB...............#");
    ASSERT_TRUE(d.editor.undo());
    d.click(3, 1);
    EXPECT_FALSE(d.editor.redo());
    EXPECT_EQ(d.row(1), "#B.#..............#");
    ASSERT_TRUE(d.editor.undo());
    ASSERT_TRUE(d.editor.undo());
    EXPECT_EQ(d.row(1), "#.................#");
}

TEST(UndoSteps, TheHistoryKeepsTheLastHundredSteps) {
    Desk d;
    for (int i = 0; i <= static_cast<int>(History::kDepth); ++i) {
        d.tool(i % 2 == 0 ? kToolBolt : kToolWall);
        d.click(1, 1);
    }
    int undone = 0;
    while (d.editor.undo())
        ++undone;
    EXPECT_EQ(undone, static_cast<int>(History::kDepth));
    EXPECT_EQ(d.code(1, 1), code::kBolt);  // the first step is forgotten
    EXPECT_EQ(d.editor.boltCaption(), "1");
}

TEST(UnsavedChanges, CountFromTheLastNewLoadOrSave) {
    testing::TempDir dir;
    Desk d;
    EXPECT_FALSE(d.editor.modified());
    EXPECT_EQ(d.editor.fileName(), "");
    d.tool(kToolBolt);
    d.click(2, 2);
    EXPECT_TRUE(d.editor.modified());
    d.editor.undo();
    EXPECT_FALSE(d.editor.modified());  // back where it was
    d.editor.redo();
    ASSERT_TRUE(d.editor.save("a.tur"));
    EXPECT_FALSE(d.editor.modified());
    EXPECT_EQ(d.editor.fileName(), "a.tur");
    d.click(3, 3);
    EXPECT_TRUE(d.editor.modified());
    d.editor.undo();
    EXPECT_FALSE(d.editor.modified());
    d.editor.undo();
    EXPECT_TRUE(d.editor.modified());  // before the save
    d.editor.redo();
    d.click(4, 4);
    std::filesystem::create_directory("b.tur.part");
    EXPECT_FALSE(d.editor.save("b.tur"));
    EXPECT_FALSE(d.editor.load("missing.tur"));
    EXPECT_TRUE(d.editor.modified());
    EXPECT_EQ(d.editor.fileName(), "a.tur");
    d.editor.newLevel();
    EXPECT_FALSE(d.editor.modified());
    EXPECT_EQ(d.editor.fileName(), "");
    d.editor.undo();
    EXPECT_TRUE(d.editor.modified());
    ASSERT_TRUE(d.editor.load("a.tur"));
    EXPECT_FALSE(d.editor.modified());
    EXPECT_EQ(d.editor.fileName(), "a.tur");
    EXPECT_EQ(d.editor.boltCaption(), "1");
}

TEST(UnsavedChanges, ACopyForATrialIsNoSave) {
    testing::TempDir dir;
    Desk d;
    d.tool(kToolBolt);
    d.click(2, 2);
    ASSERT_TRUE(d.editor.save("a.tur"));
    d.click(3, 3);
    ASSERT_TRUE(d.editor.saveCopy("copy.tur"));
    EXPECT_TRUE(d.editor.modified());
    EXPECT_EQ(d.editor.fileName(), "a.tur");
    ASSERT_TRUE(d.editor.save("b.tur"));
    EXPECT_EQ(dir.read("copy.tur"), dir.read("b.tur"));  // what Save writes
}

}  // namespace
}  // namespace boltik::editor
