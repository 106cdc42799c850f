// Draws everything that moves or flashes on the board: the robot, the creatures, sparks and shots.
#include "artgen.h"

#include <QTransform>

#include <cmath>

#include "core/sprites/Sprites.h"

namespace art {
namespace {

constexpr double kPi = 3.14159265358979323846;

const QColor kScreen(0x1A, 0x26, 0x4C);
const QColor kEye(0x7C, 0xF4, 0xFF);
const QColor kAntennaBall(0xFF, 0x4A, 0x4A);

// Tread seen from the front or back: a dark block whose ridges move one step per frame.
void frontTread(QPainter& p, double x, int frame) {
    const QPainterPath block = roundRect(x, 30, 10, 14, 2.5);
    bevel(p, block, pal::tread, 1.5);
    p.save();
    p.setClipPath(block);
    p.setPen(QPen(pal::tread.ink, 1.2));
    for (double y = 31.5 + frame * 1.75; y < 44; y += 3.5)
        p.drawLine(QPointF(x + 1.5, y), QPointF(x + 8.5, y));
    p.restore();
}

void antenna(QPainter& p, QPointF base, QPointF top) {
    p.save();
    p.setPen(QPen(pal::shell.ink, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(base, top);
    p.restore();
    bevel(p, ellipse(top.x(), top.y(), 2.4, 2.4),
          Mat{QColor(0xFF, 0xC0, 0xB0), kAntennaBall, QColor(0xA8, 0x18, 0x20),
              QColor(0x3A, 0x04, 0x08)},
          0.9, 1.0);
}

void face(QPainter& p, double bob) {
    flat(p, roundRect(14, 11 + bob, 20, 11, 4), kScreen, pal::shell.ink, 1.0);
    for (double x : {19.5, 28.5}) {
        flat(p, ellipse(x, 16 + bob, 2.4, 3.0), kEye, Qt::transparent, 0);
        glint(p, QPointF(x - 0.8, 14.8 + bob), 0.9);
    }
    p.save();
    p.setPen(QPen(kEye, 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(21, 17.5 + bob, 6, 3), 200 * 16, 140 * 16);
    p.restore();
}

// Front (towards the viewer) or back view; frame 1 shifts the treads, bobs the body and sways the
// antenna.
void robotFrontBack(QPainter& p, bool front, int frame) {
    const double bob = frame ? 1.0 : 0.0;
    const double sway = frame ? 1.5 : -0.5;
    groundShadow(p, QRectF(7, 39, 36, 8));
    frontTread(p, 8.5, frame);
    frontTread(p, 29.5, frame);
    bevel(p, roundRect(13, 23 + bob, 22, 14, 3), pal::shell, 2.0);
    if (front) {
        bevel(p, ellipse(24, 30 + bob, 3.2, 3.2), pal::accent, 1.0, 1.0);
    } else {
        flat(p, roundRect(17, 26 + bob, 14, 8, 1.5), pal::shell.lo, pal::shell.ink, 1.0);
        for (double x = 19.5; x < 30; x += 3)
            flat(p, roundRect(x, 27.5 + bob, 1.4, 5, 0.6), pal::shell.ink, Qt::transparent, 0);
    }
    antenna(p, QPointF(24, 8 + bob), QPointF(24 + sway, 2.8 + bob));
    bevel(p, ellipse(9.5, 16.5 + bob, 3.0, 3.5), pal::accent, 1.0, 1.0);
    bevel(p, ellipse(38.5, 16.5 + bob, 3.0, 3.5), pal::accent, 1.0, 1.0);
    bevel(p, roundRect(10, 6 + bob, 28, 20, 6), pal::shell, 2.2);
    if (front) {
        face(p, bob);
    } else {
        flat(p, roundRect(15, 11 + bob, 18, 10, 3), pal::shell.lo, pal::shell.ink, 1.0);
        for (double y = 13.5; y < 20; y += 2.5)
            flat(p, roundRect(17.5, y + bob, 13, 1.2, 0.5), pal::shell.ink, Qt::transparent, 0);
    }
}

// Side view facing left (dir = -1) or right (dir = +1): one long tread with road wheels.
void robotSide(QPainter& p, int dir, int frame) {
    const double bob = frame ? 1.0 : 0.0;
    auto X = [dir](double x) { return dir < 0 ? x : kUnits - x; };
    auto R = [dir](double x, double y, double w, double h, double r) {
        return roundRect(dir < 0 ? x : kUnits - x - w, y, w, h, r);
    };
    groundShadow(p, QRectF(7, 39, 36, 8));
    const QPainterPath tread = roundRect(9, 31, 30, 13, 6.5);
    bevel(p, tread, pal::tread, 1.5);
    p.save();
    p.setClipPath(tread);
    p.setPen(QPen(pal::tread.ink, 1.2));
    for (double x = 10.5 + frame * 1.75; x < 39; x += 3.5) {
        p.drawLine(QPointF(x, 31), QPointF(x, 33));
        p.drawLine(QPointF(x, 42), QPointF(x, 44));
    }
    p.restore();
    for (double x : {15.5, 24.0, 32.5}) {
        bevel(p, ellipse(x, 37.5, 3.6, 3.6), pal::darkMetal, 1.0, 1.0);
        glint(p, QPointF(x, 37.5), 1.0, pal::steel.mid);
    }
    bevel(p, R(16, 23 + bob, 16, 11, 3), pal::shell, 2.0);
    antenna(p, QPointF(X(28), 8 + bob), QPointF(X(30.5 + (frame ? 1.5 : 0)), 2.8 + bob));
    bevel(p, R(11, 6 + bob, 26, 20, 6), pal::shell, 2.2);
    flat(p, R(11.5, 11 + bob, 13, 11, 4), kScreen, pal::shell.ink, 1.0);
    flat(p, ellipse(X(16), 16 + bob, 2.2, 3.0), kEye, Qt::transparent, 0);
    glint(p, QPointF(X(16) - 0.8, 14.8 + bob), 0.9);
    bevel(p, ellipse(X(29.5), 16.5 + bob, 3.6, 3.6), pal::accent, 1.0, 1.0);
    glint(p, QPointF(X(29.5), 16.5 + bob), 1.0, pal::accent.lo);
}

}  // namespace

void drawRobotHeadIcon(QPainter& p) {
    // head only, enlarged to fill an icon
    p.save();
    p.translate(24, 24);
    p.scale(1.3, 1.3);
    p.translate(-24, -15);
    antenna(p, QPointF(24, 8), QPointF(24, 2.8));
    bevel(p, ellipse(9.5, 16.5, 3.0, 3.5), pal::accent, 1.0, 1.0);
    bevel(p, ellipse(38.5, 16.5, 3.0, 3.5), pal::accent, 1.0, 1.0);
    bevel(p, roundRect(10, 6, 28, 20, 6), pal::shell, 2.2);
    face(p, 0);
    p.restore();
}

}  // namespace art

namespace art {
namespace {

// Six legs in a tripod gait: frame 0 and 1 swing alternate legs forward and back.
void beetleLegs(QPainter& p, int frame) {
    p.save();
    p.setPen(QPen(QColor(0x26, 0x0C, 0x14), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    for (int s : {-1, 1}) {
        for (int i = 0; i < 3; ++i) {
            const double base = (i - 1) * 38.0;
            const double swing = ((i + (s > 0)) % 2 == frame) ? 14.0 : -10.0;
            const double a = (base + swing) * kPi / 180.0;
            const QPointF shoulder(24 + s * 7, 22 + i * 7);
            const QPointF knee = shoulder + QPointF(s * 8 * std::cos(a), 8 * std::sin(a));
            const double b = a + (i - 1) * 0.5 + 0.35;
            const QPointF foot = knee + QPointF(s * 7 * std::cos(b), 7 * std::sin(b));
            QPainterPath leg(shoulder);
            leg.lineTo(knee);
            leg.lineTo(foot);
            p.drawPath(leg);
        }
    }
    p.restore();
}

void drawBeetle(QPainter& p, int frame) {
    groundShadow(p, QRectF(11, 36, 30, 10));
    beetleLegs(p, frame);
    // antennae
    p.save();
    p.setPen(QPen(QColor(0x26, 0x0C, 0x14), 1.3, Qt::SolidLine, Qt::RoundCap));
    const double f = frame ? 2.0 : 0.0;
    QPainterPath ant(QPointF(21, 10));
    ant.quadTo(QPointF(18, 5), QPointF(14 + f, 3));
    ant.moveTo(27, 10);
    ant.quadTo(QPointF(30, 5), QPointF(34 - f, 3 + f * 0.5));
    p.drawPath(ant);
    p.restore();
    const Mat head{QColor(0x7A, 0x6A, 0x8A), QColor(0x3E, 0x32, 0x4C), QColor(0x22, 0x1A, 0x2C),
                   QColor(0x0C, 0x06, 0x10)};
    bevel(p, ellipse(24, 14, 7, 6), head, 1.5);
    const QPainterPath body = ellipse(24, 29, 11, 14);
    bevel(p, body, pal::beetle, 2.5);
    p.save();
    p.setPen(QPen(pal::beetle.ink, 1.2));
    p.drawLine(QPointF(24, 16), QPointF(24, 42.5));
    p.restore();
    for (QPointF c : {QPointF(19, 26), QPointF(29, 26), QPointF(19.5, 35), QPointF(28.5, 35)})
        flat(p, ellipse(c.x(), c.y(), 2.4, 2.6), pal::beetle.ink, Qt::transparent, 0);
    glint(p, QPointF(18, 20), 1.6, QColor(0xFF, 0xD8, 0xC8));
    for (double x : {21.0, 27.0}) {
        flat(p, ellipse(x, 12.5, 1.8, 1.8), Qt::white, Qt::transparent, 0);
        glint(p, QPointF(x, 13), 0.8, Qt::black);
    }
}

// One wing of the bat on the left side; the right one is mirrored. The wing tip and the two
// finger ends move between the up and the down pose.
QPainterPath batWingShape(bool up, QList<QPointF>& fingers) {
    const QPointF shoulder(20, 20), hip(21, 28);
    const QPointF tip = up ? QPointF(2, 5) : QPointF(2, 33);
    const QPointF f1 = up ? QPointF(5, 19) : QPointF(7, 40);
    const QPointF f2 = up ? QPointF(13, 27) : QPointF(14, 38);
    fingers = {tip, f1, f2};
    QPainterPath w(shoulder);
    w.quadTo(up ? QPointF(10, 8) : QPointF(9, 17), tip);
    w.quadTo(up ? QPointF(7, 15) : QPointF(7, 35), f1);
    w.quadTo(up ? QPointF(11, 21) : QPointF(11, 36), f2);
    w.quadTo(up ? QPointF(17, 25) : QPointF(17, 32), hip);
    w.closeSubpath();
    return w;
}

void drawBat(QPainter& p, bool up) {
    groundShadow(p, QRectF(10, 39, 28, 7));
    QList<QPointF> fingers;
    const QPainterPath left = batWingShape(up, fingers);
    const QTransform mirror(-1, 0, 0, 1, kUnits, 0);
    for (bool right : {false, true}) {
        const QTransform t = right ? mirror : QTransform();
        bevel(p, t.map(left), pal::batWing, 1.8);
        p.save();
        p.setPen(QPen(pal::batWing.hi, 1.0, Qt::SolidLine, Qt::RoundCap));
        for (const QPointF& f : fingers)
            p.drawLine(t.map(QPointF(20, 21)), t.map(f + (QPointF(20, 21) - f) * 0.12));
        p.restore();
    }
    // body, ears and face
    bevel(p, polygon({{18, 15}, {19, 6}, {23, 12}}).united(polygon({{30, 15}, {29, 6}, {25, 12}})),
          pal::batBody, 1.0);
    bevel(p, ellipse(24, 25, 6.5, 9), pal::batBody, 1.8);
    bevel(p, ellipse(24, 16, 6, 5.5), pal::batBody, 1.5);
    for (double x : {21.5, 26.5}) {
        flat(p, ellipse(x, 15.5, 1.7, 1.7), QColor(0xFF, 0xE0, 0x40), Qt::transparent, 0);
        glint(p, QPointF(x, 15.8), 0.7, QColor(0xC0, 0x10, 0x10));
    }
    flat(p, polygon({{22.3, 19.2}, {23.3, 19.2}, {22.8, 20.8}}), Qt::white, Qt::transparent, 0);
    flat(p, polygon({{24.7, 19.2}, {25.7, 19.2}, {25.2, 20.8}}), Qt::white, Qt::transparent, 0);
}

QPainterPath jaggedStar(QPointF c, double outer, double inner, int points, Rng& rng) {
    QPolygonF poly;
    for (int i = 0; i < points * 2; ++i) {
        const double a = (i * kPi) / points + 0.2;
        const double r = (i % 2 ? inner : outer) * rng.range(0.8, 1.05);
        poly << c + QPointF(r * std::cos(a), r * std::sin(a));
    }
    QPainterPath path;
    path.addPolygon(poly);
    path.closeSubpath();
    return path;
}

// Explosion stage 0 (largest) to 4 (a few dying sparks).
void drawBurst(QPainter& p, int stage) {
    Rng rng(0xB0B0 + stage * 31);
    const double scale = 1.0 - stage * 0.21;
    const QPointF c(24, 24);
    if (stage < 4) {
        QRadialGradient glow(c, 26 * scale + 4);
        glow.setColorAt(0.0, QColor(0xFF, 0xC0, 0x40, 170));
        glow.setColorAt(1.0, QColor(0xFF, 0x80, 0x20, 0));
        p.fillRect(QRectF(0, 0, kUnits, kUnits), glow);
        flat(p, jaggedStar(c, 23.5 * scale, 11 * scale, 9, rng), QColor(0xF0, 0x50, 0x10),
             QColor(0x80, 0x18, 0x04), 1.0);
        flat(p, jaggedStar(c, 16 * scale, 8 * scale, 8, rng), QColor(0xFF, 0xA8, 0x20),
             Qt::transparent, 0);
        flat(p, jaggedStar(c, 9.5 * scale, 5 * scale, 7, rng), QColor(0xFF, 0xF0, 0x80),
             Qt::transparent, 0);
        glint(p, c, 3.5 * scale, QColor(0xFF, 0xFF, 0xF0));
    }
    // loose sparks: the fire shrinks stage by stage while a few embers fly on and fade
    const int count = stage < 4 ? 11 - stage : 6;
    for (int i = 0; i < count; ++i) {
        const double a = rng.range(0, 2 * kPi);
        const double d = stage < 4 ? rng.range(13, 22) : rng.range(6, 19);
        const QPointF s = c + QPointF(d * std::cos(a), d * std::sin(a));
        const double r = stage < 4 ? rng.range(1.0, 2.0) : rng.range(0.9, 1.5);
        glint(p, s, r + 0.8, QColor(0xE0, 0x50, 0x10));
        glint(p, s, r, stage < 4 ? QColor(0xFF, 0xE8, 0x70) : QColor(0xFF, 0xB0, 0x40));
    }
}

// A shot: glowing dots along the centre line; phase 1 sits half a step further on.
void drawShot(QPainter& p, bool vertical, int phase) {
    p.save();
    if (!vertical) {
        p.translate(kUnits, 0);
        p.rotate(90);
    }
    for (int i = -1; i <= 4; ++i) {
        const double y = i * 12.0 + 6.0 + phase * 6.0;
        const bool big = (i + phase) % 2 == 0;
        const double r = big ? 4.0 : 3.0;
        QRadialGradient halo(QPointF(24, y), r * 2.2);
        halo.setColorAt(0.0, QColor(0xFF, 0xB0, 0x30, 200));
        halo.setColorAt(1.0, QColor(0xFF, 0x90, 0x20, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(halo);
        p.drawEllipse(QPointF(24, y), r * 2.2, r * 2.2);
        glint(p, QPointF(24, y), r, QColor(0xFF, 0xC8, 0x30));
        glint(p, QPointF(24, y), r * 0.6, QColor(0xFF, 0xFF, 0xD0));
    }
    p.restore();
}

}  // namespace

std::map<int, Sprite> actorSprites() {
    std::map<int, Sprite> out;
    out[50] = {true, [](QPainter& p) { drawBeetle(p, 0); }};
    out[51] = {true, [](QPainter& p) { drawBeetle(p, 1); }};
    out[60] = {true, [](QPainter& p) { drawBat(p, true); }};
    out[61] = {true, [](QPainter& p) { drawBat(p, false); }};
    for (int k = 0; k < 5; ++k)
        out[100 + k] = {true, [k](QPainter& p) { drawBurst(p, k); }};
    out[120] = {true, [](QPainter& p) { drawShot(p, true, 0); }};
    out[121] = {true, [](QPainter& p) { drawShot(p, true, 1); }};
    out[122] = {true, [](QPainter& p) { drawShot(p, false, 0); }};
    out[123] = {true, [](QPainter& p) { drawShot(p, false, 1); }};
    return out;
}

std::map<int, Sprite> robotSprites() {
    using boltik::sprites::RobotView;
    const auto view = [](RobotView v) { return boltik::sprites::index(v); };
    return {
        {view(RobotView::Down), {true, [](QPainter& p) { robotFrontBack(p, true, 0); }}},
        {view(RobotView::DownStep), {true, [](QPainter& p) { robotFrontBack(p, true, 1); }}},
        {view(RobotView::Up), {true, [](QPainter& p) { robotFrontBack(p, false, 0); }}},
        {view(RobotView::UpStep), {true, [](QPainter& p) { robotFrontBack(p, false, 1); }}},
        {view(RobotView::Left), {true, [](QPainter& p) { robotSide(p, -1, 0); }}},
        {view(RobotView::LeftStep), {true, [](QPainter& p) { robotSide(p, -1, 1); }}},
        {view(RobotView::Right), {true, [](QPainter& p) { robotSide(p, 1, 0); }}},
        {view(RobotView::RightStep), {true, [](QPainter& p) { robotSide(p, 1, 1); }}},
    };
}

}  // namespace art
