// Entry point of the boltik art generator: common drawing helpers, PNG output and review contact
// sheets.
#include "artgen.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>
#include <optional>

#include "core/sprites/Sprites.h"

namespace art {

uint32_t Rng::next() {
    // xorshift32: tiny, fast and identical on every platform
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

double Rng::uniform() {
    return (next() >> 8) / double(1u << 24);
}

double Rng::range(double lo, double hi) {
    return lo + (hi - lo) * uniform();
}

namespace pal {
const Mat steel{QColor(0xF4, 0xF8, 0xFC), QColor(0xB4, 0xC0, 0xCE), QColor(0x6C, 0x7A, 0x8E),
                QColor(0x1E, 0x24, 0x34)};
const Mat crate{QColor(0xDA, 0xDE, 0xE2), QColor(0xA2, 0xA8, 0xB0), QColor(0x66, 0x6C, 0x76),
                QColor(0x22, 0x24, 0x2C)};
const Mat brass{QColor(0xFF, 0xEC, 0x9A), QColor(0xE2, 0xB0, 0x3C), QColor(0x9C, 0x68, 0x14),
                QColor(0x3A, 0x22, 0x06)};
const Mat copper{QColor(0xFF, 0xB8, 0x88), QColor(0xD8, 0x74, 0x3C), QColor(0x8E, 0x3E, 0x18),
                 QColor(0x36, 0x14, 0x06)};
const Mat gold{QColor(0xFF, 0xF6, 0x9C), QColor(0xF6, 0xC8, 0x22), QColor(0xB0, 0x78, 0x08),
               QColor(0x40, 0x26, 0x02)};
const Mat stone{QColor(0xD2, 0x9E, 0x6E), QColor(0xA8, 0x72, 0x46), QColor(0x70, 0x46, 0x26),
                QColor(0x3A, 0x22, 0x12)};
const Mat wood{QColor(0xDC, 0xA4, 0x62), QColor(0xB0, 0x76, 0x3C), QColor(0x76, 0x4A, 0x22),
               QColor(0x34, 0x1E, 0x0C)};
const Mat iron{QColor(0x9A, 0x9E, 0xAA), QColor(0x5E, 0x62, 0x70), QColor(0x38, 0x3A, 0x44),
               QColor(0x12, 0x12, 0x18)};
const Mat magnet{QColor(0x9C, 0xF0, 0x8C), QColor(0x38, 0xB4, 0x48), QColor(0x18, 0x72, 0x2C),
                 QColor(0x08, 0x2C, 0x10)};
const Mat shell{QColor(0xFA, 0xFC, 0xFF), QColor(0xCC, 0xD4, 0xE2), QColor(0x8A, 0x96, 0xAC),
                QColor(0x26, 0x2C, 0x40)};
const Mat tread{QColor(0x78, 0x7C, 0x88), QColor(0x4C, 0x50, 0x5A), QColor(0x2E, 0x30, 0x38),
                QColor(0x12, 0x12, 0x18)};
const Mat accent{QColor(0xFF, 0xD2, 0x60), QColor(0xF4, 0x92, 0x1E), QColor(0xA8, 0x54, 0x0C),
                 QColor(0x3C, 0x1A, 0x04)};
const Mat beetle{QColor(0xFF, 0x8C, 0x6A), QColor(0xDC, 0x34, 0x26), QColor(0x90, 0x16, 0x14),
                 QColor(0x34, 0x06, 0x08)};
const Mat batWing{QColor(0xB6, 0x86, 0xD8), QColor(0x7C, 0x4C, 0xA6), QColor(0x4C, 0x28, 0x72),
                  QColor(0x1C, 0x0A, 0x2E)};
const Mat batBody{QColor(0x8A, 0x6A, 0x8E), QColor(0x5A, 0x3E, 0x62), QColor(0x38, 0x22, 0x40),
                  QColor(0x16, 0x0A, 0x1C)};
const Mat darkMetal{QColor(0x8C, 0x94, 0xA8), QColor(0x56, 0x5E, 0x74), QColor(0x34, 0x3A, 0x4C),
                    QColor(0x10, 0x12, 0x1C)};
const QColor floor(0x80, 0x80, 0xFF);
const QColor floorShadow(0x62, 0x62, 0xDC);
}  // namespace pal

QImage blankImage(int w, int h, QColor fill, int scale) {
    QImage img(w * scale, h * scale, QImage::Format_RGB32);
    img.setDevicePixelRatio(scale);
    img.fill(fill);
    return img;
}

QImage enlarged(const QImage& img, int scale) {
    if (scale == 1) return img;
    QImage out = img.scaled(img.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    out.setDevicePixelRatio(scale);
    return out;
}

QImage cut(const QImage& img, const QRect& r) {
    const int scale = int(img.devicePixelRatio());
    return img.copy(QRect(r.topLeft() * scale, r.size() * scale));
}

// The blue floor: base colour everywhere, a faint bevel along the cell edge and a few
// darker specks at fixed places, so neighbouring floor cells tile without seams.
void paintFloor(QImage& img) {
    const int n = img.width();
    img.fill(pal::floor);
    const QRgb edgeLight = qRgb(0x88, 0x88, 0xFF);
    const QRgb edgeDark = qRgb(0x76, 0x76, 0xF2);
    for (int i = 0; i < n; ++i) {
        img.setPixel(i, 0, edgeLight);
        img.setPixel(0, i, edgeLight);
        img.setPixel(i, n - 1, edgeDark);
        img.setPixel(n - 1, i, edgeDark);
    }
    static const int specks[][2] = {{9, 12},  {31, 6},  {21, 29}, {40, 35},
                                    {12, 40}, {36, 19}, {4, 26},  {27, 43}};
    const QRgb speck = qRgb(0x74, 0x74, 0xF0);
    for (const auto& s : specks) {
        const int x = s[0] * n / 48;
        const int y = s[1] * n / 48;
        img.setPixel(x, y, speck);
        if (n >= 48) img.setPixel(x + 1, y, qRgb(0x7A, 0x7A, 0xF8));
    }
}

void beginSprite(QPainter& p, QImage& img) {
    p.setRenderHint(QPainter::Antialiasing, true);
    const QSizeF size = img.deviceIndependentSize();
    p.scale(size.width() / kUnits, size.height() / kUnits);
}

void bevel(QPainter& p, const QPainterPath& shape, const Mat& m, double rim, double ink) {
    const QPainterPath up = shape.translated(-rim, -rim);
    const QPainterPath down = shape.translated(rim, rim);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(m.mid);
    p.drawPath(shape);
    p.setBrush(m.hi);
    p.drawPath(shape.subtracted(down));
    p.setBrush(m.lo);
    p.drawPath(shape.subtracted(up));
    p.restore();
    if (ink > 0) flat(p, shape, Qt::transparent, m.ink, ink);
}

void flat(QPainter& p, const QPainterPath& shape, QColor fill, QColor ink, double width) {
    p.save();
    if (width > 0) {
        QPen pen(ink, width);
        pen.setJoinStyle(Qt::RoundJoin);
        p.setPen(pen);
    } else {
        p.setPen(Qt::NoPen);
    }
    p.setBrush(fill.alpha() ? QBrush(fill) : QBrush(Qt::NoBrush));
    p.drawPath(shape);
    p.restore();
}

void groundShadow(QPainter& p, const QRectF& r) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(pal::floorShadow);
    p.drawEllipse(r);
    p.restore();
}

void glint(QPainter& p, QPointF c, double r, QColor col) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(col);
    p.drawEllipse(c, r, r);
    p.restore();
}

QPainterPath roundRect(double x, double y, double w, double h, double r) {
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), r, r);
    return path;
}

