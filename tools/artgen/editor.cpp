// Draws the level editor's pictures: the palette, the blank cell and KudaSow's four headings.
#include <array>

#include "artgen.h"

namespace art {
namespace {

// The code each palette index shows, as the editor's tool table gives it.
constexpr std::array<int, 14> kPaletteCodes = {0, 2, 3, 4, 5, 6, 7, 8, 9, 1000, 1, 50, 60, 13};

// A dark line along the top and left edges: laid side by side, the pictures keep the grid.
void gridEdge(QImage& img) {
    const QRgb ink = qRgb(0, 0, 0);
    for (int i = 0; i < img.width(); ++i)
        img.setPixel(i, 0, ink);
    for (int i = 0; i < img.height(); ++i)
        img.setPixel(0, i, ink);
}

QImage paletteImage(int code) {
    const std::map<int, Sprite> objects = [] {
        std::map<int, Sprite> all = objectSprites();
        all.merge(actorSprites());
        return all;
    }();
    QImage img =
        code == 1000 ? renderSprite(robotSprites().at(0), 32) : renderSprite(objects.at(code), 32);
    gridEdge(img);
    return img;
}

// The crawler going up or down with the wall on its right or its left, and an arrow showing
// where it goes.
QImage headingImage(bool down, bool wallOnRight) {
    QImage img = blankImage(120, 61, pal::floor);
    QPainter p(&img);
    QImage floor = blankImage(32, 32, pal::floor);
    paintFloor(floor);
    for (int y = 0; y < 61; y += 32)
        for (int x = 0; x < 120; x += 32)
            p.drawImage(x, y, floor);
    p.setRenderHint(QPainter::Antialiasing);
    // The wall: a column of stones along one side.
    QImage wall = renderSprite(objectSprites().at(2), 24);
    const int wallX = wallOnRight ? 120 - 24 : 0;
    for (int y = -12; y < 61; y += 24)
        p.drawImage(wallX, y, wall);
    // The crawler beside the wall, turned the way it goes.
    const QImage crawler = renderSprite(actorSprites().at(50), 40);
    const double cx = wallOnRight ? 120 - 24 - 22 : 24 + 22;
    p.save();
    p.translate(cx, 30.5);
    if (down) p.rotate(180);
    p.drawImage(QPointF(-20, -20), crawler.copy(0, 0, 40, 40));
    p.restore();
    // The arrow on the open side.
    const double ax = wallOnRight ? 34 : 86;
    const double tip = down ? 56 : 5;
    const double tail = down ? 8 : 53;
    const double dir = down ? -1 : 1;
    QPainterPath arrow;
    arrow.moveTo(ax, tip);
    arrow.lineTo(ax - 11, tip + dir * 14);
    arrow.lineTo(ax - 4, tip + dir * 14);
    arrow.lineTo(ax - 4, tail);
    arrow.lineTo(ax + 4, tail);
    arrow.lineTo(ax + 4, tip + dir * 14);
    arrow.lineTo(ax + 11, tip + dir * 14);
    arrow.closeSubpath();
    bevel(p, arrow, pal::accent, 1.5, 1.2);
    return img;
}

}  // namespace

std::vector<NamedImage> editorImages() {
    std::vector<NamedImage> out;
    for (int i = 0; i < int(kPaletteCodes.size()); ++i)
        out.push_back({QString("editor/obje_%1.png").arg(i), paletteImage(kPaletteCodes[i])});
    QImage blank = blankImage(32, 32, pal::floor);
    paintFloor(blank);
    gridEdge(blank);
    out.push_back({"editor/setka.png", blank});
    // KudaSow: 0 up and 1 down with the wall on the right, 2 up and 3 down with it on the left.
    out.push_back({"editor/kudasow_0.png", headingImage(false, true)});
    out.push_back({"editor/kudasow_1.png", headingImage(true, true)});
    out.push_back({"editor/kudasow_2.png", headingImage(false, false)});
    out.push_back({"editor/kudasow_3.png", headingImage(true, false)});
    return out;
}

}  // namespace art
