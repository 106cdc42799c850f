// Recording won levels and playing recordings back.
#include "core/recording/Recorder.h"

#include <ctime>
#include <filesystem>

#include "core/io/Files.h"
#include "core/io/Text.h"
#include "core/progress/Progress.h"

namespace boltik::recording {

namespace {

namespace fs = std::filesystem;

// replays/<level>-<date>-<time>.txt, with a number added when that name is taken.
fs::path replayPath(const std::string& folder, const std::string& level) {
    const std::time_t now = std::time(nullptr);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", std::localtime(&now));
    const std::string stem = fs::path(level).stem().string() + "-" + stamp;
    fs::path path = fs::path(folder) / (stem + ".txt");
    std::error_code error;
    for (int n = 2; fs::exists(path, error); ++n)
        path = fs::path(folder) / (stem + "-" + std::to_string(n) + ".txt");
    return path;
}

}  // namespace

void Recorder::begin(const board::World& world, uint32_t seed) {
    current_ = Recording::begin(world, seed);
    rewound_ = false;
}

void Recorder::chosen(const std::string& name) {
    if (current_) current_->name = name;
}

void Recorder::answered(game::QuestionId id, int answer) {
    if (current_) current_->answers.push_back({id, answer});
}

void Recorder::forgetAfter(long point) {
    if (!current_) return;
    auto& events = current_->events;
    std::erase_if(events, [point](const Event& e) { return e.point > point; });
    rewound_ = true;
}

void Recorder::input(long point, Event::Kind kind, board::Dir dir) {
    if (current_) current_->events.push_back({point, kind, dir});
}

std::string Recorder::end(bool finished, const board::World& world, long cycles) {
    if (!current_) return {};
    Recording r = std::move(*current_);
    current_.reset();
    if (world.levelName != trackedLevel_) {
        trackedLevel_ = world.levelName;
        livesAtFirstStart_ = io::leadingNumber(r.lives);
    }
    if (!finished) return {};
    const int64_t lost = livesAtFirstStart_ - world.kolLives.value();
    trackedLevel_.clear();
    progress::Progress progress = progress::Progress::load();
    progress.record(world.levelName, cycles, lost > 0 ? lost : 0, rewound_);
    if (const io::WriteResult saved = progress.save(); !saved) failure_ = saved.reason;

    const auto checksum = checksumOfFile(world.levelName);
    if (!checksum) return {};
    r.level = world.levelName;
    r.checksum = *checksum;
    r.cycles = cycles;
    std::error_code error;
    fs::create_directories(folder_, error);
    const fs::path path = replayPath(folder_, r.level);
    if (const io::WriteResult written = io::writeFileAtomically(path.string(), recordingText(r));
        !written) {
        failure_ = written.reason;
        return {};
    }
    return path.string();
}

Player::Player(Recording replay) : recording_(std::move(replay)) {
    for (const auto& [id, answer] : recording_.answers)
        answers_.push_back(answer);
}

void Player::deliver(long point, game::Context& ctx) {
    while (next_ < recording_.events.size() && recording_.events[next_].point <= point)
        apply(recording_.events[next_++], ctx);
}

int Player::answer() {
    if (answers_.empty()) return 2;
    const int a = answers_.front();
    answers_.pop_front();
    return a;
}

}  // namespace boltik::recording
