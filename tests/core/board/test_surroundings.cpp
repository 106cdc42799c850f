// The board in words: the robot's neighbours and the counters, and the editor's cell.
#include <gtest/gtest.h>

#include "core/board/Codes.h"
#include "core/board/Surroundings.h"
#include "support/Rig.h"

namespace boltik::board {
namespace {

World worldOf(const std::vector<std::string>& rows, int playerX, int playerY) {
    World world;
    testing::paintBoard(world.board, testing::Level(rows));
    world.playerX = static_cast<int16_t>(playerX);
    world.playerY = static_cast<int16_t>(playerY);
    return world;
}

TEST(BoardInWords, EveryObjectHasARussianWordAndUnknownCodesSayTheirNumber) {
    // Every code of the table that can stand on the board is named, and never as unknown.
    for (const CodeInfo& row : kCodeTable) {
        if (!row.inPlay) continue;
        const std::string word = objectWord(row.code);
        EXPECT_FALSE(word.empty()) << row.code;
        EXPECT_EQ(word.find("неизвестный"), std::string::npos) << row.code;
    }
    EXPECT_EQ(objectWord(code::kEmpty), "пусто");
    EXPECT_EQ(objectWord(code::kBat), "летучая мышь");
    EXPECT_EQ(objectWord(code::kTeleporterLit), "телепорт");
    EXPECT_EQ(objectWord(code::kBlast3), "взрыв");
    EXPECT_EQ(objectWord(777), "неизвестный предмет 777");
    EXPECT_EQ(objectWord(-5), "неизвестный предмет -5");
}

TEST(BoardInWords, NeighboursGoClockwiseFromTheTopAndLeaveTheFloorOut) {
    struct Case {
        const char* what;
        std::vector<std::string> rows;
        std::string said;
    };
    const Case kCases[] = {
        {"a bolt to the right, a wall below",
         {"#####", "#.#.#", "#.P*#", "#.###"},
         "Сверху стена, справа болт, снизу стена."},
        {"only the floor around", {"#####", "#...#", "#.P.#", "#...#"}, "Вокруг пусто."},
        {"all four",
         {"#####", "#.B.#", "#cPo#", "#.^.#"},
         "Сверху ящик, справа бомба, снизу пушка вверх, слева ползун."},
        {"only the left", {"#####", "#...#", "#bP.#", "#...#"}, "Слева летучая мышь."},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        const World world = worldOf(c.rows, 2, 2);
        EXPECT_EQ(neighboursText(world.board, 2, 2), c.said);
    }
}

TEST(BoardInWords, PastThePlayAreaIsTheEdge) {
    Board board;
    EXPECT_EQ(neighboursText(board, 0, 0), "Сверху край поля, слева край поля.");
    EXPECT_EQ(neighboursText(board, kLastCol, kLastRow), "Справа край поля, снизу край поля.");
    // A smaller play area ends sooner, whatever the board holds beyond it.
    board.setCode(5, 3, code::kWall);
    EXPECT_EQ(neighboursText(board, 4, 3, 4, 11), "Справа край поля.");
}

TEST(BoardInWords, TheRobotWithItsPlaceNeighboursAndCounters) {
    World world = worldOf({"#######", "#.....#", "#...P*#", "#..####"}, 4, 2);
    world.kolBolt.setCaption("3");
    world.kolLives.setCaption("10");
    world.kolWeapon.setCaption("9");
    EXPECT_EQ(describeRobot(world),
              "Робот: столбец 4, ряд 2. Справа болт, снизу стена. Болтов осталось 3. "
              "Жизни: 10, ключи: 0, патроны: 9.");
}

TEST(BoardInWords, CountersReadAsTheirCaptionsAndZeroBoltsOpenTheCapsule) {
    World world = worldOf({"#####", "#.P.#"}, 2, 1);
    // "00" is worth nothing but does not open the capsule: only a caption of exactly "0" does.
    world.kolBolt.setCaption("00");
    world.kolLives.setCaption("-2");
    EXPECT_NE(describeRobot(world).find("Болтов осталось 00. Жизни: -2,"), std::string::npos);
    world.kolBolt.setCaption("0");
    EXPECT_NE(describeRobot(world).find("Болтов не осталось, капсула открыта."), std::string::npos);
}

TEST(BoardInWords, TheRobotIsFoundWhereItStandsOrSaidToBeGone) {
    // The remembered place is stale (the robot was carried by a teleporter): the board decides.
    World world = worldOf({"#####", "#..P#", "#...#"}, 1, 1);
    EXPECT_EQ(describeRobot(world).substr(0, std::string("Робот: столбец 3, ряд 1.").size()),
              "Робот: столбец 3, ряд 1.");
    // In a wreck the robot is a blast: no place is made up for it.
    world.board.setCode(3, 1, code::kBlast2);
    EXPECT_EQ(describeRobot(world).rfind("Робота на поле нет. Болтов не осталось", 0), 0u);
    // A remembered place outside the board is not read.
    world.playerX = -1;
    world.playerY = 40;
    EXPECT_EQ(describeRobot(world).rfind("Робота на поле нет.", 0), 0u);
}

TEST(BoardInWords, TheEditorsCellUnderTheCursor) {
    Board board;
    testing::paintBoard(board, testing::Level({"#####", "#.B.#", "#.*.#", "#.#.#"}));
    EXPECT_EQ(describeEditorCell(board, 2, 2, "3"),
              "Курсор: столбец 2, ряд 2, болт. Сверху ящик, снизу стена. Болтов: 3.");
    EXPECT_EQ(describeEditorCell(board, 1, 1, "0"),
              "Курсор: столбец 1, ряд 1, пусто. Сверху стена, справа ящик, слева стена. "
              "Болтов: 0.");
    EXPECT_EQ(describeEditorCell(board, 0, 0, "0"),
              "Курсор: столбец 0, ряд 0, стена. Сверху край поля, справа стена, снизу стена, "
              "слева край поля. Болтов: 0.");
}

}  // namespace
}  // namespace boltik::board
