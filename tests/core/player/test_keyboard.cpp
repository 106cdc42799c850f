// Keyboard events as request flags, quick taps, auto-repeat and the Escape questions.
#include <gtest/gtest.h>

#include "core/player/Keyboard.h"
#include "core/player/MeGo.h"
#include "support/Rig.h"

namespace boltik::player {
namespace {

using namespace board;
using namespace sprites;
using game::QuestionId;
using testing::Rig;

const testing::Level kRoom{{"#####", "#P..#", "#...#", "#####"}};

TEST(KeyRequests, QuickTapBetweenTwoTurnsStillMovesOnce) {
    Rig rig;
    rig.place(kRoom);
    keyDown(rig.world, Dir::Right, false);
    keyUp(rig.world, Dir::Right);
    MeGo(rig.ctx);
    EXPECT_EQ(rig.world.playerX, 2);
    MeGo(rig.ctx);
    EXPECT_EQ(rig.world.playerX, 2);
}

TEST(KeyRequests, ReleasingAHeldKeyNeverMovesFurther) {
    Rig rig;
    rig.place(kRoom);
    keyDown(rig.world, Dir::Right, false);
    MeGo(rig.ctx);
    keyDown(rig.world, Dir::Right, false);  // auto-repeat while held
    keyUp(rig.world, Dir::Right);
    MeGo(rig.ctx);
    EXPECT_EQ(rig.world.playerX, 2);
    keyDown(rig.world, Dir::Right, false);  // pressed again: fresh
    MeGo(rig.ctx);
    EXPECT_EQ(rig.world.playerX, 3);
}

TEST(KeyRequests, AShotIsAskedForAndReleaseClearsIt) {
    World w;
    keyDown(w, Dir::Up, true);
    EXPECT_EQ(w.requests.fire[Dir::Up], 1);
    EXPECT_EQ(w.requests.key[Dir::Up], 0);
    keyUp(w, Dir::Up);
    EXPECT_EQ(w.requests.fire[Dir::Up], 0);
    keyDown(w, Dir::Left, false);
    EXPECT_EQ(w.requests.key[Dir::Left], 1);
    EXPECT_EQ(w.requests.fire[Dir::Left], 0);
    keyDown(w, Dir::Left, true);  // Shift after the arrow: both requests
    EXPECT_EQ(w.requests.key[Dir::Left], 1);
    EXPECT_EQ(w.requests.fire[Dir::Left], 1);
    // Only the left arrow's requests were touched.
    for (Dir d : {Dir::Up, Dir::Right, Dir::Down}) {
        SCOPED_TRACE(dirName(d));
        EXPECT_EQ(w.requests.key[d], 0);
        EXPECT_EQ(w.requests.fire[d], 0);
        EXPECT_FALSE(w.requests.held[d]);
    }
}

TEST(KeyRequests, UpAndDownHeldTogetherAreBothHandled) {
    Rig rig;
    rig.place(kRoom);
    keyDown(rig.world, Dir::Up, false);
    keyDown(rig.world, Dir::Down, false);
    MeGo(rig.ctx);
    EXPECT_EQ(rig.world.playerY, 1);  // down, then back up
    EXPECT_EQ(rig.sounds.count(sound::Effect::Gi), 2);
}

TEST(EscapeKey, AnswersDecideQuitRestartOrNothing) {
    Rig rig;
    rig.place(kRoom);
    rig.world.requests.key[Dir::Down] = 1;
    rig.host.answer(QuestionId::LeaveGame, 2);
    rig.host.answer(QuestionId::RestartLevel, 2);
    EXPECT_EQ(escape(rig.ctx), EscapeAnswer::Continue);
    EXPECT_EQ(rig.world.kolLives.caption(), "10");
    EXPECT_EQ(rig.world.requests.key[Dir::Down], 1);
    ASSERT_EQ(rig.host.asked.size(), 2u);
    EXPECT_EQ(rig.host.asked[0].text, "Вы уверены, что хотите выйти ?");
    EXPECT_EQ(rig.host.asked[1].text, "Вы хотите перезапустить тур ?");
    rig.host.answer(QuestionId::LeaveGame, 2);
    rig.host.answer(QuestionId::RestartLevel, 1);
    EXPECT_EQ(escape(rig.ctx), EscapeAnswer::Restart);
    EXPECT_EQ(rig.world.kolLives.caption(), "9");
    EXPECT_EQ(rig.code(1, 1), 100);
    rig.host.answer(QuestionId::LeaveGame, 1);
    EXPECT_EQ(escape(rig.ctx), EscapeAnswer::Quit);
}

}  // namespace
}  // namespace boltik::player
