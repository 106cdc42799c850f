// The host of the game in a web page.
#include "core/web/BrowserHost.h"

#include <utility>

#include "core/headless/Rewind.h"
#include "core/session/Sessions.h"

namespace boltik::web {

bool Breather::breathe() {
    if (page_.now() - last_ < kFrameMillis) return false;
    page_.sleep(0);
    last_ = page_.now();
    return true;
}

BrowserHost::BrowserHost(Page& page, std::unique_ptr<session::Session> session,
                         uint32_t seedOfSeeds)
    : SessionHost(std::move(session), seedOfSeeds), page_(page), breather_(page) {}

void BrowserHost::onLevelEnd(bool finished) {
    SessionHost::onLevelEnd(finished);
    page_.showCounters(*ctx_);
    page_.levelEnded(finished);
}

void BrowserHost::handBack(int ms) {
    page_.showCounters(*ctx_);
    page_.sleep(ms);
    breather_.breathed();
    inputsWaiting_ = true;
}

void BrowserHost::applyInputs() {
    inputsWaiting_ = false;
    for (const PageInput& input : page_.takeInputs()) {
        if (input.rewind) {
            askRewind();
            continue;
        }
        // While paused, and while a recording plays, the arrows wait, as in the desktop game.
        const bool arrow = recording::isArrow(input.kind);
        if (arrow && (!session().takesInput() || page_.paused())) continue;
        session().input(yieldPoint(), input.kind, input.dir);
        recording::apply({0, input.kind, input.dir}, *ctx_);
    }
}

void BrowserHost::askRewind() {
    // As in the game window: the player's own game only, not while paused, and not once the
    // level is being wrecked or left.
    if (!dynamic_cast<session::Live*>(&session()) || page_.paused() || !headless::mayRewind(*ctx_))
        return;
    rewindBy_ += headless::kRewindCycles;
}

void BrowserHost::betweenCycles() {
    if (rewindBy_ == 0) return;
    const long back = std::exchange(rewindBy_, 0);
    auto* live = dynamic_cast<session::Live*>(&session());
    // A wreck that began after the press is not undone: it runs its course as on the desktop.
    if (!live || ctx_->world.wreckCountdown != 0) return;
    page_.rewinding(back);
    const long target = ctx_->cycles - back;
    if (target <= 0) {
        restart_ = true;
        throw LeaveLevel{};
    }
    if (headless::rewindTo(*ctx_, *this, *live, target)) page_.showCounters(*ctx_);
}

bool BrowserHost::restartIfAsked() {
    if (!std::exchange(restart_, false)) return false;
    auto* live = dynamic_cast<session::Live*>(&session());
    if (!live) return false;
    if (const auto start = live->levelStart(ctx_->world)) start->restore(ctx_->world);
    live->repeatSeed();
    return true;
}

void BrowserHost::yieldToPlayer() {
    // The keys reach the page only while the browser has its turn; most yields find nothing.
    if (++yieldsSinceLook_ >= kYieldsPerLook) {
        yieldsSinceLook_ = 0;
        if (breather_.breathe()) inputsWaiting_ = true;
    }
    if (inputsWaiting_) applyInputs();
    // Paused, the main loop waits here: Escape is still handled, and leaving the level.
    while (page_.paused() && !page_.leaving()) {
        handBack(kPollMillis);
        applyInputs();
    }
    if (page_.leaving()) throw LeaveLevel{};
}

void BrowserHost::pace(int rounds) {
    if (nanosPerRound_ <= 0) {
        if (breather_.breathe()) inputsWaiting_ = true;
        return;
    }
    const double now = page_.now();
    if (paceDeadline_ < now - kPaceSlackMillis) paceDeadline_ = now;
    paceDeadline_ += static_cast<double>(nanosPerRound_) * rounds / 1e6;
    // Sleeping a frame at a time: the browser shows the board and takes keys in between.
    const double ahead = paceDeadline_ - now;
    if (ahead >= Breather::kFrameMillis) handBack(static_cast<int>(ahead));
}

int BrowserHost::askPlayer(const game::Question& question) {
    page_.showCounters(*ctx_);
    page_.showQuestion(question);
    int answer = 0;
    while ((answer = page_.answer()) == 0) {
        if (page_.leaving()) throw LeaveLevel{};
        page_.sleep(kPollMillis);
    }
    breather_.breathed();
    // Keys pressed while the question was open belong to it, not to the game.
    page_.takeInputs();
    return answer == 1 ? 1 : 2;
}

std::optional<std::string> BrowserHost::playerChooses() {
    page_.showChooser();
    std::optional<std::string> chosen;
    while (!(chosen = page_.choice())) {
        if (page_.leaving()) throw LeaveLevel{};
        page_.sleep(kPollMillis);
    }
    breather_.breathed();
    page_.takeInputs();
    if (chosen->empty()) return std::nullopt;
    return chosen;
}

}  // namespace boltik::web
