// The headless game put together, and a recording played back in it.
#include "core/headless/HeadlessGame.h"

namespace boltik::headless {

HeadlessGame::HeadlessGame(uint32_t seed, SoundTrace trace)
    : HeadlessGame(
          seed, nullCanvas,
          trace == SoundTrace::On ? static_cast<sound::Sounds&>(traceSounds) : silentSounds) {}

HeadlessGame::HeadlessGame(uint32_t seed, sprites::Canvas& canvas, sound::Sounds& sounds)
    : host(seed), ctx(world, sprites, canvas, sounds, host) {
    host.attach(ctx);
    traceSounds.attach(ctx);
}

Playback playRecording(HeadlessGame& game, const recording::Recording& r, long cycleLimit) {
    game::Context& ctx = game.ctx;
    r.restore(game.world);
    ctx.cycleLimit = cycleLimit;
    ctx.writesCounterFile = false;
    for (const auto& [id, answer] : r.answers)
        game.host.answer(id, answer);
    if (r.start == board::StartMode::Choose) game.host.choices.push_back(r.name);
    for (const recording::Event& e : r.events)
        game.host.atYield(e.point, [e, &ctx] { recording::apply(e, ctx); });
    Playback played;
    try {
        played.end = loop::Game(ctx);
    } catch (const game::GameQuit&) {
    }
    played.cycles = ctx.cycles;
    return played;
}

std::optional<LevelState> stateAfter(const recording::Recording& recording, long cycles) {
    if (cycles < 1) return std::nullopt;
    HeadlessGame game(recording.seed);
    try {
        const Playback played = playRecording(game, recording, cycles);
        if (!played.stopped() || game.ctx.cycles != cycles) return std::nullopt;
    } catch (const ScriptStop&) {
        return std::nullopt;
    }
    LevelState state;
    state.world = game.world;
    state.capsuleTicks = game.ctx.capsuleTicks;
    state.flashState = game.ctx.flashState;
    state.cycles = game.ctx.cycles;
    state.yieldPoint = game.host.yieldPoint();
    state.draws = game.host.draws();
    return state;
}

}  // namespace boltik::headless
