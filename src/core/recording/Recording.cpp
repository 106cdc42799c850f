// Recording a level's start and putting it back, and playing a recorded input.
#include "core/recording/Recording.h"

#include <fstream>
#include <iterator>

#include "core/game/Blasts.h"
#include "core/io/Files.h"
#include "core/player/Keyboard.h"

namespace boltik::recording {

namespace {

constexpr int kRecordedLayers[] = {board::layer::kTick, board::layer::kPhase, board::layer::kMoved};

}  // namespace

const char* inputWord(Event::Kind kind) {
    switch (kind) {
        case Event::Kind::Press:
            return "press";
        case Event::Kind::Shift:
            return "shift";
        case Event::Kind::Release:
            return "release";
        case Event::Kind::Escape:
            return "escape";
        case Event::Kind::Wreck:
            break;
    }
    return "replay";
}

std::optional<Event::Kind> inputNamed(std::string_view word) {
    for (auto kind : {Event::Kind::Press, Event::Kind::Shift, Event::Kind::Release,
                      Event::Kind::Escape, Event::Kind::Wreck}) {
        if (word == inputWord(kind)) return kind;
    }
    return std::nullopt;
}

void apply(const Event& event, game::Context& ctx) {
    switch (event.kind) {
        case Event::Kind::Press:
            player::keyDown(ctx.world, event.dir, false);
            break;
        case Event::Kind::Shift:
            player::keyDown(ctx.world, event.dir, true);
            break;
        case Event::Kind::Release:
            player::keyUp(ctx.world, event.dir);
            break;
        case Event::Kind::Escape:
            if (player::escape(ctx) == player::EscapeAnswer::Quit) throw game::GameQuit{};
            break;
        case Event::Kind::Wreck:
            game::Destroy(ctx);
            break;
    }
}

Recording Recording::begin(const board::World& world, uint32_t seed) {
    Recording r;
    r.start = world.startMode;
    r.name = world.levelName;
    r.seed = seed;
    r.lives = world.kolLives.caption();
    r.bigCycles = world.bigCycles;
    r.fireDelay = world.fireDelay;
    r.requests = world.requests;
    for (int x = 0; x <= world.lastCol; ++x) {
        for (int y = 0; y <= world.lastRow; ++y) {
            for (int l : kRecordedLayers) {
                const int16_t v = world.board.at(x, y, l);
                if (v != 0) r.cells.push_back({x, y, l, v});
            }
        }
    }
    return r;
}

void Recording::restore(board::World& world) const {
    world.startMode = start;
    world.levelName = name;
    world.kolLives.setCaption(lives);
    world.bigCycles = bigCycles;
    world.fireDelay = fireDelay;
    world.requests = requests;
    for (int x = 0; x <= world.lastCol; ++x) {
        for (int y = 0; y <= world.lastRow; ++y) {
            for (int l : kRecordedLayers)
                world.board.set(x, y, l, 0);
        }
    }
    for (const CellValue& c : cells)
        world.board.set(c.x, c.y, c.layer, c.value);
}

std::optional<std::string> checksumOfFile(const std::string& path) {
    std::ifstream in;
    std::string reason;
    if (!io::openRegularFile(path, in, reason)) return std::nullopt;
    return io::checksumOf(std::string(std::istreambuf_iterator<char>(in), {}));
}

}  // namespace boltik::recording