QPainterPath ellipse(double cx, double cy, double rx, double ry) {
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), rx, ry);
    return path;
}

QPainterPath polygon(std::initializer_list<QPointF> pts) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(pts)));
    path.closeSubpath();
    return path;
}

QPainterPath strokeOf(const QPainterPath& centre, double width, Qt::PenCapStyle cap) {
    QPainterPathStroker st;
    st.setWidth(width);
    st.setCapStyle(cap);
    st.setJoinStyle(Qt::RoundJoin);
    return st.createStroke(centre).simplified();
}

QImage renderSprite(const Sprite& s, int size, int scale) {
    QImage img = blankImage(size, size, pal::floor);
    if (s.onFloor) paintFloor(img);
    img = enlarged(img, scale);
    QPainter p(&img);
    beginSprite(p, img);
    s.draw(p);
    p.end();
    return img;
}

}  // namespace art

namespace {

using namespace art;

bool save(const QImage& img, const QString& dir, const QString& rel) {
    const QString path = dir + "/" + rel;
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QImage out = img.hasAlphaChannel() ? img : img.convertToFormat(QImage::Format_RGB32);
    if (!out.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// The file name of a picture at a scale: "ui/tex.png", "ui/tex@2x.png".
QString atScale(const QString& file, int scale) {
    return scale == 1 ? file : file.chopped(4) + QString("@%1x.png").arg(scale);
}

// The picture of one sprite slot, drawn at the size the slot has; nothing when no drawing
// is known for it.
std::optional<QImage> pictureFor(boltik::sprites::Picture p, int scale) {
    using boltik::sprites::PictureSet;
    static const std::map<int, Sprite> objects = [] {
        std::map<int, Sprite> all = objectSprites();
        all.merge(actorSprites());
        return all;
    }();
    static const std::map<int, Sprite> robots = robotSprites();
    switch (p.set) {
        case PictureSet::Flash48:
        case PictureSet::Flash32:
            return flashPicture(p.set == PictureSet::Flash32, scale);
        case PictureSet::Robot48:
        case PictureSet::Robot32:
            if (!robots.count(p.index)) return std::nullopt;
            return renderSprite(robots.at(p.index), p.size(), scale);
        case PictureSet::Object48:
        case PictureSet::Object32:
            break;
    }
    if (!objects.count(p.index)) return std::nullopt;
    return renderSprite(objects.at(p.index), p.size(), scale);
}

// Every picture the sprite store names, then the window art, each at both scales.
int writeAll(const QString& dir) {
    int failures = 0;
    for (const int scale : kScales) {
        for (const boltik::sprites::Picture p : boltik::sprites::allPictures()) {
            const QString file = atScale(QString("sprites/%1.png").arg(fileStem(p).c_str()), scale);
            const std::optional<QImage> image = pictureFor(p, scale);
            if (!image) {
                std::fprintf(stderr, "no drawing for %s\n", qPrintable(file));
                ++failures;
                continue;
            }
            failures += !save(*image, dir, file);
        }
        for (const NamedImage& n : uiImages(scale))
            failures += !save(n.image, dir, atScale(n.path, scale));
        for (const NamedImage& n : editorImages(scale))
            failures += !save(n.image, dir, atScale(n.path, scale));
    }
    failures += !save(iconImage(256), dir, "icons/boltik-256.png");
    QFile svg(dir + "/icons/boltik.svg");
    if (svg.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        svg.write(iconSvg().toUtf8());
    } else {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(svg.fileName()));
        ++failures;
    }
    return failures;
}

}  // namespace

int runSheets(const QString& assetDir, const QString& outDir);

int main(int argc, char** argv) {
    // The generator draws off screen and needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 2 && args[1] == "--sheets") {
        const QString assets = args.size() >= 3 ? args[2] : QString("assets");
        const QString out = args.size() >= 4 ? args[3] : QString("/tmp/boltik_sheets");
        return runSheets(assets, out);
    }
    const QString dir = args.size() >= 2 ? args[1] : QString("assets");
    const int failures = writeAll(dir);
    if (failures) {
        std::fprintf(stderr, "%d picture(s) could not be written\n", failures);
        return 1;
    }
    std::printf("pictures written to %s\n", qPrintable(QDir(dir).absolutePath()));
    return 0;
}

