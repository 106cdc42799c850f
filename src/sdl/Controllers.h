// The game controllers attached to the machine, read through SDL2's game controller interface:
// their d-pads, left sticks, face buttons, Start and Back, as one combined reading.
#pragma once

#include <map>
#include <memory>

struct _SDL_GameController;

namespace boltik::sdl {

// What the controllers hold at one moment, all of them together: a button counts when it is held
// on any controller, a stick axis is the one furthest from the centre.
struct PadState {
    bool up = false;  // the d-pad
    bool down = false;
    bool left = false;
    bool right = false;
    // The left stick, -32768 (left, up) .. 32767 (right, down); 0 at the centre.
    int stickX = 0;
    int stickY = 0;
    bool fire = false;  // any of the four face buttons (A, B, X, Y)
    bool start = false;
    bool back = false;

    bool operator==(const PadState&) const = default;
};

// Owns SDL's game controller subsystem and every controller opened through it, from open until
// destruction. Reads only controller and joystick events from SDL's queue, so the events of the
// sound device stay where they are.
class Controllers {
public:
    // Starts the game controller subsystem; nullptr when it cannot be started (no input
    // devices, no permission), and then SDL is left as it was.
    static std::unique_ptr<Controllers> open();

    ~Controllers();
    Controllers(const Controllers&) = delete;
    Controllers& operator=(const Controllers&) = delete;

    // Takes the controllers plugged in and out since the last call, then reads them all. False,
    // with the state cleared, while none is attached.
    bool read(PadState& state);

private:
    Controllers() = default;
    void attach(int deviceIndex);
    void detach(int instanceId);

    // The open controllers by SDL's instance id of their joystick.
    std::map<int, _SDL_GameController*> pads_;
};

}  // namespace boltik::sdl
