// The map from Qt's keys and modifiers to the game's arrows, shots and Escape.
#include "qt/GameKeys.h"

#include <QGuiApplication>
#include <iterator>

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

namespace {

// The letter keys of the Russian layout, row by row, and the Latin keys in their places.
struct Place {
    int cyrillic;
    int latin;
};
// Qt names a letter key by its upper-case character.
constexpr Place kRussianPlaces[] = {
    {u'Й', Qt::Key_Q}, {u'Ц', Qt::Key_W}, {u'У', Qt::Key_E}, {u'К', Qt::Key_R}, {u'Е', Qt::Key_T},
    {u'Н', Qt::Key_Y}, {u'Г', Qt::Key_U}, {u'Ш', Qt::Key_I}, {u'Щ', Qt::Key_O}, {u'З', Qt::Key_P},
    {u'Ф', Qt::Key_A}, {u'Ы', Qt::Key_S}, {u'В', Qt::Key_D}, {u'А', Qt::Key_F}, {u'П', Qt::Key_G},
    {u'Р', Qt::Key_H}, {u'О', Qt::Key_J}, {u'Л', Qt::Key_K}, {u'Д', Qt::Key_L}, {u'Я', Qt::Key_Z},
    {u'Ч', Qt::Key_X}, {u'С', Qt::Key_C}, {u'М', Qt::Key_V}, {u'И', Qt::Key_B}, {u'Т', Qt::Key_N},
    {u'Ь', Qt::Key_M},
};

// The Latin letters by the Linux input code of their key (the X11 and Wayland scan code less 8).
constexpr int kLettersByCode[] = {Qt::Key_Q, Qt::Key_W, Qt::Key_E, Qt::Key_R, Qt::Key_T, Qt::Key_Y,
                                  Qt::Key_U, Qt::Key_I, Qt::Key_O, Qt::Key_P, 0,         0,
                                  0,         0,         Qt::Key_A, Qt::Key_S, Qt::Key_D, Qt::Key_F,
                                  Qt::Key_G, Qt::Key_H, Qt::Key_J, Qt::Key_K, Qt::Key_L, 0,
                                  0,         0,         0,         0,         Qt::Key_Z, Qt::Key_X,
                                  Qt::Key_C, Qt::Key_V, Qt::Key_B, Qt::Key_N, Qt::Key_M};
constexpr int kFirstLetterCode = 16;  // Q

}  // namespace

int keyByPlace(int qtKey) {
    for (const Place& p : kRussianPlaces) {
        if (p.cyrillic == qtKey) return p.latin;
    }
    return qtKey;
}

int keyByPlace(const QKeyEvent& event) {
    const QString platform = QGuiApplication::platformName();
    const bool commonCodes =
        platform == QLatin1String("xcb") || platform == QLatin1String("wayland");
    const long code = static_cast<long>(event.nativeScanCode()) - 8 - kFirstLetterCode;
    if (commonCodes && code >= 0 && code < static_cast<long>(std::size(kLettersByCode)) &&
        kLettersByCode[code] != 0) {
        return kLettersByCode[code];
    }
    return keyByPlace(event.key());
}

int arrowKey(board::Dir dir) {
    switch (dir) {
        case board::Dir::Up:
            return Qt::Key_Up;
        case board::Dir::Right:
            return Qt::Key_Right;
        case board::Dir::Down:
            return Qt::Key_Down;
        case board::Dir::Left:
            return Qt::Key_Left;
    }
    return Qt::Key_unknown;
}

bool asksForShot(Qt::KeyboardModifiers modifiers) {
    return (modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) ==
           Qt::ShiftModifier;
}

}  // namespace boltik::qt
