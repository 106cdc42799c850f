// The game's level load: counters, the player rule, the counter file and missing levels.
#include <gtest/gtest.h>

#include "core/board/LevelFile.h"
#include "core/loop/OpenTur.h"
#include "support/Rig.h"

namespace boltik::loop {
namespace {

using namespace board;
using namespace sprites;
using namespace game;
using game::QuestionId;
using testing::Level;
using testing::Rig;

void writeLevel(Rig& rig, const std::string& name, const Level& level) {
    rig.dir.write(name, testing::levelFileText(level));
}

TEST(LevelLoad, SetsCountersNameAndCounterFile) {
    Rig rig;
    writeLevel(rig, "3.tur", {{"###", "#P*"}, {}, "007"});
    rig.world.kolWeapon.setCaption("18");
    rig.world.kolKeys.setCaption("2");
    rig.world.bigCycles = 777;
    OpenTur(rig.ctx, "3.tur");
    EXPECT_EQ(rig.world.kolBolt.caption(), "007");
    EXPECT_EQ(rig.world.kolWeapon.caption(), "0");
    EXPECT_EQ(rig.world.kolKeys.caption(), "0");
    EXPECT_EQ(rig.world.kolLives.caption(), "10");
    EXPECT_EQ(rig.world.levelName, "3.tur");
    EXPECT_EQ(rig.dir.read(kCounterFileName), counterFileText(777));
    EXPECT_TRUE(rig.host.asked.empty());
}

TEST(LevelLoad, NoPlayerPutsOneAtOneOne) {
    Rig rig;
    writeLevel(rig, "1.tur", {{"###", "#B."}});
    rig.world.playerX = rig.world.playerY = 1;
    OpenTur(rig.ctx, "1.tur");
    EXPECT_EQ(rig.code(1, 1), code::kPlayer);
}

TEST(LevelLoad, PlayerElsewhereLeavesOneOneAsTheFileHasIt) {
    Rig rig;
    writeLevel(rig, "1.tur", {{"####", "#B.P"}});
    rig.world.playerX = rig.world.playerY = 1;
    OpenTur(rig.ctx, "1.tur");
    EXPECT_EQ(rig.code(1, 1), code::kBox);
    EXPECT_EQ(rig.world.playerX, 3);
}

TEST(LevelLoad, MissingLevelAskedAndNoEndsTheGame) {
    Rig rig;
    rig.host.answer(QuestionId::MissingLevel, 2);
    EXPECT_THROW(OpenTur(rig.ctx, "4.tur"), GameQuit);
    ASSERT_EQ(rig.host.asked.size(), 1u);
    EXPECT_EQ(rig.host.asked[0].text, "Тура4.turне существует, продолжить ?");
}

TEST(LevelLoad, AQuestionNobodyScriptedStopsTheTest) {
    Rig rig;
    EXPECT_THROW(OpenTur(rig.ctx, "4.tur"), headless::ScriptStop);
    rig.host.answer(QuestionId::LeaveGame, 1);  // a different question is not an answer
    EXPECT_THROW(OpenTur(rig.ctx, "4.tur"), headless::ScriptStop);
}

TEST(LevelLoad, YesWalksARunOfMissingNumbersToTheNextLevel) {
    Rig rig;
    writeLevel(rig, "2001.tur", {{"###", "#P."}, {}, "0"});
    rig.host.answerAlways(QuestionId::MissingLevel, 1);
    OpenTur(rig.ctx, "1.tur");
    EXPECT_EQ(rig.host.asked.size(), 2000u);
    EXPECT_EQ(rig.host.asked.back().text, "Тура2000.turне существует, продолжить ?");
    EXPECT_EQ(rig.world.levelName, "2001.tur");
}

TEST(LevelLoad, ShortFileCountsAsMissing) {
    Rig rig;
    std::string text = testing::levelFileText({{"###", "#P."}});
    text.erase(text.rfind("0\r\n"));
    rig.dir.write("1.tur", text);
    writeLevel(rig, "2.tur", {{"###", "#P."}});
    rig.host.answer(QuestionId::MissingLevel, 1);
    OpenTur(rig.ctx, "1.tur");
    ASSERT_EQ(rig.host.asked.size(), 1u);
    EXPECT_EQ(rig.world.levelName, "2.tur");
}

TEST(LevelLoad, UnwritableCounterFileDoesNotStopTheLevel) {
    Rig rig;
    std::filesystem::create_directory(kCounterFileName);  // cannot be replaced by a file
    writeLevel(rig, "1.tur", {{"###", "#P*"}, {}, "1"});
    OpenTur(rig.ctx, "1.tur");
    EXPECT_TRUE(rig.host.asked.empty());
    EXPECT_EQ(rig.world.kolBolt.caption(), "1");
}

}  // namespace
}  // namespace boltik::loop
