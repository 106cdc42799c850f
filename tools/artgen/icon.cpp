// The program's icon: a robot head on a blue badge, described once as shapes and written both
// as SVG and as a 256-pixel picture.
#include "artgen.h"

#include <QPainterPath>

namespace art {
namespace {

struct Shape {
    enum Kind { RoundRect, Ellipse, Line } kind;
    double x, y, w, h;  // a rectangle or an ellipse's centre and radii; a line's two ends
    double radius;      // corner radius of a rounded rectangle
    QColor fill;        // none when transparent
    QColor stroke;      // none when transparent
    double width;       // stroke width
};

const std::vector<Shape>& shapes() {
    static const std::vector<Shape> all = {
        {Shape::RoundRect, 8, 8, 240, 240, 48, QColor(0x80, 0x80, 0xFF), QColor(0x3C, 0x3C, 0x9C),
         8},
        {Shape::Line, 128, 74, 128, 38, 0, QColor(), QColor(0x26, 0x26, 0x3A), 10},
        {Shape::Ellipse, 128, 32, 14, 14, 0, QColor(0xF4, 0x92, 0x1E), QColor(0x3C, 0x1A, 0x04), 5},
        {Shape::Ellipse, 46, 132, 18, 26, 0, QColor(0xF4, 0x92, 0x1E), QColor(0x3C, 0x1A, 0x04), 5},
        {Shape::Ellipse, 210, 132, 18, 26, 0, QColor(0xF4, 0x92, 0x1E), QColor(0x3C, 0x1A, 0x04),
         5},
        {Shape::RoundRect, 52, 70, 152, 128, 32, QColor(0xE6, 0xEA, 0xF2), QColor(0x26, 0x2C, 0x40),
         7},
        {Shape::RoundRect, 72, 94, 112, 66, 24, QColor(0x1E, 0x24, 0x34), QColor(), 0},
        {Shape::Ellipse, 104, 127, 15, 15, 0, QColor(0x5F, 0xE3, 0xFF), QColor(0xB8, 0xF4, 0xFF),
         3},
        {Shape::Ellipse, 152, 127, 15, 15, 0, QColor(0x5F, 0xE3, 0xFF), QColor(0xB8, 0xF4, 0xFF),
         3},
        {Shape::RoundRect, 100, 206, 56, 22, 10, QColor(0xB4, 0xC0, 0xCE), QColor(0x26, 0x2C, 0x40),
         6},
    };
    return all;
}

QString hex(QColor c) {
    return c.isValid() ? c.name() : QString("none");
}

}  // namespace

QString iconSvg() {
    QString svg =
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
        "viewBox=\"0 0 256 256\">\n";
    for (const Shape& s : shapes()) {
        const QString paint = QString(" fill=\"%1\" stroke=\"%2\" stroke-width=\"%3\"")
                                  .arg(hex(s.fill), hex(s.stroke))
                                  .arg(s.width);
        switch (s.kind) {
            case Shape::RoundRect:
                svg +=
                    QString("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\"%6/>\n")
                        .arg(s.x)
                        .arg(s.y)
                        .arg(s.w)
                        .arg(s.h)
                        .arg(s.radius)
                        .arg(paint);
                break;
            case Shape::Ellipse:
                svg += QString("  <ellipse cx=\"%1\" cy=\"%2\" rx=\"%3\" ry=\"%4\"%5/>\n")
                           .arg(s.x)
                           .arg(s.y)
                           .arg(s.w)
                           .arg(s.h)
                           .arg(paint);
                break;
            case Shape::Line:
                svg += QString(
                           "  <line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\" "
                           "stroke-linecap=\"round\"%5/>\n")
                           .arg(s.x)
                           .arg(s.y)
                           .arg(s.w)
                           .arg(s.h)
                           .arg(paint);
                break;
        }
    }
    return svg + "</svg>\n";
}

QImage iconImage(int size) {
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);
    for (const Shape& s : shapes()) {
        p.setPen(s.stroke.isValid() && s.width > 0
                     ? QPen(s.stroke, s.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                     : QPen(Qt::NoPen));
        p.setBrush(s.fill.isValid() ? QBrush(s.fill) : QBrush(Qt::NoBrush));
        switch (s.kind) {
            case Shape::RoundRect:
                p.drawRoundedRect(QRectF(s.x, s.y, s.w, s.h), s.radius, s.radius);
                break;
            case Shape::Ellipse:
                p.drawEllipse(QPointF(s.x, s.y), s.w, s.h);
                break;
            case Shape::Line:
                p.drawLine(QPointF(s.x, s.y), QPointF(s.w, s.h));
                break;
        }
    }
    return img;
}

}  // namespace art
