// The game controller as keys: choosing the one direction pointed at, timing the presses, the
// repeats and the releases, and posting them to the game window.
#include "qt/GamePad.h"

#include <QApplication>
#include <QKeyEvent>
#include <algorithm>
#include <cstdlib>

#include "qt/GameKeys.h"
#include "qt/GameWindow.h"

namespace boltik::qt {

namespace {

using board::Dir;

bool dpadHeld(const sdl::PadState& pad, Dir dir) {
    switch (dir) {
        case Dir::Up:
            return pad.up;
        case Dir::Right:
            return pad.right;
        case Dir::Down:
            return pad.down;
        case Dir::Left:
            return pad.left;
    }
    return false;
}

// How far the stick leans towards the direction; negative when it leans away.
int stickToward(const sdl::PadState& pad, Dir dir) {
    return board::dx(dir) * pad.stickX + board::dy(dir) * pad.stickY;
}

// How far the stick leans across the direction, either way.
int stickAcross(const sdl::PadState& pad, Dir dir) {
    return std::abs(board::dx(dir) != 0 ? pad.stickY : pad.stickX);
}

std::optional<Dir> dpadDir(const sdl::PadState& pad, const sdl::PadState& before,
                           std::optional<Dir> current) {
    for (Dir d : board::kAllDirs) {
        if (dpadHeld(pad, d) && !dpadHeld(before, d)) return d;
    }
    if (current && dpadHeld(pad, *current)) return current;
    for (Dir d : board::kAllDirs) {
        if (dpadHeld(pad, d)) return d;
    }
    return std::nullopt;
}

std::optional<Dir> stickDir(const sdl::PadState& pad, std::optional<Dir> current) {
    if (current) {
        // Near the diagonal the direction held stays until the other axis leads by a quarter.
        const int toward = stickToward(pad, *current);
        if (toward >= kStickRelease && stickAcross(pad, *current) * 4 <= toward * 5) {
            return current;
        }
    }
    const int x = std::abs(pad.stickX);
    const int y = std::abs(pad.stickY);
    if (std::max(x, y) < kStickPress) return std::nullopt;
    if (x >= y) return pad.stickX > 0 ? Dir::Right : Dir::Left;
    return pad.stickY > 0 ? Dir::Down : Dir::Up;
}

}  // namespace

std::vector<PadStroke> PadKeys::next(const sdl::PadState& pad, long nowMs) {
    std::vector<PadStroke> strokes;
    const bool dpad = pad.up || pad.down || pad.left || pad.right;
    const std::optional<Dir> want = dpad ? dpadDir(pad, last_, dir_) : stickDir(pad, dir_);
    const bool shot = want && pad.fire;

    for (Dir d : board::kAllDirs) {
        Arrow& arrow = arrows_[static_cast<std::size_t>(board::index(d))];
        if (arrow.pressed && d != want && nowMs - arrow.pressedAt >= kShortestHoldMs) {
            strokes.push_back({arrowKey(d), false});
            arrow.pressed = false;
        }
    }
    if (want) {
        Arrow& arrow = arrows_[static_cast<std::size_t>(board::index(*want))];
        if (arrow.pressed && arrow.shift && !shot) {
            // The fire button let go with the direction still held: the shot request goes,
            // and the arrow is pressed again to move.
            strokes.push_back({arrowKey(*want), false});
            arrow.pressed = false;
        }
        if (!arrow.pressed || want != dir_ || (shot && !arrow.shift)) {
            strokes.push_back({arrowKey(*want), true, shot});
            arrow = {true, shot, nowMs};
            nextRepeat_ = nowMs + kFirstRepeatMs;
        } else if (nowMs >= nextRepeat_) {
            strokes.push_back({arrowKey(*want), true, arrow.shift, true});
            nextRepeat_ = nowMs + kRepeatMs;
        }
    }

    if (pad.start && !last_.start) {
        strokes.push_back({Qt::Key_P, true});
        strokes.push_back({Qt::Key_P, false});
    }
    if (pad.back && !last_.back) {
        strokes.push_back({Qt::Key_Backspace, true});
        strokes.push_back({Qt::Key_Backspace, false});
    }
    last_ = pad;
    dir_ = want;
    return strokes;
}

std::vector<PadStroke> PadKeys::releaseAll() {
    std::vector<PadStroke> strokes;
    for (Dir d : board::kAllDirs) {
        if (arrows_[static_cast<std::size_t>(board::index(d))].pressed) {
            strokes.push_back({arrowKey(d), false});
        }
    }
    *this = PadKeys();
    return strokes;
}

GamePad::GamePad(Reader read, Target target, QObject* parent)
    : QObject(parent), read_(std::move(read)), target_(std::move(target)) {
    clock_.start();
    timer_.setInterval(kIdleMs);
    connect(&timer_, &QTimer::timeout, this, &GamePad::poll);
    timer_.start();
}

std::unique_ptr<GamePad> GamePad::open() {
    std::shared_ptr<sdl::Controllers> controllers = sdl::Controllers::open();
    if (!controllers) return nullptr;
    return std::make_unique<GamePad>(
        [controllers](sdl::PadState& state) { return controllers->read(state); },
        [] { return qobject_cast<GameWindow*>(QApplication::activeWindow()); });
}

void GamePad::poll() {
    sdl::PadState state;
    const bool attached = read_(state);
    if (attached != attached_) {
        attached_ = attached;
        timer_.setInterval(attached ? kAttachedMs : kIdleMs);
    }
    const std::vector<PadStroke> strokes =
        attached ? keys_.next(state, static_cast<long>(clock_.elapsed())) : keys_.releaseAll();
    for (const PadStroke& stroke : strokes)
        post(stroke);
}

void GamePad::post(const PadStroke& stroke) {
    const bool arrow = stroke.key != Qt::Key_P && stroke.key != Qt::Key_Backspace;
    QWidget* window = arrow && !stroke.press ? pressedOn_.data() : target_();
    if (arrow && stroke.press) pressedOn_ = window;
    if (!window) return;
    // Posted, not sent: the game window takes keys at the main loop's yields.
    QCoreApplication::postEvent(
        window, new QKeyEvent(stroke.press ? QEvent::KeyPress : QEvent::KeyRelease, stroke.key,
                              stroke.shift ? Qt::ShiftModifier : Qt::NoModifier, QString(),
                              stroke.autoRepeat));
}

}  // namespace boltik::qt
