// Draws the still objects of the board: floor, earth, walls, crates, pick-ups, door, guns, exit and
// teleporter.
#include "artgen.h"

#include <QTransform>

#include <cmath>

namespace art {
namespace {

// Paints the same shape at every offset of one cell so a pattern wraps round the edges.
template <typename Fn>
void wrapped(QPainter& p, Fn&& fn) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            p.save();
            p.translate(dx * kUnits, dy * kUnits);
            fn();
            p.restore();
        }
}

void drawEarth(QPainter& p) {
    p.fillRect(QRectF(0, 0, kUnits, kUnits), QColor(0x8C, 0x44, 0x30));
    Rng rng(0xEA27);
    const QColor tones[] = {QColor(0x70, 0x32, 0x22), QColor(0xA2, 0x56, 0x3A),
                            QColor(0x7E, 0x3A, 0x28)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 46; ++i) {
        const QPointF c(rng.range(0, kUnits), rng.range(0, kUnits));
        const double rx = rng.range(2.0, 5.5), ry = rx * rng.range(0.6, 1.0);
        const QColor col = tones[i % 3];
        wrapped(p, [&] {
            p.setBrush(col);
            p.drawEllipse(c, rx, ry);
        });
    }
    // pebbles: a dark body with a light top-left rim
    for (int i = 0; i < 9; ++i) {
        const QPointF c(rng.range(3, 45), rng.range(3, 45));
        const double r = rng.range(1.6, 2.8);
        p.setBrush(QColor(0x5A, 0x26, 0x18));
        p.drawEllipse(c + QPointF(0.6, 0.6), r, r * 0.8);
        p.setBrush(QColor(0xC8, 0x7A, 0x58));
        p.drawEllipse(c - QPointF(0.4, 0.4), r * 0.7, r * 0.55);
    }
}

void drawWall(QPainter& p) {
    p.fillRect(QRectF(0, 0, kUnits, kUnits), pal::stone.ink);
    Rng rng(0x57A1);
    for (int row = 0; row < 4; ++row) {
        const double y = row * 12.0;
        const double shift = (row % 2) ? -12.0 : 0.0;
        for (int col = 0; col < 3; ++col) {
            const double x = shift + col * 24.0;
            Mat m = pal::stone;
            const int t = int(rng.range(-14, 14));
            m.mid = m.mid.lighter(100 + t);
            m.hi = m.hi.lighter(100 + t / 2);
            bevel(p, roundRect(x + 1.0, y + 1.0, 22.0, 10.0, 2.0), m, 2.0, 0);
            // a chip or two of texture on each block
            glint(p, QPointF(x + rng.range(6, 18), y + rng.range(4, 8)), 0.9, m.lo);
        }
    }
}

void drawCrate(QPainter& p) {
    groundShadow(p, QRectF(6, 38, 40, 9));
    const Mat& m = pal::crate;
    bevel(p, roundRect(3, 3, 42, 42, 3), m, 2.5);
    // recessed inner panel with an X brace
    bevel(p, roundRect(10, 10, 28, 28, 1.5), Mat{m.lo, m.mid.darker(112), m.hi, m.ink}, 1.5, 1.0);
    const QPainterPath brace =
        strokeOf(polygon({{11, 11}, {37, 37}}), 4.0, Qt::FlatCap)
            .united(strokeOf(polygon({{37, 11}, {11, 37}}), 4.0, Qt::FlatCap))
            .intersected(roundRect(10, 10, 28, 28, 1.5));
    bevel(p, brace, m, 1.0, 1.0);
    for (QPointF c :
         {QPointF(6.5, 6.5), QPointF(41.5, 6.5), QPointF(6.5, 41.5), QPointF(41.5, 41.5)}) {
        bevel(p, ellipse(c.x(), c.y(), 1.8, 1.8), m, 0.8, 1.0);
    }
}

}  // namespace

