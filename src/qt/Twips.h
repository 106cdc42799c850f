// Window and control geometry as designed, in twips: 15 twips to a pixel.
#pragma once

#include <QRect>

namespace boltik::qt {

// Twips to pixels, rounded to the nearest pixel.
constexpr int px(int twips) {
    return (twips * 2 + 15) / 30;
}

constexpr QRect twipsRect(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}

}  // namespace boltik::qt
