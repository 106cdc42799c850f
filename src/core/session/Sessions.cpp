// The player's game, a recording played back, and the editor's trial.
#include "core/session/Sessions.h"

#include "core/recording/RecordingFile.h"

namespace boltik::session {

uint32_t Live::levelStarts(const board::World& world, uint32_t fresh) {
    if (!repeatSeed_) seed_ = fresh;
    repeatSeed_ = false;
    recorder_.begin(world, seed_);
    return seed_;
}

std::optional<recording::Recording> Live::played(const board::World& world) const {
    if (!recorder_.current()) return std::nullopt;
    recording::Recording r = *recorder_.current();
    r.start = board::StartMode::Again;
    r.name = world.levelName;
    return r;
}

std::optional<recording::Recording> Live::levelStart(const board::World& world) const {
    auto start = played(world);
    if (start) {
        start->answers.clear();
        start->events.clear();
    }
    return start;
}

void Live::levelEnds(bool finished, const board::World& world, long cycles) {
    recorder_.end(finished, world, cycles);
}

void Playback::prepare(game::Context& ctx) {
    player_.recording().restore(ctx.world);
    // A playback is not the player's game: the counter file stays as it was, and a recording
    // that does not reach its end is given up a little past its length.
    ctx.writesCounterFile = false;
    ctx.cycleLimit = recording::playbackLimit(player_.recording());
}

void Trial::prepare(game::Context& ctx) {
    ctx.writesCounterFile = false;
    ctx.world.levelName = levelFile_;
    ctx.world.startMode = board::StartMode::Again;
}

}  // namespace boltik::session
