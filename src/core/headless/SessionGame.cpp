// A session played headless.
#include "core/headless/SessionGame.h"

namespace boltik::headless {

SessionGame::SessionGame(std::unique_ptr<session::Session> session, uint32_t seedOfSeeds)
    : host(*this, std::move(session), seedOfSeeds), ctx(world, sprites, canvas, sounds, host) {
    host.attach(ctx);
}

loop::GameEnd SessionGame::play() {
    host.session().prepare(ctx);
    return loop::Game(ctx);
}

void SessionGame::Host::yieldToPlayer() {
    const auto [first, last] = game_.inputs.equal_range(yieldPoint());
    for (auto it = first; it != last && session().takesInput(); ++it) {
        const auto [kind, dir] = it->second;
        session().input(yieldPoint(), kind, dir);
        recording::apply({0, kind, dir}, *ctx_);
    }
}

int SessionGame::Host::askPlayer(const game::Question&) {
    if (game_.answers.empty()) return 2;
    const int answer = game_.answers.front();
    game_.answers.pop_front();
    return answer;
}

std::optional<std::string> SessionGame::Host::playerChooses() {
    if (game_.choices.empty()) return std::nullopt;
    std::string choice = std::move(game_.choices.front());
    game_.choices.pop_front();
    return choice;
}

}  // namespace boltik::headless
