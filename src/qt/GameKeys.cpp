// The map from Qt's keys and modifiers to the game's arrows, shots and Escape.
#include "qt/GameKeys.h"

namespace boltik::qt {

GameKey gameKey(int qtKey) {
    using Kind = GameKey::Kind;
    switch (qtKey) {
        case Qt::Key_Left:
            return {Kind::Arrow, board::Dir::Left};
        case Qt::Key_Up:
            return {Kind::Arrow, board::Dir::Up};
        case Qt::Key_Right:
            return {Kind::Arrow, board::Dir::Right};
        case Qt::Key_Down:
            return {Kind::Arrow, board::Dir::Down};
        case Qt::Key_Escape:
            return {Kind::Escape};
        default:
            return {};
    }
}

bool asksForShot(Qt::KeyboardModifiers modifiers) {
    return (modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) ==
           Qt::ShiftModifier;
}

}  // namespace boltik::qt
