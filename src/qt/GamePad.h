// A game controller played as the keyboard: the d-pad and the left stick are the arrows, a face
// button held with a direction is Shift with the arrow, Start is P and Back is Backspace.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/board/Directions.h"
#include "sdl/Controllers.h"

namespace boltik::qt {

// One key event for the game window.
struct PadStroke {
    int key = 0;              // a Qt::Key
    bool press = true;        // a press, else a release
    bool shift = false;       // with Shift: a shot
    bool autoRepeat = false;  // a press repeated while the direction is held
    bool operator==(const PadStroke&) const = default;
};

// The left stick, out of 32767 either way: past kStickPress it points a direction; the arrow
// stays held until the stick comes back under kStickRelease, so a stick resting near the press
// point does not chatter.
inline constexpr int kStickPress = 12000;
inline constexpr int kStickRelease = 8000;
// A held direction repeats its press as a held key does: first after kFirstRepeatMs, then every
// kRepeatMs, more often than the game's cycles so the robot walks a cell every cycle.
inline constexpr long kFirstRepeatMs = 250;
inline constexpr long kRepeatMs = 50;
// An arrow is released no sooner than this after its press: the game takes a request at the
// robot's next turn, about a tenth of a second away, and a release before it would lose a quick
// tap of the d-pad.
inline constexpr long kShortestHoldMs = 150;

// Turns successive readings of the controllers into the key strokes a keyboard would give. One
// direction at a time: a d-pad direction just pressed wins over one held before, the d-pad over
// the stick, and on a diagonal of the stick the direction held stays until the other axis is
// clearly the larger. A pure state machine: times are milliseconds on any steady clock.
class PadKeys {
public:
    std::vector<PadStroke> next(const sdl::PadState& pad, long nowMs);
    // The controllers are gone: every arrow held is released at once.
    std::vector<PadStroke> releaseAll();

private:
    struct Arrow {
        bool pressed = false;
        bool shift = false;
        long pressedAt = 0;
    };

    std::array<Arrow, 4> arrows_{};
    std::optional<board::Dir> dir_;  // the direction pointed at the last reading
    long nextRepeat_ = 0;
    sdl::PadState last_;
};

// Polls the controllers and posts their key strokes to the game window in front: about 60 times
// a second while a controller is attached, twice a second otherwise, only to notice one plugged
// in.
class GamePad : public QObject {
    Q_OBJECT

public:
    // Reads the controllers into the state; false while none is attached.
    using Reader = std::function<bool(sdl::PadState&)>;
    // The window the strokes go to, or nullptr for none.
    using Target = std::function<QWidget*()>;

    static constexpr int kAttachedMs = 16;
    static constexpr int kIdleMs = 500;

    GamePad(Reader read, Target target, QObject* parent = nullptr);

    // The machine's controllers played into the active game window. nullptr when SDL's game
    // controller subsystem cannot be started: the program then runs as it does without one.
    static std::unique_ptr<GamePad> open();

    int pollInterval() const { return timer_.interval(); }

private:
    void poll();
    void post(const PadStroke& stroke);

    Reader read_;
    Target target_;
    PadKeys keys_;
    QTimer timer_;
    QElapsedTimer clock_;
    bool attached_ = false;
    // The window that took the last arrow pressed: the arrow's release goes there even after
    // another window came to the front.
    QPointer<QWidget> pressedOn_;
};

}  // namespace boltik::qt
