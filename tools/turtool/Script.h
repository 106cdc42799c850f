// A scripted host for headless runs: key events at given cycles, scripted answers, a seeded
// random generator and no waiting.
#pragma once

#include <cstdint>
#include <deque>
#include <istream>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/game/Context.h"
#include "core/game/Host.h"
#include "core/sound/Sounds.h"

namespace turtool {

struct ScriptEvent {
    enum class Kind { Press, Shift, Release, Escape, Replay };
    long cycle = 0;
    Kind kind = Kind::Press;
    int keyCode = 0;
    std::vector<int> answers;  // for Escape
};

// Parses a script: lines "<N> press|shift|release <up|down|left|right>", "<N> escape <a1>
// [<a2>]", "<N> replay"; blank lines and lines starting with '#' are skipped. Returns
// nothing and sets error (naming the line) on a malformed line.
std::optional<std::vector<ScriptEvent>> parseScript(std::istream& in, std::string& error);

class ScriptHost : public boltik::game::Host {
public:
    ScriptHost(std::vector<ScriptEvent> events, uint32_t seed, int answerMissing);

    // The context the events act on; set before the run starts.
    void attach(boltik::game::Context& ctx) { ctx_ = &ctx; }

    // Delivers, in file order, every event whose cycle has come.
    void yield() override;
    void pace(int) override {}
    int askUser(const std::string& text, const std::string&, const std::string&) override;
    std::optional<std::string> chooseLevel() override { return std::nullopt; }
    double random() override { return uniform_(generator_); }

private:
    void deliver(const ScriptEvent& event);

    std::vector<ScriptEvent> events_;
    std::size_t next_ = 0;
    std::mt19937 generator_;
    std::uniform_real_distribution<double> uniform_{0.0, 1.0};
    int answerMissing_;
    std::deque<int> escapeAnswers_;
    boltik::game::Context* ctx_ = nullptr;
};

// Silent sounds that remember which effect started in which cycle.
class TraceSounds : public boltik::sound::SilentSounds {
public:
    struct Started {
        long cycle;
        boltik::sound::Effect effect;
    };

    void attach(const boltik::game::Context& ctx) { ctx_ = &ctx; }
    void playPanned(boltik::sound::Effect effect, int pan) override;
    const std::vector<Started>& started() const { return started_; }

private:
    const boltik::game::Context* ctx_ = nullptr;
    std::vector<Started> started_;
};

}  // namespace turtool