void drawCartridge(QPainter& p) {
    // built upright around the origin, then leaned so it reads as an object lying on the floor
    QTransform t;
    t.translate(24, 24);
    t.rotate(28);
    const QPainterPath tip = t.map(polygon({{-5, -8}, {5, -8}, {5, -12}})
                                       .united(ellipse(0, -12, 5, 9))
                                       .intersected(roundRect(-5, -22, 10, 14, 0)));
    const QPainterPath casing = t.map(roundRect(-6, -9, 12, 24, 1.5));
    const QPainterPath rim = t.map(roundRect(-7, 13, 14, 4, 1.2));
    bevel(p, tip, pal::copper, 1.8);
    bevel(p, casing, pal::brass, 2.2);
    bevel(p, rim, pal::brass, 1.2);
    const QPainterPath groove = t.map(roundRect(-6, 10, 12, 1.4, 0.5));
    flat(p, groove, pal::brass.lo, Qt::transparent, 0);
    glint(p, t.map(QPointF(-3, -3)), 1.3);
    glint(p, t.map(QPointF(-2.5, -14)), 1.0);
}

void drawKey(QPainter& p) {
    QTransform t;
    t.translate(24, 24);
    t.rotate(45);
    t.translate(-13, 0);
    QPainterPath key = ellipse(0, 0, 9, 9).subtracted(ellipse(0, 0, 4, 4));
    key = key.united(roundRect(7, -2.6, 23, 5.2, 1.0));
    key = key.united(roundRect(21, 1, 3.5, 7.5, 0.8)).united(roundRect(26.5, 1, 3.5, 5.5, 0.8));
    bevel(p, t.map(key), pal::gold, 2.0);
    glint(p, t.map(QPointF(-4.5, -4.5)), 1.3);
    glint(p, t.map(QPointF(14, -1)), 0.9);
}

namespace {

// A bar shaded in three bands along its length (lit side up in its own frame), then outlined.
void bandedBar(QPainter& p, const QTransform& t, const QPainterPath& local, const Mat& m) {
    const QRectF r = local.boundingRect();
    const double third = r.height() / 3.0;
    const QPainterPath shape = t.map(local);
    flat(p, shape, m.mid, Qt::transparent, 0);
    flat(p, t.map(local.intersected(roundRect(r.x() - 1, r.y() - 1, r.width() + 2, third + 1, 0))),
         m.hi, Qt::transparent, 0);
    flat(p,
         t.map(local.intersected(
             roundRect(r.x() - 1, r.bottom() - third, r.width() + 2, third + 1, 0))),
         m.lo, Qt::transparent, 0);
    flat(p, shape, Qt::transparent, m.ink, kInk);
}

}  // namespace

void drawBolt(QPainter& p) {
    QTransform t;
    t.translate(24, 24);
    t.rotate(-45);
    const Mat& m = pal::steel;
    // threaded shank with a chamfered point; the thread is a run of dark grooves with light crests
    const QPainterPath shank =
        polygon({{-6, -5}, {14.5, -5}, {18, -1.8}, {18, 1.8}, {14.5, 5}, {-6, 5}});
    bandedBar(p, t, shank, m);
    for (double x = -3.5; x < 15; x += 3.2) {
        flat(p, t.map(strokeOf(polygon({{x, -4.3}, {x + 1.8, 4.3}}), 1.1, Qt::FlatCap)),
             m.lo.darker(130), Qt::transparent, 0);
        flat(p, t.map(strokeOf(polygon({{x + 1.2, -4.3}, {x + 3.0, 4.3}}), 0.7, Qt::FlatCap)), m.hi,
             Qt::transparent, 0);
    }
    flat(p, t.map(shank), Qt::transparent, m.ink, kInk);
    // washer and hexagonal head seen from the side: three faces, the upper one catches the light
    bandedBar(p, t, roundRect(-9, -8.5, 3, 17, 0.8), m);
    bandedBar(p, t, roundRect(-19, -11.5, 10.5, 23, 1.8), m);
    p.save();
    p.setPen(QPen(m.ink, 0.8));
    p.drawLine(t.map(QPointF(-18.5, -4)), t.map(QPointF(-9, -4)));
    p.drawLine(t.map(QPointF(-18.5, 4)), t.map(QPointF(-9, 4)));
    p.restore();
    glint(p, t.map(QPointF(-15, -8)), 1.6);
    glint(p, t.map(QPointF(-12, -8)), 0.9);
    glint(p, t.map(QPointF(12, -3)), 1.0);
}

