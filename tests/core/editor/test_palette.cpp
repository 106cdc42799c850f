// The editor's palette and KudaSow's choices as the rules use them: every tool paints the code
// its picture stands for, indices outside the tables do nothing, and no two entries share a
// code, a picture or a place in their window.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/board/Codes.h"
#include "core/editor/Palette.h"
#include "support/EditorDesk.h"

namespace boltik::editor {
namespace {

using namespace board;
using Desk = testing::EditorDesk;

// Whether two rectangles of the given size at these places share a pixel.
bool overlap(TwipsPlace a, TwipsPlace b, int width, int height) {
    return a.left < b.left + width && b.left < a.left + width && a.top < b.top + height &&
           b.top < a.top + height;
}

TEST(Palette, EveryToolPaintsTheCodeItsPictureShows) {
    for (int tool = 0; tool < kTools; ++tool) {
        SCOPED_TRACE(kPalette[tool].picture);
        Desk d;
        d.host.headings = {0};
        d.tool(tool);
        d.click(4, 4);
        EXPECT_EQ(d.code(4, 4), kPalette[tool].code);
        // The grid shows a painted cell with this tool's picture, so no other tool may share it.
        EXPECT_EQ(paletteIndexFor(d.code(4, 4)), tool);
    }
}

TEST(Palette, AnIndexOutsideThePaletteChangesNothing) {
    for (int outside : {-1, kTools, 32767}) {
        SCOPED_TRACE(outside);
        Desk d;
        d.tool(kToolWall);
        d.tool(outside);
        EXPECT_EQ(d.editor.tool(), kToolWall);
        EXPECT_EQ(toolCode(outside), code::kEmpty);
    }
    EXPECT_FALSE(paletteIndexFor(code::kGunDown));
    EXPECT_FALSE(paletteIndexFor(code::kMagnet));
}

TEST(Palette, NoTwoToolsShareAPictureOrASquare) {
    std::set<std::string> pictures;
    for (int i = 0; i < kTools; ++i) {
        SCOPED_TRACE(kPalette[i].picture);
        EXPECT_TRUE(pictures.insert(kPalette[i].picture).second);
        for (int j = i + 1; j < kTools; ++j)
            EXPECT_FALSE(overlap(kPalette[i].place, kPalette[j].place, 480, 480)) << j;
    }
}

TEST(CrawlerChoices, NoTwoShareAHeadingAndHandAPictureOrAPlace) {
    std::set<std::pair<Dir, Dir>> settings;
    std::set<std::string> pictures;
    for (int i = 0; i < kCrawlerChoiceCount; ++i) {
        const CrawlerChoice& c = kCrawlerChoices[i];
        SCOPED_TRACE(c.picture);
        // A crawler keeps its wall at its side: its hand is a quarter turn from its heading.
        EXPECT_TRUE(c.hand == turned(c.heading, 1) || c.hand == turned(c.heading, -1));
        EXPECT_TRUE(settings.insert({c.heading, c.hand}).second);
        EXPECT_TRUE(pictures.insert(c.picture).second);
        for (int j = i + 1; j < kCrawlerChoiceCount; ++j)
            EXPECT_FALSE(overlap(c.place, kCrawlerChoices[j].place, 1860, 975)) << j;
    }
}

TEST(CrawlerChoices, AnAnswerOutsideTheChoicesCountsAsClosed) {
    for (int outside : {-1, kCrawlerChoiceCount}) {
        SCOPED_TRACE(outside);
        Desk d;
        d.tool(kToolCrawler);
        d.host.headings = {1};
        d.click(4, 4);
        d.host.headings = {outside};
        d.click(5, 5);  // as when closed: the choice before is applied again
        EXPECT_EQ(d.code(5, 5), code::kCrawler);
        EXPECT_EQ(d.at(5, 5, layer::kParamA), index(Dir::Down));
        EXPECT_EQ(d.at(5, 5, layer::kParamB), index(Dir::Right));
    }
}

}  // namespace
}  // namespace boltik::editor
