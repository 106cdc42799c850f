// The board's checked access, counters and the small text rules.
#include <gtest/gtest.h>

#include "core/board/Board.h"
#include "core/board/Counter.h"
#include "core/board/LevelNames.h"
#include "core/io/Text.h"
#include "core/sprites/Tiling.h"

namespace boltik::board {
namespace {

TEST(BoardAccess, EveryValueStartsAtZero) {
    Board b;
    for (int x = 0; x < kBoardSize; ++x)
        for (int y = 0; y < kBoardSize; ++y)
            for (int l = 0; l < kLayerCount; ++l)
                ASSERT_EQ(b.at(x, y, l), 0);
}

TEST(BoardAccess, OutOfRangeThrowsAndWritesNothing) {
    Board b;
    const int bad[][3] = {{-1, 0, 0}, {31, 0, 0}, {0, -1, 0}, {0, 31, 0}, {0, 0, -1}, {0, 0, 11}};
    for (const auto& i : bad) {
        EXPECT_THROW(b.set(i[0], i[1], i[2], 5), BoardError);
        EXPECT_THROW((void)b.at(i[0], i[1], i[2]), BoardError);
    }
    for (int x = 0; x < kBoardSize; ++x)
        for (int y = 0; y < kBoardSize; ++y)
            for (int l = 0; l < kLayerCount; ++l)
                ASSERT_EQ(b.at(x, y, l), 0);
    b.set(30, 30, 10, -32768);
    EXPECT_EQ(b.at(30, 30, 10), -32768);
}

TEST(Counters, CaptionKeptAsWrittenUntilChanged) {
    Counter bolts("007");
    EXPECT_EQ(bolts.caption(), "007");
    EXPECT_EQ(bolts.value(), 7);
    EXPECT_FALSE(bolts.readsZero());
    bolts.add(-1);
    EXPECT_EQ(bolts.caption(), "6");
}

TEST(Counters, OnlyTheTextZeroOpensTheCapsule) {
    EXPECT_TRUE(Counter("0").readsZero());
    EXPECT_FALSE(Counter("00").readsZero());
    EXPECT_FALSE(Counter("").readsZero());
    EXPECT_FALSE(Counter(" 0").readsZero());
    Counter c("1");
    c.add(-1);
    EXPECT_TRUE(c.readsZero());
}

TEST(Counters, LivesGoBelowZero) {
    Counter lives("1");
    lives.add(-1);
    lives.add(-1);
    EXPECT_EQ(lives.caption(), "-1");
}

TEST(BorderRing, IsTheEdgeOfThePlayArea) {
    struct Case {
        const char* what;
        int x, y;
        int lastCol, lastRow;
        bool ring;
    };
    const Case cases[] = {
        {"top left corner", 0, 0, kLastCol, kLastRow, true},
        {"bottom right corner", kLastCol, kLastRow, kLastCol, kLastRow, true},
        {"top edge", 7, 0, kLastCol, kLastRow, true},
        {"right edge", kLastCol, 5, kLastCol, kLastRow, true},
        {"bottom edge", 3, kLastRow, kLastCol, kLastRow, true},
        {"left edge", 0, 9, kLastCol, kLastRow, true},
        {"next to a corner, inside", 1, 1, kLastCol, kLastRow, false},
        {"the middle", 9, 6, kLastCol, kLastRow, false},
        {"past the last column, in row 0", kLastCol + 1, 0, kLastCol, kLastRow, false},
        {"past the last row, in column 0", 0, kLastRow + 1, kLastCol, kLastRow, false},
        {"left of the board", -1, 3, kLastCol, kLastRow, false},
        {"a smaller area's edge", 4, 2, 4, 6, true},
        {"the usual edge beyond a smaller area", kLastCol, 2, 4, 6, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(onRing(c.x, c.y, c.lastCol, c.lastRow), c.ring);
    }
    static_assert(onRing(0, 5) && !onRing(1, 5), "the play area is the default");
}

TEST(LeadingNumber, ReadsTheLeadingPart) {
    const std::pair<const char*, int64_t> cases[] = {
        {"007", 7}, {"5.tur", 5}, {"abc", 0}, {"", 0},     {"  12x", 12},
        {"-3", -3}, {"+4", 4},    {"-", 0},   {".tur", 0}, {"99999999999999999999999", INT64_MAX}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(io::leadingNumber(text), value) << text;
}

TEST(LeadingNumber, WholeLineIntegers) {
    int64_t v = 0;
    EXPECT_TRUE(io::parseInteger(" -12 ", v));
    EXPECT_EQ(v, -12);
    for (const char* bad : {"", " ", "1.5", "12a", "--1", "1 2", "1234567890123456789012"}) {
        EXPECT_FALSE(io::parseInteger(bad, v)) << bad;
    }
}

TEST(LeadingNumber, WholeLineIntegersInARange) {
    struct Case {
        const char* text;
        int64_t low, high;
        bool accepted;
        int64_t value;  // what value holds afterwards; it starts at 42
    };
    const Case cases[] = {
        {"0", 0, 3, true, 0},
        {" 3 ", 0, 3, true, 3},
        {"4", 0, 3, false, 42},
        {"-1", 0, 3, false, 42},
        {"-32768", INT16_MIN, INT16_MAX, true, INT16_MIN},
        {"32768", INT16_MIN, INT16_MAX, false, 42},
        {"4294967295", 0, UINT32_MAX, true, UINT32_MAX},
        {"4294967296", 0, UINT32_MAX, false, 42},
        {"999999999999999999", 1, INT64_MAX, true, 999999999999999999},
        {"1234567890123456789012", INT64_MIN, INT64_MAX, false, 42},
        {"2x", 0, 9, false, 42},
        {"", 0, 9, false, 42},
        {"5", 9, 0, false, 42},  // an empty range holds nothing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        int64_t v = 42;
        EXPECT_EQ(io::parseInteger(c.text, c.low, c.high, v), c.accepted);
        EXPECT_EQ(v, c.value);
    }
}

TEST(CodePage1251, RoundTripsRussianText) {
    const std::string text = " столько больших циклов обработала программа ЁёЖ№";
    const std::string bytes = io::utf8ToCp1251(text);
    EXPECT_EQ(bytes.size(), 49u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xF1);  // "с"
    EXPECT_EQ(io::cp1251ToUtf8(bytes), text);
    EXPECT_EQ(io::utf8ToCp1251("日"), "?");
}

TEST(LevelNames, ChooserAppendsTurUnlessPresent) {
    const std::pair<const char*, const char*> cases[] = {
        {"1", "1.tur"},   {"12.tur", "12.tur"},   {"12.TUR", "12.TUR.tur"},
        {"ab", "ab.tur"}, {"", ".tur"},           {"tur", "tur.tur"},
        {".tur", ".tur"}, {"level", "level.tur"}, {"уровень", "уровень.tur"}};
    for (const auto& [typed, name] : cases)
        EXPECT_EQ(chooserFileName(typed), name) << typed;
}

TEST(LevelNames, NextLevelIsLeadingNumberPlusOne) {
    const std::pair<const char*, const char*> cases[] = {
        {"5.tur", "6.tur"},   {"1.tur", "2.tur"},      {"level.tur", "1.tur"},
        {"09.tur", "10.tur"}, {"12abc.tur", "13.tur"}, {"-3.tur", "-2.tur"}};
    for (const auto& [current, next] : cases)
        EXPECT_EQ(nextLevelName(current), next) << current;
}

TEST(Tiling, CopiesReachOneStepPastTheFarEdges) {
    const auto places = sprites::tileFormPlaces(100, 100, 30, 30, 1);
    ASSERT_EQ(places.size(), 25u);
    EXPECT_EQ(places.back().x, 120);
    EXPECT_EQ(places.back().y, 120);
    EXPECT_EQ(sprites::tileFormPlaces(100, 100, 30, 30, 5).size(), 1u);
    EXPECT_TRUE(sprites::tileFormPlaces(100, 100, 0, 30, 1).empty());
    EXPECT_EQ(sprites::tileHeaderPlaces(100, 61, 1).size(), 3u);
}

}  // namespace
}  // namespace boltik::board