namespace {

void sparkle(QPainter& p, QPointF c, double r, QColor col) {
    const QPainterPath star = polygon({c + QPointF(0, -r), c + QPointF(r * 0.22, -r * 0.22),
                                       c + QPointF(r, 0), c + QPointF(r * 0.22, r * 0.22),
                                       c + QPointF(0, r), c + QPointF(-r * 0.22, r * 0.22),
                                       c + QPointF(-r, 0), c + QPointF(-r * 0.22, -r * 0.22)});
    flat(p, star, col, Qt::transparent, 0);
}

void drawBoltOnFloor(QPainter& p) {
    groundShadow(p, QRectF(9, 34, 32, 10));
    drawBolt(p);
    sparkle(p, QPointF(38, 10), 6.0, QColor(0xFF, 0xFF, 0xE0));
    sparkle(p, QPointF(10, 40), 3.5, QColor(0xFF, 0xFF, 0xE0));
}

void drawCartridgeOnFloor(QPainter& p) {
    groundShadow(p, QRectF(13, 35, 26, 9));
    drawCartridge(p);
}

void drawKeyOnFloor(QPainter& p) {
    groundShadow(p, QRectF(10, 34, 30, 9));
    drawKey(p);
}

void drawDoor(QPainter& p) {
    p.fillRect(QRectF(0, 0, kUnits, kUnits), pal::wood.ink);
    for (int i = 0; i < 4; ++i) {
        const double x = i * 12.0;
        bevel(p, roundRect(x + 0.75, 0.75, 10.5, 46.5, 1.5), pal::wood, 2.0, 0);
        // grain
        p.setPen(QPen(pal::wood.lo, 0.9));
        p.drawLine(QPointF(x + 4.5, 6 + i * 3), QPointF(x + 4.5, 18 + i * 3));
        p.drawLine(QPointF(x + 7.5, 26 - i * 2), QPointF(x + 7.5, 40 - i * 2));
    }
    for (double y : {7.0, 34.0}) {
        bevel(p, roundRect(-1, y, 50, 7, 1.0), pal::iron, 1.5);
        for (double x : {6.0, 18.0, 30.0, 42.0})
            bevel(p, ellipse(x, y + 3.5, 1.7, 1.7), pal::iron, 0.8, 0.8);
    }
    // a diagonal brace between the bars marks it as barred shut
    const QPainterPath brace = strokeOf(polygon({{4, 32}, {44, 16}}), 5.0, Qt::FlatCap)
                                   .intersected(roundRect(0, 14, 48, 20, 0));
    bevel(p, brace, pal::iron, 1.2);
}

void drawBomb(QPainter& p) {
    groundShadow(p, QRectF(9, 36, 32, 10));
    const QPainterPath body = ellipse(22, 28, 14, 14);
    const Mat m{QColor(0x6E, 0x70, 0x88), QColor(0x36, 0x38, 0x48), QColor(0x1A, 0x1A, 0x24),
                QColor(0x06, 0x06, 0x0A)};
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(m.lo);
    p.drawPath(body);
    p.setClipPath(body);
    p.setBrush(m.mid);
    p.drawEllipse(QPointF(20, 26), 11.5, 11.5);
    p.setBrush(m.hi);
    p.drawEllipse(QPointF(15.5, 21.5), 4.5, 3.5);
    p.restore();
    flat(p, body, Qt::transparent, m.ink, kInk);
    glint(p, QPointF(14.5, 20.5), 1.5);
    // fuse cap and cord
    QTransform t;
    t.translate(31, 17);
    t.rotate(45);
    bevel(p, t.map(roundRect(-4, -4, 8, 6, 1)), pal::darkMetal, 1.2);
    QPainterPath cord;
    cord.moveTo(33, 14);
    cord.cubicTo(35, 8, 40, 11, 40, 6);
    bevel(p, strokeOf(cord, 2.4), pal::wood, 0.6, 1.0);
    sparkle(p, QPointF(40.5, 5.5), 5.0, QColor(0xFF, 0xA0, 0x20));
    sparkle(p, QPointF(40.5, 5.5), 2.8, QColor(0xFF, 0xFF, 0xA0));
}

}  // namespace
}  // namespace art

