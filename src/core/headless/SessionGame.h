// A session played headless, as the game window plays one: what the session does not decide
// (the player's inputs, answers and level choice) comes from a script.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "core/board/World.h"
#include "core/game/Context.h"
#include "core/loop/MainLoop.h"
#include "core/recording/Recording.h"
#include "core/session/SessionHost.h"
#include "core/sound/Sounds.h"
#include "core/sprites/Canvas.h"
#include "core/sprites/Sprites.h"

namespace boltik::headless {

class SessionGame {
public:
    // seedOfSeeds seeds the fresh seeds of a session that has none of its own.
    explicit SessionGame(std::unique_ptr<session::Session> session, uint32_t seedOfSeeds = 0);
    SessionGame(const SessionGame&) = delete;
    SessionGame& operator=(const SessionGame&) = delete;

    // The player's inputs by yield; at its yield each is told to the session and given to the
    // game, as the game window does, while the session takes input.
    std::multimap<long, std::pair<recording::Event::Kind, board::Dir>> inputs;
    // The player's answers to the questions the session leaves to the player, in order;
    // "Нет" when none is left.
    std::deque<int> answers;
    // The player's choices of a level, in order; the chooser closed when none is left.
    std::deque<std::string> choices;

    // Prepares the session and plays one call of the main loop. GameQuit passes through.
    loop::GameEnd play();

    board::World world;
    sprites::SpriteStore sprites;
    sprites::NullCanvas canvas;
    sound::SilentSounds sounds;

    // The main loop's host: the session first, then the script.
    class Host : public session::SessionHost {
    public:
        Host(SessionGame& game, std::unique_ptr<session::Session> session, uint32_t seed)
            : SessionHost(std::move(session), seed), game_(game) {}
        void pace(int) override {}

    private:
        void yieldToPlayer() override;
        int askPlayer(const game::Question& question) override;
        std::optional<std::string> playerChooses() override;
        SessionGame& game_;
    };
    Host host;
    game::Context ctx;
};

}  // namespace boltik::headless
