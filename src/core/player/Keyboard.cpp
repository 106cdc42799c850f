// Key events become request flags.
#include "core/player/Keyboard.h"

#include "core/game/Blasts.h"

namespace boltik::player {

using namespace board;

namespace {

struct Arrow {
    int16_t* move;
    int16_t* fire;
    bool* fresh;
    bool* held;
};

bool arrowFor(Requests& r, int keyCode, Arrow& a) {
    switch (keyCode) {
        case kKeyUp:
            a = {&r.keyUp, &r.fireUp, &r.freshUp, &r.heldUp};
            return true;
        case kKeyDown:
            a = {&r.keyDown, &r.fireDown, &r.freshDown, &r.heldDown};
            return true;
        case kKeyLeft:
            a = {&r.keyLeft, &r.fireLeft, &r.freshLeft, &r.heldLeft};
            return true;
        case kKeyRight:
            a = {&r.keyRight, &r.fireRight, &r.freshRight, &r.heldRight};
            return true;
        default:
            return false;
    }
}

}  // namespace

void keyDown(World& world, int keyCode, int shiftState) {
    Arrow a{};
    if (!arrowFor(world.requests, keyCode, a)) return;
    if (shiftState == kShiftAlone) {
        *a.fire = 1;
    } else {
        if (!*a.held) *a.fresh = true;
        *a.move = 1;
    }
    *a.held = true;
}

void keyUp(World& world, int keyCode) {
    Arrow a{};
    if (!arrowFor(world.requests, keyCode, a)) return;
    *a.held = false;
    *a.fire = 0;
    if (!*a.fresh) *a.move = 0;
}

EscapeAnswer escape(game::Context& ctx) {
    if (ctx.host.askUser("Вы уверены, что хотите выйти ?", "Да", "Нет") == 1) {
        return EscapeAnswer::Quit;
    }
    if (ctx.host.askUser("Вы хотите перезапустить тур ?", "Да", "Нет") == 1) {
        game::Destroy(ctx);
        return EscapeAnswer::Restart;
    }
    return EscapeAnswer::Continue;
}

}  // namespace boltik::player