namespace art {
namespace {

// The exit pod; when lit its band glows green and spills a little light onto the floor.
void drawCapsule(QPainter& p, bool lit) {
    if (lit) {
        QRadialGradient halo(QPointF(24, 30), 24);
        halo.setColorAt(0.0, QColor(0xC0, 0xFF, 0xD0, 200));
        halo.setColorAt(1.0, QColor(0xC0, 0xFF, 0xD0, 0));
        p.fillRect(QRectF(0, 0, kUnits, kUnits), halo);
    }
    groundShadow(p, QRectF(10, 38, 32, 9));
    const QPainterPath pod = roundRect(11, 2, 26, 43, 13);
    bevel(p, pod, pal::steel, 2.5);
    // porthole
    bevel(p, ellipse(24, 14, 6.5, 6.5), pal::darkMetal, 1.2);
    flat(p, ellipse(24, 14, 4.2, 4.2), QColor(0x1C, 0x2C, 0x5C), QColor(0x0C, 0x10, 0x24), 0.8);
    glint(p, QPointF(22.3, 12.3), 1.3, QColor(0xA8, 0xD8, 0xFF));
    // the signal band
    const QPainterPath band = roundRect(11, 26, 26, 8, 0).intersected(pod);
    if (lit) {
        bevel(p, band,
              Mat{QColor(0xFF, 0xFF, 0xF0), QColor(0x90, 0xFF, 0xA8), QColor(0x40, 0xD0, 0x70),
                  QColor(0x10, 0x50, 0x28)},
              1.5);
        flat(p, roundRect(14, 29, 20, 2, 1), QColor(0xFF, 0xFF, 0xFF), Qt::transparent, 0);
    } else {
        bevel(p, band,
              Mat{QColor(0x50, 0x70, 0x64), QColor(0x2A, 0x48, 0x3C), QColor(0x18, 0x2C, 0x24),
                  QColor(0x0A, 0x16, 0x10)},
              1.5);
    }
    // landing feet
    bevel(p, roundRect(13, 40, 6, 5, 1.5), pal::darkMetal, 1.0, 1.0);
    bevel(p, roundRect(29, 40, 6, 5, 1.5), pal::darkMetal, 1.0, 1.0);
}

// A turret on a square base; the barrel points down or up, light stays top-left either way.
void drawGun(QPainter& p, bool down) {
    groundShadow(p, QRectF(6, 38, 40, 9));
    bevel(p, roundRect(5, 5, 38, 38, 4), pal::darkMetal, 2.0);
    for (QPointF c :
         {QPointF(9.5, 9.5), QPointF(38.5, 9.5), QPointF(9.5, 38.5), QPointF(38.5, 38.5)})
        bevel(p, ellipse(c.x(), c.y(), 1.8, 1.8), pal::steel, 0.8, 1.0);
    const double y0 = down ? 22.0 : 2.0;
    const QPainterPath barrel = roundRect(19.5, y0, 9, 24, 1.5);
    bevel(p, barrel, pal::steel, 1.5);
    const double my = down ? 41.0 : 2.0;
    bevel(p, roundRect(18, my, 12, 5, 1.5), pal::iron, 1.2);
    flat(p, roundRect(21.5, down ? 43.5 : 3.0, 5, 1.8, 0.8), QColor(0x08, 0x08, 0x0C),
         Qt::transparent, 0);
    bevel(p, ellipse(24, 24, 11, 11), pal::steel, 2.2);
    bevel(p, ellipse(24, 24, 5.5, 5.5), pal::darkMetal, 1.2, 1.0);
    glint(p, QPointF(19, 19), 1.4);
}

void drawTeleporter(QPainter& p, bool bright) {
    const QPainterPath frame = roundRect(2, 2, 44, 44, 5).subtracted(roundRect(11, 11, 26, 26, 3));
    bevel(p, frame, pal::darkMetal, 2.2);
    flat(p, roundRect(11, 11, 26, 26, 3), QColor(0x14, 0x12, 0x2A), pal::darkMetal.ink, kInk);
    for (QPointF c :
         {QPointF(6.5, 6.5), QPointF(41.5, 6.5), QPointF(6.5, 41.5), QPointF(41.5, 41.5)})
        bevel(p, ellipse(c.x(), c.y(), 2.0, 2.0), pal::steel, 0.8, 1.0);
    for (QRectF r : {QRectF(21, 4.5, 6, 3), QRectF(21, 40.5, 6, 3), QRectF(4.5, 21, 3, 6),
                     QRectF(40.5, 21, 3, 6)})
        flat(p, roundRect(r.x(), r.y(), r.width(), r.height(), 1),
             bright ? QColor(0xFF, 0xF0, 0x60) : QColor(0x80, 0x7C, 0x28), Qt::transparent, 0);
    const QColor outer = bright ? QColor(0xF0, 0xC8, 0x10) : QColor(0x6A, 0x66, 0x18);
    const QColor inner = bright ? QColor(0xFF, 0xF4, 0x70) : QColor(0x8E, 0x8A, 0x2C);
    const QColor core = bright ? QColor(0xFF, 0xFF, 0xE8) : QColor(0xAE, 0xA8, 0x44);
    flat(p, ellipse(24, 24, 10, 10), outer, QColor(0x30, 0x2A, 0x04), 1.0);
    flat(p, ellipse(24, 24, 6.5, 6.5), inner, Qt::transparent, 0);
    flat(p, ellipse(24, 24, 3, 3), core, Qt::transparent, 0);
    if (bright) glint(p, QPointF(20.5, 20.5), 1.4);
}

void drawMagnet(QPainter& p) {
    groundShadow(p, QRectF(9, 37, 32, 9));
    QPainterPath centre;
    centre.moveTo(15, 39);
    centre.lineTo(15, 22);
    centre.arcTo(QRectF(15, 13, 18, 18), 180, -180);
    centre.lineTo(33, 39);
    const QPainterPath u = strokeOf(centre, 10, Qt::FlatCap);
    bevel(p, u, pal::magnet, 2.2);
    const QPainterPath tips = u.intersected(roundRect(0, 32, 48, 8, 0));
    bevel(p, tips.subtracted(roundRect(0, 0, 48, 32, 0)), pal::steel, 1.4);
    flat(p, u, Qt::transparent, pal::magnet.ink, kInk);
    glint(p, QPointF(16, 16.5), 1.3);
}

void drawSmallTile(QPainter& p) {
    const Mat g{QColor(0x9C, 0xE8, 0x74), QColor(0x4C, 0xB0, 0x3C), QColor(0x24, 0x74, 0x22),
                QColor(0x0C, 0x36, 0x0E)};
    p.fillRect(QRectF(0, 0, kUnits, kUnits), g.ink);
    bevel(p, roundRect(1.5, 1.5, 45, 45, 3), g, 3.0, 0);
    const QPainterPath diamond = polygon({{24, 8}, {40, 24}, {24, 40}, {8, 24}});
    bevel(p, diamond, Mat{g.lo, g.mid.darker(115), g.hi, g.ink}, 2.0, 1.5);
    bevel(p, polygon({{24, 16}, {32, 24}, {24, 32}, {16, 24}}), g, 1.5, 1.5);
    for (QPointF c : {QPointF(9, 9), QPointF(39, 9), QPointF(9, 39), QPointF(39, 39)})
        bevel(p, ellipse(c.x(), c.y(), 2.5, 2.5),
              Mat{QColor(0xF0, 0xFF, 0xB0), QColor(0xB8, 0xE0, 0x50), QColor(0x70, 0x9C, 0x20),
                  g.ink},
              1.0, 1.0);
}

}  // namespace

std::map<int, Sprite> objectSprites() {
    return {
        {0, {true, [](QPainter&) {}}},
        {1, {false, drawEarth}},
        {2, {false, drawWall}},
        {3, {true, drawCrate}},
        {4, {true, drawCartridgeOnFloor}},
        {5, {true, drawKeyOnFloor}},
        {6, {false, drawDoor}},
        {7, {true, drawBoltOnFloor}},
        {8, {true, drawBomb}},
        {9, {true, [](QPainter& p) { drawCapsule(p, false); }}},
        {10, {true, [](QPainter& p) { drawGun(p, true); }}},
        {11, {true, [](QPainter& p) { drawGun(p, false); }}},
        {12, {true, [](QPainter& p) { drawCapsule(p, true); }}},
        {13, {true, [](QPainter& p) { drawTeleporter(p, true); }}},
        {14, {true, [](QPainter& p) { drawTeleporter(p, false); }}},
        {20, {true, drawMagnet}},
        {106, {false, [](QPainter& p) { p.fillRect(QRectF(0, 0, kUnits, kUnits), Qt::black); }}},
        {233, {false, drawSmallTile}},
    };
}

}  // namespace art
