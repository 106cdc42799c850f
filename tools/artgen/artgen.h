// Common palette, drawing helpers and picture lists of the boltik art generator.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

#include <cstdint>
#include <functional>
#include <map>
#include <vector>

namespace art {

// Small deterministic generator so every run writes identical pictures.
class Rng {
public:
    explicit Rng(uint32_t seed) : state_(seed ? seed : 1u) {}
    uint32_t next();
    double uniform();                    // [0, 1)
    double range(double lo, double hi);  // [lo, hi)
private:
    uint32_t state_;
};

// Three shades of one material lit from the top-left, plus its outline ink.
struct Mat {
    QColor hi, mid, lo, ink;
};

namespace pal {
extern const Mat steel, crate, brass, copper, gold, stone, wood, iron, magnet;
extern const Mat shell, tread, accent, beetle, batWing, batBody, darkMetal;
extern const QColor floor, floorShadow;
}  // namespace pal

// Every sprite is drawn in a 48 x 48 unit space; the painter scales it to the real size.
constexpr double kUnits = 48.0;
constexpr double kInk = 1.5;  // outline width in units: 1.5 px at 48, 1 px at 32

// Every picture is written at two scales: 1 (name.png) and 2 (name@2x.png) for dense screens.
// A picture at scale 2 has twice the pixels and device pixel ratio 2, so a painter on it
// draws in the coordinates of scale 1; the sizes below are always those of scale 1.
constexpr int kScales[] = {1, 2};

// A picture of w x h filled with one colour, at the given scale.
QImage blankImage(int w, int h, QColor fill, int scale = 1);
// A picture drawn pixel by pixel at scale 1, enlarged to the given scale with every pixel a
// square block: for pixel art, where a drawing at twice the size would show nothing new.
QImage enlarged(const QImage& img, int scale);
// The part r (in the coordinates of scale 1) of a picture, at the picture's scale.
QImage cut(const QImage& img, const QRect& r);
// The blue floor, on a picture at scale 1.
void paintFloor(QImage& img);
void beginSprite(QPainter& p, QImage& img);

// Fills a shape with a rim-lit bevel (light rim top-left, dark rim bottom-right) and outlines it.
void bevel(QPainter& p, const QPainterPath& shape, const Mat& m, double rim = 2.0,
           double ink = kInk);
void flat(QPainter& p, const QPainterPath& shape, QColor fill, QColor ink, double width = kInk);
void groundShadow(QPainter& p, const QRectF& r);
void glint(QPainter& p, QPointF c, double r, QColor col = Qt::white);
QPainterPath roundRect(double x, double y, double w, double h, double r);
QPainterPath ellipse(double cx, double cy, double rx, double ry);
QPainterPath polygon(std::initializer_list<QPointF> pts);
QPainterPath strokeOf(const QPainterPath& centre, double width, Qt::PenCapStyle cap = Qt::RoundCap);

// How one sprite is drawn in unit space, at any size.
struct Sprite {
    bool onFloor;  // floor is painted first
    std::function<void(QPainter&)> draw;
};

// The drawings of the object pictures, by object code, and of the robot views, by view.
std::map<int, Sprite> objectSprites();
std::map<int, Sprite> actorSprites();
std::map<int, Sprite> robotSprites();
QImage renderSprite(const Sprite& s, int size, int scale);
// The two flash pictures: the pale 48-pixel one and the small speckled one.
QImage flashPicture(bool small, int scale);

// Object drawings reused by the counter icons.
void drawKey(QPainter& p);
void drawCartridge(QPainter& p);
void drawBolt(QPainter& p);
void drawRobotHeadIcon(QPainter& p);

struct NamedImage {
    QString path;  // relative to the output directory
    QImage image;
};
std::vector<NamedImage> uiImages(int scale);
std::vector<NamedImage> editorImages(int scale);
// The program's icon, as SVG text and as a picture of the given size.
QString iconSvg();
QImage iconImage(int size);
QColor texBase();

}  // namespace art
