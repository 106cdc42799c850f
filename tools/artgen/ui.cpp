// Draws the window art: background textures, the replay and dialog buttons, counter icons and
// ornaments.
#include "artgen.h"

#include <QFont>
#include <QLinearGradient>

#include <algorithm>
#include <cmath>

namespace art {
namespace {

constexpr double kPi = 3.14159265358979323846;

QColor mix(QColor a, QColor b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                            a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

// Brushed dark metal: per-pixel noise smeared horizontally (wrapping, so the tile is seamless),
// a faint panel seam along the top and left edges and a rivet near each corner. The grain and
// the seam are pixel art; the rivets are drawn at the full scale.
QImage makeTex(int scale) {
    const int w = 89, h = 94;
    Rng rng(0x7E5);
    std::vector<double> raw(w * h), row(h);
    for (double& v : raw)
        v = rng.range(-1, 1);
    for (double& v : row)
        v = rng.range(-1, 1);
    QImage img = blankImage(w, h, texBase());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            double sum = 0;
            for (int k = -7; k <= 7; ++k)
                sum += raw[y * w + (x + k + w) % w];
            const double v = sum / 15.0 * 0.9 + row[y] * 0.35;
            img.setPixelColor(x, y, texBase().lighter(100 + int(v * 14)));
        }
    for (int x = 0; x < w; ++x) {
        img.setPixelColor(x, 0, texBase().darker(130));
        img.setPixelColor(x, 1, texBase().lighter(112));
    }
    for (int y = 0; y < h; ++y) {
        img.setPixelColor(0, y, texBase().darker(130));
        img.setPixelColor(1, y, texBase().lighter(112));
    }
    img = enlarged(img, scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    for (QPointF c : {QPointF(6, 6), QPointF(w - 5, 6), QPointF(6, h - 5), QPointF(w - 5, h - 5)}) {
        glint(p, c + QPointF(0.5, 0.5), 1.8, texBase().darker(160));
        glint(p, c, 1.6, texBase().lighter(150));
        glint(p, c + QPointF(0.3, 0.3), 0.9, texBase().lighter(115));
    }
    return img;
}

// Soft quilted lattice of blue-violet diamonds, two across the tile, each a cushion lit from the
// top-left with a shallow groove between; diamonds run along x+y and x-y so the tile wraps.
// The shading is a smooth function of the place, so a larger scale samples it more finely.
QImage makePanelTile(int scale) {
    const int n = 48;
    const double period = 24.0;
    QImage img = blankImage(n, n, Qt::black, scale);
    const QColor dark(0x40, 0x3E, 0x9C), light(0x8C, 0x86, 0xE8);
    for (int y = 0; y < n * scale; ++y)
        for (int x = 0; x < n * scale; ++x) {
            // the pixel's centre, in the coordinates of scale 1
            const double u = (x + 0.5) / scale - 0.5, v = (y + 0.5) / scale - 0.5;
            const double a = (u + v + 1.0) / period, b = (u - v + n) / period;
            const double fa = a - std::floor(a), fb = b - std::floor(b);
            const double cushion = std::sqrt(std::sin(kPi * fa) * std::sin(kPi * fb));
            const double edge = std::min(std::min(fa, 1 - fa), std::min(fb, 1 - fb));
            const double groove = std::clamp(edge / 0.09, 0.0, 1.0);
            const double t = (0.25 + 0.5 * cushion - 0.3 * (fa - 0.5)) * (0.55 + 0.45 * groove);
            img.setPixelColor(x, y, mix(dark, light, t));
        }
    return img;
}

// Greek key drawn as 2-pixel grooves with a light lower-right lip, wrapped round the tile edges.
// Segments are given on a 31 x 32 grid and stretched to the target width.
void meander(QImage& img, int x0, int unitW, QColor groove, QColor lip, bool mirrored) {
    static const int segs[][4] = {{0, 28, 31, 28},  {22, 4, 22, 28}, {4, 4, 22, 4},
                                  {4, 4, 4, 22},    {4, 22, 16, 22}, {16, 10, 16, 22},
                                  {10, 10, 16, 10}, {27, 15, 27, 15}};
    auto mapX = [&](int x) {
        const int s = x * unitW / 31;
        return mirrored && x != 0 && x != 31 ? unitW - 2 - s : s;
    };
    QPainter p(&img);
    for (int pass = 0; pass < 2; ++pass) {
        const QColor col = pass == 0 ? lip : groove;
        const int off = pass == 0 ? 1 : 0;
        for (const auto& s : segs) {
            int xa = mapX(s[0]), xb = mapX(s[2]);
            if (xa > xb) std::swap(xa, xb);
            // the base line runs the whole width of the picture, whatever the unit width
            const bool full = s[2] == 31;
            const QRect r = full ? QRect(0, s[1] + off, img.width(), 2)
                                 : QRect(x0 + xa + off, s[1] + off, xb - xa + 2, s[3] - s[1] + 2);
            for (int dy : {-1, 0, 1})
                for (int dx : {-1, 0, 1})
                    p.fillRect(r.translated(dx * img.width(), dy * img.height()), col);
        }
    }
}

QImage meanderTile(QColor base, QColor groove, QColor lip, bool mirrored, int scale) {
    QImage img = blankImage(31, 32, base);
    meander(img, 0, 31, groove, lip, mirrored);
    return enlarged(img, scale);
}

}  // namespace

QColor texBase() {
    return QColor(0x24, 0x2A, 0x3E);
}

}  // namespace art

namespace art {
namespace {

const QColor kMsgBase(0xDE, 0xD8, 0xF8);
const QColor kMenuBase(0xD4, 0xCC, 0xF4);

QFont uiFont(int pixelSize, bool bold) {
    QFont f("DejaVu Sans");
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

// Text with a one-pixel drop shadow down-right, as if lit from the top-left.
void shadowText(QPainter& p, const QRectF& r, const QString& s, QColor fg, QColor shadow) {
    p.setPen(shadow);
    p.drawText(r.translated(1, 1), Qt::AlignCenter, s);
    p.setPen(fg);
    p.drawText(r, Qt::AlignCenter, s);
}

// A circular arrow turning clockwise, the usual sign for "again".
void replayArrow(QPainter& p, QPointF c, double r, QColor col) {
    QPainterPath arc;
    arc.arcMoveTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 120);
    arc.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 120, -290);
    p.setPen(QPen(col, r * 0.42, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    const double a = 120 * kPi / 180;
    const QPointF end(c.x() + r * std::cos(a), c.y() - r * std::sin(a));
    const QPointF tangent(std::sin(a),
                          std::cos(a));  // direction of travel at the arc start (clockwise)
    const QPointF normal(std::cos(a), -std::sin(a));
    const double s = r * 0.62;
    p.setPen(Qt::NoPen);
    p.setBrush(col);
    p.drawPolygon(QPolygonF({end + normal * s, end - normal * s, end - tangent * s * 1.3}));
}

QImage makeReplayButton(int scale) {
    QImage img = blankImage(112, 46, texBase(), scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body(1.5, 1.5, 109, 43);
    QLinearGradient g(0, 2, 0, 44);
    g.setColorAt(0.0, QColor(0x8C, 0xA4, 0xFF));
    g.setColorAt(0.48, QColor(0x50, 0x62, 0xE0));
    g.setColorAt(0.52, QColor(0x42, 0x50, 0xCC));
    g.setColorAt(1.0, QColor(0x2C, 0x30, 0x96));
    p.setPen(QPen(QColor(0x10, 0x12, 0x40), 2));
    p.setBrush(g);
    p.drawRoundedRect(body, 11, 11);
    p.setPen(QPen(QColor(255, 255, 255, 110), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(body.adjusted(2, 2, -2, -2), 9, 9);
    replayArrow(p, QPointF(21.5, 24), 9, QColor(0x10, 0x14, 0x50));
    replayArrow(p, QPointF(20.5, 23), 9, Qt::white);
    p.setFont(uiFont(15, true));
    shadowText(p, QRectF(34, 0, 72, 45), QString::fromUtf8("Заново"), Qt::white,
               QColor(0x10, 0x14, 0x50));
    return img;
}

// The message-box button is drawn once as a whole pill, then cut into its three pieces.
QImage makePill(int scale) {
    QImage img = blankImage(36, 27, kMsgBase, scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 1, 0, 26);
    g.setColorAt(0.0, QColor(0x7A, 0x78, 0xEC));
    g.setColorAt(0.5, QColor(0x44, 0x40, 0xC0));
    g.setColorAt(1.0, QColor(0x26, 0x20, 0x82));
    p.setPen(QPen(QColor(0x14, 0x10, 0x48), 1.2));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.6, 0.6, 34.8, 25.8), 12.9, 12.9);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawRoundedRect(QRectF(4, 2.6, 28, 9), 4.5, 4.5);
    return img;
}

// A bevelled grey button: the face and its edges are pixel art, the caption is drawn at the
// full scale.
QImage makeOkButton(int scale) {
    QImage img = blankImage(159, 27, QColor(0xC8, 0xC8, 0xD0));
    QPainter face(&img);
    QLinearGradient g(0, 0, 0, 27);
    g.setColorAt(0.0, QColor(0xEE, 0xEE, 0xF2));
    g.setColorAt(1.0, QColor(0xB0, 0xB0, 0xBA));
    face.fillRect(img.rect(), g);
    face.setPen(QColor(0x50, 0x50, 0x5A));
    face.drawRect(0, 0, 158, 26);
    face.setPen(QColor(0xFF, 0xFF, 0xFF));
    face.drawLine(1, 1, 157, 1);
    face.drawLine(1, 1, 1, 25);
    face.setPen(QColor(0x88, 0x88, 0x94));
    face.drawLine(1, 25, 157, 25);
    face.drawLine(157, 1, 157, 25);
    face.end();
    img = enlarged(img, scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(uiFont(14, true));
    shadowText(p, QRectF(0, 0, 159, 27), QString::fromUtf8("ДАЛЕЕ"), QColor(0x1C, 0x1C, 0x28),
               QColor(0xF4, 0xF4, 0xF8));
    return img;
}

// The menu's header strip: pixel art throughout.
QImage makeHeader(int scale) {
    QImage img = blankImage(61, 32, kMenuBase);
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, 32);
    g.setColorAt(0.0, QColor(0xE8, 0xE2, 0xFC));
    g.setColorAt(1.0, QColor(0xC6, 0xBC, 0xEE));
    p.fillRect(img.rect(), g);
    p.end();
    meander(img, 0, 30, QColor(0xA6, 0x98, 0xDE), QColor(0xF6, 0xF2, 0xFF), false);
    meander(img, 30, 31, QColor(0xA6, 0x98, 0xDE), QColor(0xF6, 0xF2, 0xFF), false);
    QPainter q(&img);
    q.setPen(QColor(0xFA, 0xF8, 0xFF));
    q.drawLine(0, 0, 60, 0);
    q.setPen(QColor(0x8E, 0x80, 0xCC));
    q.drawLine(0, 31, 60, 31);
    q.end();
    return enlarged(img, scale);
}

QImage makeGear(int scale) {
    QImage img = blankImage(16, 16, kMenuBase, scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath gear = ellipse(8, 8, 5.2, 5.2);
    for (int i = 0; i < 8; ++i) {
        QTransform t;
        t.translate(8, 8);
        t.rotate(i * 45);
        gear = gear.united(t.map(roundRect(-1.6, -7.6, 3.2, 4, 0.6)));
    }
    gear = gear.subtracted(ellipse(8, 8, 2.2, 2.2));
    const Mat m{QColor(0x9C, 0x94, 0xD8), QColor(0x5E, 0x56, 0xA8), QColor(0x3A, 0x32, 0x78),
                QColor(0x1C, 0x16, 0x44)};
    bevel(p, gear, m, 1.0, 1.0);
    return img;
}

// The chooser's mark of a finished level: a green tick on the chooser's blue.
QImage makeTick(int scale) {
    QImage img = blankImage(16, 16, QColor(62, 90, 253), scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath tick;
    tick.moveTo(3, 8.5);
    tick.lineTo(6.5, 12);
    tick.lineTo(13, 4);
    flat(p, strokeOf(tick, 3.2), QColor(0x3C, 0xD8, 0x5C), QColor(0x0C, 0x3C, 0x18), 1.0);
    return img;
}

QImage makeIcon(void (*draw)(QPainter&), double zoom, int scale) {
    QImage img = blankImage(32, 32, texBase(), scale);
    QPainter p(&img);
    beginSprite(p, img);
    // the board drawings leave room for the floor around them; an icon wants them larger
    p.translate(24, 24);
    p.scale(zoom, zoom);
    p.translate(-24, -24);
    draw(p);
    return img;
}

QImage speckled(int n, QColor base, std::initializer_list<QColor> specks, uint32_t seed) {
    QImage img = blankImage(n, n, base);
    Rng rng(seed);
    const std::vector<QColor> cols(specks);
    for (int i = 0; i < n * n / 2; ++i) {
        const int x = int(rng.range(0, n)), y = int(rng.range(0, n));
        img.setPixelColor(x, y, cols[i % cols.size()]);
    }
    return img;
}

}  // namespace

QImage flashPicture(bool small, int scale) {
    if (!small) return blankImage(48, 48, QColor(0xD5, 0xD5, 0xFF), scale);
    return enlarged(speckled(32, QColor(0xB4, 0xCE, 0x3C),
                             {QColor(0xE2, 0xF2, 0x64), QColor(0x84, 0xA4, 0x1C),
                              QColor(0xF6, 0xFF, 0xA0), QColor(0x9C, 0xBC, 0x2C)},
                             0x6A5B),
                    scale);
}

std::vector<NamedImage> uiImages(int scale) {
    std::vector<NamedImage> out;
    out.push_back({"ui/wspih.png", makePanelTile(scale)});
    out.push_back({"ui/tex.png", makeTex(scale)});
    out.push_back({"ui/zanowo.png", makeReplayButton(scale)});
    out.push_back({"ui/icon_lives.png", makeIcon(drawRobotHeadIcon, 1.0, scale)});
    out.push_back({"ui/icon_key.png", makeIcon(drawKey, 1.08, scale)});
    out.push_back({"ui/icon_ammo.png", makeIcon(drawCartridge, 1.22, scale)});
    out.push_back({"ui/icon_bolt.png", makeIcon(drawBolt, 1.0, scale)});
    out.push_back({"ui/msg_fon.png", meanderTile(kMsgBase, QColor(0xC2, 0xB8, 0xEE),
                                                 QColor(0xF2, 0xEE, 0xFE), false, scale)});
    const QImage pill = makePill(scale);
    out.push_back({"ui/msg_btn_left.png", cut(pill, QRect(0, 0, 17, 27))});
    out.push_back({"ui/msg_btn_mid.png", cut(pill, QRect(17, 0, 2, 27))});
    out.push_back({"ui/msg_btn_right.png", cut(pill, QRect(19, 0, 17, 27))});
    out.push_back({"ui/filesel_ok.png", makeOkButton(scale)});
    out.push_back({"ui/menu_tile.png", meanderTile(kMenuBase, QColor(0xB0, 0xA4, 0xE4),
                                                   QColor(0xEC, 0xE8, 0xFC), true, scale)});
    out.push_back({"ui/menu_header.png", makeHeader(scale)});
    out.push_back({"ui/settings_icon.png", makeGear(scale)});
    out.push_back({"ui/done_tick.png", makeTick(scale)});
    return out;
}

}  // namespace art
