// Blast stages, fuses, bomb chains and what a blast does to its neighbours.
#include <gtest/gtest.h>

#include "core/game/Blasts.h"
#include "support/Rig.h"

namespace boltik::game {
namespace {

using namespace board;
using namespace sprites;
using testing::graphPicture;
using testing::mesPicture;
using testing::Rig;

// Steps the blast at (1, 1) n times, returning the codes after each step.
std::vector<int> stepBlast(Rig& rig, int n) {
    std::vector<int> codes;
    for (int i = 0; i < n; ++i) {
        blastStep(rig.ctx, 1, 1);
        codes.push_back(rig.code(1, 1));
    }
    return codes;
}

TEST(BlastStages, ForwardBlastIsFloorAfterFiveSteps) {
    Rig rig;
    rig.place({{"###", "#1#"}});
    EXPECT_EQ(stepBlast(rig, 5), (std::vector<int>{101, 102, 103, 104, 0}));
    EXPECT_EQ(rig.paintsAt(1, 1),
              (std::vector<Picture>{graphPicture(100), graphPicture(101), graphPicture(102),
                                    graphPicture(103), graphPicture(0)}));
}

TEST(BlastStages, PhaseThreeTurnsBackAtTheLastStage) {
    Rig rig;
    rig.place({{"###", "#5#"}});
    rig.world.board.set(1, 1, layer::kPhase, 3);
    rig.world.board.set(1, 1, layer::kTick, 6);
    EXPECT_EQ(stepBlast(rig, 5), (std::vector<int>{103, 102, 101, 100, 1000}));
    EXPECT_EQ(rig.at(1, 1, layer::kPhase), 0);
    EXPECT_EQ(rig.paintsAt(1, 1).back(), mesPicture(6));

    rig.place({{"###", "#1#"}});
    rig.world.board.set(1, 1, layer::kPhase, 3);
    EXPECT_EQ(stepBlast(rig, 9).back(), code::kPlayer);

    rig.place({{"###", "#3#"}});
    rig.world.board.set(1, 1, layer::kPhase, 3);
    EXPECT_EQ(stepBlast(rig, 1).back(), 103);  // 3 counts only at the last stage
}

TEST(Fuses, MarkedFuseWaitsForTheNextSweep) {
    Rig rig;
    rig.place({{"####", "#f.#", "####"}});
    rig.world.board.set(1, 1, layer::kMoved, -1);
    fuseStep(rig.ctx, 1, 1);
    EXPECT_EQ(rig.code(1, 1), code::kFuse);
    rig.world.board.set(1, 1, layer::kMoved, 0);
    fuseStep(rig.ctx, 1, 1);
    EXPECT_EQ(rig.code(1, 1), 100);
    EXPECT_EQ(rig.code(2, 1), 100);
    EXPECT_EQ(rig.sounds.count(sound::Effect::Wzri), 1);
}

TEST(Explosions, BombInTheOpenClearsItsSquareButNotWalls) {
    Rig rig;
    rig.host.at(1, [&] { rig.world.board.setCode(2, 2, code::kFuse); });
    rig.play({{"#####", "#rrr#", "#r.r#", "#rrr#", "#####"}}, 7);
    for (int x = 1; x <= 3; ++x)
        for (int y = 1; y <= 3; ++y)
            EXPECT_EQ(rig.code(x, y), code::kEmpty) << x << "," << y;
    EXPECT_EQ(rig.code(0, 2), code::kWall);
}

TEST(Explosions, RowOfBombsChainsOverLaterSweeps) {
    Rig rig;
    const testing::Level row{{"#######", "#fooo.#", "#######", "#....P#"}};
    rig.play(row, 1);
    EXPECT_EQ(rig.code(2, 1), code::kFuse);
    EXPECT_EQ(rig.code(3, 1), code::kBomb);
    rig.play(row, 2);
    EXPECT_EQ(rig.code(3, 1), code::kFuse);
    EXPECT_EQ(rig.code(4, 1), code::kBomb);
    rig.play(row, 12);
    for (int x = 1; x <= 5; ++x)
        EXPECT_EQ(rig.code(x, 1), code::kEmpty);
    EXPECT_EQ(rig.code(3, 0), code::kWall);
}

TEST(Explosions, ASquareOfBombsGoesOffWholeFromAnyCorner) {
    // A 2 x 2 cluster in a ring of rubble. Every bomb primes the others at once; a bomb
    // already primed is left to go off in its own turn, so each clears its own corner.
    struct Case {
        const char* corner;
        std::vector<std::string> rows;
    };
    const Case kCases[] = {
        {"top left", {"######", "#rrrr#", "#rfor#", "#roor#", "#rrrr#", "######"}},
        {"top right", {"######", "#rrrr#", "#rofr#", "#roor#", "#rrrr#", "######"}},
        {"bottom left", {"######", "#rrrr#", "#roor#", "#rfor#", "#rrrr#", "######"}},
        {"bottom right", {"######", "#rrrr#", "#roor#", "#rofr#", "#rrrr#", "######"}},
    };
    const std::vector<std::string> kAfter = {"######", "#....#", "#....#",
                                             "#....#", "#....#", "######"};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.corner);
        Rig rig;
        rig.play({c.rows}, 20);
        std::vector<std::string> after;
        for (const std::string& row : testing::boardPicture(rig.world.board))
            after.push_back(row.substr(0, 6));
        after.resize(6);
        EXPECT_EQ(after, kAfter);
    }
}