// ---- review sheets: the written pictures laid out for a visual check (written outside the repo)
// ----

namespace {

struct Entry {
    QString label;
    QImage image;
};

std::vector<Entry> loadSprites(const QString& assetDir, int size) {
    std::vector<Entry> out;
    for (const QString& stem : {QString("graph"), QString("mes")}) {
        QDir dir(assetDir + "/sprites");
        QStringList files = dir.entryList({QString("%1%2_*.png").arg(stem).arg(size)}, QDir::Files);
        files.removeIf([](const QString& f) { return f.contains('@'); });
        auto num = [](const QString& f) { return f.section('_', 1).section('.', 0, 0).toInt(); };
        std::sort(files.begin(), files.end(),
                  [&](const QString& a, const QString& b) { return num(a) < num(b); });
        for (const QString& f : files)
            out.push_back({QString("%1 %2").arg(stem).arg(num(f)), QImage(dir.filePath(f))});
    }
    return out;
}

QImage grid(const std::vector<Entry>& entries, int zoom, int cols) {
    int cw = 0, ch = 0;
    for (const Entry& e : entries) {
        cw = std::max(cw, e.image.width() * zoom);
        ch = std::max(ch, e.image.height() * zoom);
    }
    cw = std::max(cw, 80) + 12;
    ch += 24;
    const int rows = (int(entries.size()) + cols - 1) / cols;
    QImage sheet = blankImage(cols * cw, rows * ch, QColor(0x30, 0x30, 0x38));
    QPainter p(&sheet);
    p.setFont(QFont("DejaVu Sans", 8));
    for (size_t i = 0; i < entries.size(); ++i) {
        const int x = int(i % cols) * cw + 6, y = int(i / cols) * ch + 4;
        const QImage& img = entries[i].image;
        p.drawImage(QRect(x, y, img.width() * zoom, img.height() * zoom), img);
        p.setPen(Qt::white);
        p.drawText(QRect(x - 4, y + img.height() * zoom + 2, cw, 16), Qt::AlignLeft,
                   entries[i].label);
    }
    return sheet;
}

QImage board(const QString& assetDir, int size) {
    static const char* rows[] = {"2222222222", "2r3.7.8.z2", "2.1133.b.2",
                                 "2k4.6..ab2", "2.7.2.xg92", "2222222222"};
    auto file = [&](char c) {
        switch (c) {
            case '2':
                return QString("graph%1_2.png");
            case '1':
                return QString("graph%1_1.png");
            case '3':
                return QString("graph%1_3.png");
            case '4':
                return QString("graph%1_4.png");
            case '6':
                return QString("graph%1_6.png");
            case '7':
                return QString("graph%1_7.png");
            case '8':
                return QString("graph%1_8.png");
            case '9':
                return QString("graph%1_12.png");
            case 'k':
                return QString("graph%1_5.png");
            case 'r':
                return QString("mes%1_0.png");
            case 'b':
                return QString("graph%1_50.png");
            case 'a':
                return QString("graph%1_60.png");
            case 'g':
                return QString("graph%1_10.png");
            case 'x':
                return QString("graph%1_100.png");
            case 'z':
                return QString("graph%1_20.png");
            default:
                return QString("graph%1_0.png");
        }
    };
    QImage out = blankImage(10 * size, 6 * size, Qt::black);
    QPainter p(&out);
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 10; ++c)
            p.drawImage(c * size, r * size,
                        QImage(assetDir + "/sprites/" + file(rows[r][c]).arg(size)));
    return out;
}

