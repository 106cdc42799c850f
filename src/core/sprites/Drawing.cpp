// One-cell drawing against the canvas.
#include "core/sprites/Drawing.h"

namespace boltik::sprites {

using namespace board;

bool Drawing::paintAtCell(std::optional<Picture> picture, int x, int y) {
    const int px = board_.at(x, y, layer::kLeft);
    const int py = board_.at(x, y, layer::kTop);
    if (!picture) return false;
    canvas_.paint(*picture, px, py);
    return true;
}

bool Drawing::paintObject(int k, int x, int y) {
    return paintAtCell(sprites_.object(k), x, y);
}

bool Drawing::paintRobot(int k, int x, int y) {
    return paintAtCell(sprites_.robot(k), x, y);
}

bool Drawing::DrawZeml(int x, int y) {
    return paintObject(board_.code(x, y), x, y);
}

void Drawing::swapCells(int a1, int b1, int a2, int b2) {
    const int16_t t = board_.code(a2, b2);
    board_.setCode(a2, b2, board_.code(a1, b1));
    board_.setCode(a1, b1, t);
    DrawZeml(a1, b1);
    DrawZeml(a2, b2);
}

}  // namespace boltik::sprites
