// Arrows become request flags.
#include "core/player/Keyboard.h"

#include "core/game/Blasts.h"

namespace boltik::player {

using namespace board;

void keyDown(World& world, Dir d, bool shot) {
    Requests& r = world.requests;
    if (shot) {
        r.fire[d] = 1;
    } else {
        if (!r.held[d]) r.fresh[d] = true;
        r.key[d] = 1;
    }
    r.held[d] = true;
}

void keyUp(World& world, Dir d) {
    Requests& r = world.requests;
    r.held[d] = false;
    r.fire[d] = 0;
    if (!r.fresh[d]) r.key[d] = 0;
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
