// Draws the level editor's pictures: the palette, the blank cell and KudaSow's four headings.
#include "artgen.h"
#include "core/editor/Palette.h"

namespace art {
namespace {

// A dark line along the top and left edges: laid side by side, the pictures keep the grid.
void gridEdge(QImage& img) {
    const QSizeF size = img.deviceIndependentSize();
    QPainter p(&img);
    p.fillRect(QRectF(0, 0, size.width(), 1), Qt::black);
    p.fillRect(QRectF(0, 0, 1, size.height()), Qt::black);
}

QImage paletteImage(int code, int scale) {
    const std::map<int, Sprite> objects = [] {
        std::map<int, Sprite> all = objectSprites();
        all.merge(actorSprites());
        return all;
    }();
    QImage img = code == boltik::board::code::kPlayer
                     ? renderSprite(robotSprites().at(0), 32, scale)
                     : renderSprite(objects.at(code), 32, scale);
    gridEdge(img);
    return img;
}

// The crawler going up or down with the wall on its right or its left, and an arrow showing
// where it goes.
QImage headingImage(bool down, bool wallOnRight, int scale) {
    QImage img = blankImage(120, 61, pal::floor, scale);
    QPainter p(&img);
    QImage floor = blankImage(32, 32, pal::floor);
    paintFloor(floor);
    floor = enlarged(floor, scale);
    for (int y = 0; y < 61; y += 32)
        for (int x = 0; x < 120; x += 32)
            p.drawImage(x, y, floor);
    p.setRenderHint(QPainter::Antialiasing);
    // The wall: a column of stones along one side.
    QImage wall = renderSprite(objectSprites().at(2), 24, scale);
    const int wallX = wallOnRight ? 120 - 24 : 0;
    for (int y = -12; y < 61; y += 24)
        p.drawImage(wallX, y, wall);
    // The crawler beside the wall, turned the way it goes.
    const QImage crawler = renderSprite(actorSprites().at(50), 40, scale);
    const double cx = wallOnRight ? 120 - 24 - 22 : 24 + 22;
    p.save();
    p.translate(cx, 30.5);
    if (down) p.rotate(180);
    p.drawImage(QPointF(-20, -20), crawler);
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

std::vector<NamedImage> editorImages(int scale) {
    std::vector<NamedImage> out;
    for (const boltik::editor::Tool& tool : boltik::editor::kPalette)
        out.push_back({QString("editor/%1.png").arg(tool.picture), paletteImage(tool.code, scale)});
    QImage blank = blankImage(32, 32, pal::floor);
    paintFloor(blank);
    blank = enlarged(blank, scale);
    gridEdge(blank);
    out.push_back({"editor/setka.png", blank});
    using boltik::board::Dir;
    for (const boltik::editor::CrawlerChoice& choice : boltik::editor::kCrawlerChoices) {
        out.push_back(
            {QString("editor/%1.png").arg(choice.picture),
             headingImage(choice.heading == Dir::Down, choice.hand == Dir::Right, scale)});
    }
    return out;
}

}  // namespace art
