// Key events become request flags.
#include "core/player/Keyboard.h"

#include "core/game/Blasts.h"

namespace boltik::player {

using namespace board;

std::optional<Dir> arrowDir(int keyCode) {
    switch (keyCode) {
        case kKeyUp:
            return Dir::Up;
        case kKeyRight:
            return Dir::Right;
        case kKeyDown:
            return Dir::Down;
        case kKeyLeft:
            return Dir::Left;
        default:
            return std::nullopt;
    }
}

int arrowKey(Dir d) {
    constexpr int kKeys[] = {kKeyUp, kKeyRight, kKeyDown, kKeyLeft};
    return kKeys[index(d)];
}

void keyDown(World& world, int keyCode, int shiftState) {
    const auto d = arrowDir(keyCode);
    if (!d) return;
    Requests& r = world.requests;
    if (shiftState == kShiftAlone) {
        r.fire[*d] = 1;
    } else {
        if (!r.held[*d]) r.fresh[*d] = true;
        r.key[*d] = 1;
    }
    r.held[*d] = true;
}

void keyUp(World& world, int keyCode) {
    const auto d = arrowDir(keyCode);
    if (!d) return;
    Requests& r = world.requests;
    r.held[*d] = false;
    r.fire[*d] = 0;
    if (!r.fresh[*d]) r.key[*d] = 0;
}

EscapeAnswer escape(game::Context& ctx) {
    if (ctx.host.askUser(game::leaveGameQuestion()) == 1) {
        return EscapeAnswer::Quit;
    }
    if (ctx.host.askUser(game::restartLevelQuestion()) == 1) {
        game::Destroy(ctx);
        return EscapeAnswer::Restart;
    }
    return EscapeAnswer::Continue;
}

}  // namespace boltik::player
