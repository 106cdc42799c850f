// The controllers read through SDL's game controller interface, on a machine with none attached:
// what a read takes off SDL's event queue and what it leaves there.
#include <SDL.h>
#include <gtest/gtest.h>

#include "sdl/Controllers.h"

using boltik::sdl::Controllers;
using boltik::sdl::PadState;

namespace {

int waiting(Uint32 first, Uint32 last) {
    return SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, first, last);
}

}  // namespace

TEST(Controllers, ReadTakesOnlyControllerEventsOffTheQueue) {
    const std::unique_ptr<Controllers> pads = Controllers::open();
    if (!pads) GTEST_SKIP() << "SDL's game controller subsystem does not start here";

    SDL_Event other{};
    other.type = SDL_USEREVENT;
    ASSERT_EQ(SDL_PushEvent(&other), 1);
    // A controller that cannot be opened and one that was never opened: both are passed over.
    SDL_Event added{};
    added.type = SDL_CONTROLLERDEVICEADDED;
    added.cdevice.which = 999;
    ASSERT_EQ(SDL_PushEvent(&added), 1);
    SDL_Event removed{};
    removed.type = SDL_CONTROLLERDEVICEREMOVED;
    removed.cdevice.which = 12345;
    ASSERT_EQ(SDL_PushEvent(&removed), 1);

    PadState state;
    state.fire = true;
    state.stickX = 500;
    EXPECT_FALSE(pads->read(state));
    EXPECT_EQ(state, PadState{});

    EXPECT_EQ(waiting(SDL_JOYAXISMOTION, SDL_FINGERDOWN - 1), 0);
    // Events of the rest of SDL, the sound device's among them, stay for their own readers.
    EXPECT_EQ(waiting(SDL_USEREVENT, SDL_USEREVENT), 1);
    SDL_FlushEvent(SDL_USEREVENT);
}

TEST(Controllers, OpenAgainAfterClosing) {
    std::unique_ptr<Controllers> pads = Controllers::open();
    if (!pads) GTEST_SKIP() << "SDL's game controller subsystem does not start here";
    pads.reset();
    EXPECT_EQ(SDL_WasInit(SDL_INIT_GAMECONTROLLER), 0u);
    pads = Controllers::open();
    ASSERT_NE(pads, nullptr);
    PadState state;
    EXPECT_FALSE(pads->read(state));
}