QImage tiled(const QImage& tile, int w, int h, int zoom) {
    QImage out = blankImage(w, h, Qt::black);
    QPainter p(&out);
    const QImage big = tile.scaled(tile.width() * zoom, tile.height() * zoom);
    for (int y = 0; y < h; y += big.height())
        for (int x = 0; x < w; x += big.width())
            p.drawImage(x, y, big);
    return out;
}

QImage uiSheet(const QString& assetDir) {
    auto ui = [&](const QString& n) { return QImage(assetDir + "/ui/" + n + ".png"); };
    QImage sheet = tiled(ui("tex"), 900, 760, 1);
    QPainter p(&sheet);
    p.drawImage(10, 10, tiled(ui("wspih"), 300, 240, 5));
    p.drawImage(330, 10, ui("zanowo"));
    p.drawImage(330, 70, ui("zanowo").scaled(224, 92));
    int x = 330;
    for (const char* n : {"icon_lives", "icon_key", "icon_ammo", "icon_bolt"}) {
        p.drawImage(x, 180, ui(n));
        p.drawImage(x, 220, ui(n).scaled(96, 96));
        x += 110;
    }
    QImage box = tiled(ui("msg_fon"), 320, 160, 1);
    QPainter b(&box);
    b.setFont(QFont("DejaVu Sans", 11));
    b.setPen(QColor(0x10, 0x18, 0x60));
    b.drawText(QRect(10, 10, 300, 60), Qt::AlignCenter | Qt::TextWordWrap,
               QString::fromUtf8("Уровень пройден! Собрано болтов: 12"));
    const int bw = 120;
    b.drawImage(100, 100, ui("msg_btn_left"));
    b.drawImage(QRect(117, 100, bw - 34, 27), ui("msg_btn_mid"));
    b.drawImage(100 + bw - 17, 100, ui("msg_btn_right"));
    b.setFont(QFont("DejaVu Sans", 10, QFont::Bold));
    b.setPen(Qt::white);
    b.drawText(QRect(100, 100, bw, 27), Qt::AlignCenter, "OK");
    b.end();
    p.drawImage(10, 340, box);
    p.drawImage(340, 340, ui("filesel_ok"));
    p.drawImage(340, 380, ui("filesel_ok").scaled(318, 54));
    p.drawImage(10, 520, tiled(ui("menu_header"), 420, 32, 1));
    p.drawImage(10, 556, tiled(ui("menu_tile"), 420, 190, 1));
    p.drawImage(450, 520, tiled(ui("menu_header"), 244, 64, 2));
    p.drawImage(700, 520, ui("settings_icon"));
    p.drawImage(720, 520, ui("settings_icon").scaled(64, 64));
    p.drawImage(450, 600, tiled(ui("msg_fon"), 186, 128, 2));
    p.drawImage(660, 600, ui("../sprites/grasma"));
    p.drawImage(720, 600, ui("../sprites/grasmb").scaled(96, 96));
    return sheet;
}

