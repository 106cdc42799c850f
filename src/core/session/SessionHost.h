// A host of the main loop that plays a session: at each yield the session's inputs, for each
// question the session's answer, and for the level the session's choice; the guns draw from a
// generator seeded as the session says at every level start. What is left to the program
// around it (yielding to the window system, pacing, asking the player) is a subclass's.
#pragma once

#include <cstdint>
#include <memory>
#include <random>

#include "core/game/Context.h"
#include "core/game/Host.h"
#include "core/session/Session.h"

namespace boltik::session {

class SessionHost : public game::Host {
public:
    // seedOfSeeds seeds the generator of fresh seeds, one for each level a session that has
    // none of its own starts.
    SessionHost(std::unique_ptr<Session> session, uint32_t seedOfSeeds);

    // The running game; the session is asked about it.
    void attach(game::Context& ctx) { ctx_ = &ctx; }
    Session& session() { return *session_; }
    // A new session takes over, before its first level; the one it replaces is handed back.
    std::unique_ptr<Session> setSession(std::unique_ptr<Session> session) {
        std::swap(session_, session);
        return session;
    }

    void yield() final;
    int askUser(const game::Question& question) final;
    std::optional<std::string> chooseLevel() final;
    double random() final { return uniform_(generator_); }
    void onLevelStart() final;
    // The guns' generator as it stands after that many numbers from the seed.
    void setRandom(uint32_t seed, uint32_t draws);
    // The yields so far, after the game was put into another state of its level.
    void moveToYield(long point) { setYieldPoint(point); }
    void onLevelEnd(bool finished) override;

protected:
    // After the session's inputs of a yield: lets the player act (the window system's events).
    virtual void yieldToPlayer() = 0;
    // A question the session does not answer, put to the player.
    virtual int askPlayer(const game::Question& question) = 0;
    // The player's choice of a level; nothing when the chooser is closed without one.
    virtual std::optional<std::string> playerChooses() = 0;

    game::Context* ctx_ = nullptr;

private:
    std::unique_ptr<Session> session_;
    // The guns' random numbers: a generator seeded afresh at every level start, so that a
    // recording keeps the seed and plays the guns again as they fired.
    std::mt19937 generator_;
    std::uniform_real_distribution<double> uniform_{0.0, 1.0};
    std::mt19937 seeds_;
};

}  // namespace boltik::session