TEST(Explosions, VisitOrderDecidesWhatTheWreckSpares) {
    // Player first in the order (below): the wreck comes first, the bomb just burns.
    Rig below;
    below.place({{"#####", "#.o.#", "#.f.#", "#.P.#", "#####"}});
    Bombowzr(below.ctx, 2, 2);
    EXPECT_EQ(below.code(2, 1), 100);
    EXPECT_EQ(below.world.kolLives.caption(), "9");
    // Player last (below left): the bomb above is primed first, then the wreck burns it.
    Rig belowLeft;
    belowLeft.place({{"#####", "#.o.#", "#.f.#", "#P..#", "#####"}});
    Bombowzr(belowLeft.ctx, 2, 2);
    EXPECT_EQ(belowLeft.code(2, 1), 100);
    EXPECT_EQ(belowLeft.at(2, 1, layer::kMoved), -1);
}

TEST(Explosions, BombOnTheEdgeStopsAtTheFirstNeighbourOffTheBoard) {
    Rig rig;
    rig.place({{"f.", "rr"}});
    EXPECT_THROW(Bombowzr(rig.ctx, 0, 0), BoardError);
    EXPECT_EQ(rig.code(0, 1), 100);  // below: visited before above (0, -1)
    EXPECT_EQ(rig.code(1, 0), code::kEmpty);
}

TEST(Explosions, StaleTeleporterPhaseNeverReformsARobot) {
    Rig rig;
    rig.place({{"#####", "#rfT#", "#####"}});
    rig.world.board.set(1, 1, layer::kPhase, 1);  // left over from an earlier level
    rig.world.board.set(3, 1, layer::kPhase, 1);  // a teleporter's picture phase
    fuseStep(rig.ctx, 2, 1);
    for (int i = 0; i < 5; ++i) {
        blastStep(rig.ctx, 1, 1);
        blastStep(rig.ctx, 3, 1);
    }
    EXPECT_EQ(rig.code(1, 1), code::kEmpty);
    EXPECT_EQ(rig.code(3, 1), code::kEmpty);
}

TEST(Explosions, BlastStageBlastedAgainKeepsItsDirection) {
    Rig rig;
    rig.place({{"####", "#3f#", "####"}});
    rig.world.board.set(1, 1, layer::kPhase, 1);
    fuseStep(rig.ctx, 2, 1);
    EXPECT_EQ(rig.code(1, 1), 100);
    EXPECT_EQ(rig.at(1, 1, layer::kPhase), 1);
}

}  // namespace
}  // namespace boltik::game