// Seamless tiles shown 2 x 2 and the small pieces shown alone, magnified, to check seams and
// pixels.
QImage uiZoomSheet(const QString& assetDir, bool tiles) {
    auto ui = [&](const QString& n) { return QImage(assetDir + "/ui/" + n + ".png"); };
    std::vector<Entry> entries;
    if (tiles) {
        for (const char* n : {"msg_fon", "menu_tile", "menu_header", "tex"}) {
            const QImage t = ui(n);
            entries.push_back({n, tiled(t, t.width() * 2, t.height() * 2, 1)});
        }
        return grid(entries, 4, 2);
    }
    for (const char* n : {"icon_lives", "icon_key", "icon_ammo", "icon_bolt", "settings_icon",
                          "msg_btn_left", "msg_btn_mid", "msg_btn_right"})
        entries.push_back({n, ui(n)});
    return grid(entries, 6, 4);
}

}  // namespace

int runSheets(const QString& assetDir, const QString& outDir) {
    QDir().mkpath(outDir);
    bool ok = true;
    ok &= grid(loadSprites(assetDir, 48), 1, 8).save(outDir + "/sprites48.png");
    ok &= grid(loadSprites(assetDir, 48), 3, 6).save(outDir + "/sprites48_x3.png");
    ok &= grid(loadSprites(assetDir, 32), 1, 8).save(outDir + "/sprites32.png");
    ok &= grid(loadSprites(assetDir, 32), 4, 6).save(outDir + "/sprites32_x4.png");
    ok &= board(assetDir, 48).save(outDir + "/board48.png");
    ok &= board(assetDir, 32).save(outDir + "/board32.png");
    ok &= board(assetDir, 32).scaled(640, 384).save(outDir + "/board32_x2.png");
    ok &= uiSheet(assetDir).save(outDir + "/ui.png");
    ok &= uiZoomSheet(assetDir, true).save(outDir + "/ui_tiles_zoom.png");
    ok &= uiZoomSheet(assetDir, false).save(outDir + "/ui_icons_zoom.png");
    std::printf("sheets written to %s\n", qPrintable(outDir));
    return ok ? 0 : 1;
}
