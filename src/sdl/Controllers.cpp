// The game controllers through SDL2: starting the subsystem, following controllers plugged in and
// out, and reading their buttons and left sticks.
#include "sdl/Controllers.h"

#include <SDL.h>

#include <array>
#include <cstdlib>

namespace boltik::sdl {

namespace {

// The axis value of the two that lies further from the centre.
int furthest(int a, int b) {
    return std::abs(b) > std::abs(a) ? b : a;
}

}  // namespace

std::unique_ptr<Controllers> Controllers::open() {
    // Without it SDL installs its own SIGINT handler and Ctrl+C no longer ends the program.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) return nullptr;
    // The controllers already attached arrive as added events at the first read, as later ones
    // do.
    return std::unique_ptr<Controllers>(new Controllers());
}

Controllers::~Controllers() {
    for (const auto& [id, pad] : pads_)
        SDL_GameControllerClose(pad);
    // Events of controllers left in the queue would refer to ids that no longer exist.
    SDL_FlushEvents(SDL_JOYAXISMOTION, SDL_FINGERDOWN - 1);
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void Controllers::attach(int deviceIndex) {
    SDL_GameController* pad = SDL_GameControllerOpen(deviceIndex);
    if (!pad) return;
    const int id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad));
    // SDL counts opens of one device: a controller seen twice is closed once more.
    if (!pads_.emplace(id, pad).second) SDL_GameControllerClose(pad);
}

void Controllers::detach(int instanceId) {
    const auto it = pads_.find(instanceId);
    if (it == pads_.end()) return;
    SDL_GameControllerClose(it->second);
    pads_.erase(it);
}

bool Controllers::read(PadState& state) {
    state = {};
    // Reads the devices and notices new and departed ones, without pumping the rest of SDL's
    // events.
    SDL_GameControllerUpdate();
    // Only joystick and controller events are taken off the queue; the joystick ones are only
    // dropped, so the queue does not fill up with them.
    std::array<SDL_Event, 32> events;
    for (;;) {
        const int count = SDL_PeepEvents(events.data(), static_cast<int>(events.size()),
                                         SDL_GETEVENT, SDL_JOYAXISMOTION, SDL_FINGERDOWN - 1);
        if (count <= 0) break;
        for (int i = 0; i < count; ++i) {
            const SDL_Event& event = events[static_cast<std::size_t>(i)];
            if (event.type == SDL_CONTROLLERDEVICEADDED) attach(event.cdevice.which);
            if (event.type == SDL_CONTROLLERDEVICEREMOVED) detach(event.cdevice.which);
        }
    }
    for (const auto& [id, pad] : pads_) {
        const auto held = [pad](SDL_GameControllerButton button) {
            return SDL_GameControllerGetButton(pad, button) != 0;
        };
        state.up = state.up || held(SDL_CONTROLLER_BUTTON_DPAD_UP);
        state.down = state.down || held(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
        state.left = state.left || held(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
        state.right = state.right || held(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
        state.fire = state.fire || held(SDL_CONTROLLER_BUTTON_A) || held(SDL_CONTROLLER_BUTTON_B) ||
                     held(SDL_CONTROLLER_BUTTON_X) || held(SDL_CONTROLLER_BUTTON_Y);
        state.start = state.start || held(SDL_CONTROLLER_BUTTON_START);
        state.back = state.back || held(SDL_CONTROLLER_BUTTON_BACK);
        state.stickX =
            furthest(state.stickX, SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTX));
        state.stickY =
            furthest(state.stickY, SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTY));
    }
    return !pads_.empty();
}

}  // namespace boltik::sdl
