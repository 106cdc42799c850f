// A long run of boards full of random objects through the real main loop: whatever a level
// file holds and whatever the player does, the loop never crashes and nothing escapes it.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <random>
#include <string>

#include "core/game/Blasts.h"
#include "core/loop/MainLoop.h"
#include "core/player/Keyboard.h"
#include "support/Rig.h"

namespace boltik::loop {
namespace {

using namespace board;
using namespace sprites;
using namespace game;
using testing::Level;
using testing::Rig;

// Four seeds of 25 000 cycles each: 100 000 cycles in all.
constexpr long kCyclesPerSeed = 25000;
constexpr long kCyclesPerLevel = 3000;

// Values no level should hold; the known codes come from the table of codes.
constexpr int16_t kGarbage[] = {-32768, -1000, -1, 15, 99, 105, 107, 131, 999, 1001, 32767};

struct RandomPlay {
    explicit RandomPlay(unsigned seed) : gen(seed) {}

    int below(int n) { return static_cast<int>(gen() % static_cast<unsigned>(n)); }
    bool chance(int oneIn) { return below(oneIn) == 0; }
    int16_t anyValue() { return static_cast<int16_t>(gen()); }
    // An arrow going down or up; nothing for a key the game does not know.
    static void keyDown(World& w, std::optional<Dir> d, bool shot) {
        if (d) player::keyDown(w, *d, shot);
    }
    static void keyUp(World& w, std::optional<Dir> d) {
        if (d) player::keyUp(w, *d);
    }

    // A heading, hand, facing or partner coordinate: mostly sensible, sometimes off the board.
    int16_t parameter() {
        if (chance(10)) return anyValue();
        return static_cast<int16_t>(chance(3) ? below(36) - 3 : below(4));
    }

    Level randomLevel() {
        Level level{{}, {}, chance(2) ? "0" : std::to_string(below(6))};
        std::vector<std::array<int, 2>> teleporters;
        for (int x = 0; x <= kLastCol; ++x) {
            for (int y = 0; y <= kLastRow; ++y) {
                const bool ring = onRing(x, y);
                int16_t c = 0;
                if (ring && !chance(8)) {
                    c = code::kWall;
                } else if (chance(10)) {
                    c = kGarbage[below(std::size(kGarbage))];
                } else if (chance(2)) {
                    c = kCodeTable[below(std::size(kCodeTable))].code;
                }
                if (c == code::kTeleporter) teleporters.push_back({x, y});
                level.values.push_back({x, y, layer::kCode, c});
                level.values.push_back({x, y, layer::kShotDir, chance(5) ? anyValue() : below(4)});
                level.values.push_back({x, y, layer::kParamA, parameter()});
                level.values.push_back({x, y, layer::kParamB, parameter()});
            }
        }
        // Most teleporters name another one as their partner.
        for (const auto& t : teleporters) {
            if (chance(4)) continue;
            const auto& p = teleporters[below(teleporters.size())];
            level.values.push_back({t[0], t[1], layer::kParamA, p[0]});
            level.values.push_back({t[0], t[1], layer::kParamB, p[1]});
        }
        if (!chance(5)) {
            level.values.push_back(
                {1 + below(kLastCol - 1), 1 + below(kLastRow - 1), layer::kCode, code::kPlayer});
        }
        return level;
    }

    // What the window does between two cell steps: random numbers for the guns, keys,
    // Escape and the replay button now and then.
    void everyCycle(Rig& rig) {
        while (rig.host.randoms.size() < kPlayCells)
            rig.host.randoms.push_back(gen() / 4294967296.0);
        // The rig records every paint and sound; a long run must not hoard them.
        rig.canvas.paints.clear();
        rig.sounds.played.clear();
        rig.host.paced.clear();
        rig.host.asked.clear();
        // The four arrows and, one time in five, a key the game does not know.
        static constexpr std::optional<Dir> kArrows[] = {Dir::Left, Dir::Up, Dir::Right, Dir::Down,
                                                         std::nullopt};
        if (chance(10)) keyDown(rig.world, kArrows[below(5)], chance(4));
        if (chance(10)) keyUp(rig.world, kArrows[below(5)]);
        if (chance(50)) rig.world.kolWeapon.setCaption(std::to_string(below(20)));
        if (chance(1000)) {
            rig.host.answer(QuestionId::LeaveGame, 2);  // never quit: restart or go on
            rig.host.answer(QuestionId::RestartLevel, 1 + below(2));
            player::escape(rig.ctx);
        }
        if (chance(2000)) Destroy(rig.ctx);
        rig.host.at(rig.ctx.cycles + 1, [this, &rig] { everyCycle(rig); });
    }

    std::mt19937 gen;
};

class Soak : public ::testing::TestWithParam<unsigned> {};

TEST_P(Soak, RandomBoardsAndKeysNeverCrashTheMainLoop) {
    Rig rig;
    RandomPlay soak(GetParam());
    long total = 0;
    int calls = 0;
    rig.world.levelName = "t.tur";
    while (total < kCyclesPerSeed) {
        // Mostly the same level again, as the game replays it after a wreck.
        if (calls == 0 || soak.chance(4)) {
            rig.dir.write("t.tur", testing::levelFileText(soak.randomLevel()));
        }
        rig.world.startMode = StartMode::Again;
        rig.ctx.cycleLimit = std::min(kCyclesPerLevel, kCyclesPerSeed - total);
        rig.host.clearEvents();
        rig.host.at(0, [&] { soak.everyCycle(rig); });
        ASSERT_NO_THROW(Game(rig.ctx)) << "call " << calls;
        ASSERT_GT(rig.ctx.cycles, 0);
        total += rig.ctx.cycles;
        ++calls;
    }
    EXPECT_EQ(total, kCyclesPerSeed);
}

INSTANTIATE_TEST_SUITE_P(Seeds, Soak, ::testing::Values(1u, 2u, 3u, 4u));

}  // namespace
}  // namespace boltik::loop
