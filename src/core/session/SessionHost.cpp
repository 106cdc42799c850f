// Playing a session through the main loop's host.
#include "core/session/SessionHost.h"

namespace boltik::session {

SessionHost::SessionHost(std::unique_ptr<Session> session, uint32_t seedOfSeeds)
    : session_(std::move(session)), seeds_(seedOfSeeds) {}

void SessionHost::yield() {
    session_->atYield(yieldPoint(), *ctx_);
    yieldToPlayer();
}

int SessionHost::askUser(const game::Question& question) {
    if (const auto answer = session_->answerFor(question)) return *answer;
    const int answer = askPlayer(question);
    session_->answered(question.id, answer);
    return answer;
}

std::optional<std::string> SessionHost::chooseLevel() {
    if (auto choice = session_->levelChoice()) return choice;
    auto chosen = playerChooses();
    if (chosen) session_->chosen(*chosen);
    return chosen;
}

void SessionHost::onLevelStart() {
    generator_.seed(session_->levelStarts(ctx_->world, seeds_()));
}

void SessionHost::setRandom(uint32_t seed, uint32_t draws) {
    generator_.seed(seed);
    uniform_.reset();
    for (uint32_t i = 0; i < draws; ++i)
        uniform_(generator_);
}

void SessionHost::onLevelEnd(bool finished) {
    session_->levelEnds(finished, ctx_->world, ctx_->cycles);
}

}  // namespace boltik::session
