// The main loop's dispatch table.
#include "core/loop/Dispatch.h"

#include "core/game/Blasts.h"
#include "core/game/Enemies.h"
#include "core/game/Shots.h"
#include "core/game/Stationary.h"
#include "core/player/MeGo.h"

namespace boltik::loop {

using namespace board;
using game::Context;
using game::GameQuit;

void dispatch(Context& ctx, int16_t c, int x, int y) {
    switch (c) {
        case code::kCapsule:
            capsuleStep(ctx, x, y);
            break;
        case code::kGunDown:
        case code::kGunUp:
            gunStep(ctx, x, y);
            break;
        case code::kTeleporter:
            teleporterStep(ctx, x, y);
            break;
        case code::kMagnet:
            magnetStep(ctx, x, y);
            break;
        case code::kCrawler:
            crawlerStep(ctx, x, y);
            break;
        case code::kBat:
            batStep(ctx, x, y);
            break;
        case code::kBlast1:
        case code::kBlast2:
        case code::kBlast3:
        case code::kBlast4:
        case code::kBlast5:
            blastStep(ctx, x, y);
            break;
        case code::kShotV:
            verticalShotStep(ctx, x, y);
            break;
        case code::kShotH:
            horizontalShotStep(ctx, x, y);
            break;
        case code::kFuse:
            fuseStep(ctx, x, y);
            break;
        case code::kPlayer:
            if (ctx.board.at(x, y, layer::kMoved) == 0) player::MeGo(ctx);
            break;
        default:
            break;
    }
}

}  // namespace boltik::loop
