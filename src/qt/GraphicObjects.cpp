// Loading the sprite pictures and running the frame animation.
#include "qt/GraphicObjects.h"

#include <QGuiApplication>

namespace boltik::qt {

using namespace sprites;

namespace {

quint32 key(Picture p) {
    return (static_cast<quint32>(p.set) << 16) | static_cast<quint16>(p.index);
}

// A built-in picture at the given ratio: folder/stem@2x.png at ratio 2, folder/stem.png at 1.
QImage builtIn(const QString& folder, const QString& stem, int ratio) {
    if (ratio == 1) return QImage(QStringLiteral(":/%1/%2.png").arg(folder, stem));
    QImage image(QStringLiteral(":/%1/%2@2x.png").arg(folder, stem));
    image.setDevicePixelRatio(2);
    return image;
}

}  // namespace

int pictureRatio() {
    // The highest ratio of all the screens: a window may go to any of them.
    return qGuiApp && qGuiApp->devicePixelRatio() > 1.0 ? 2 : 1;
}

GraphicObjects::GraphicObjects(int screenWidth, QObject* parent, int ratio)
    : QObject(parent), ratio_(ratio > 1 ? 2 : 1) {
    for (const Picture p : allPictures()) {
        const QString stem = QString::fromStdString(fileStem(p));
        const QImage image = builtIn(QStringLiteral("sprites"), stem, ratio_);
        if (image.isNull()) {
            missing_.append(stem);
        } else {
            images_.insert(key(p), image);
        }
    }
    if (screenWidth < kNarrowScreenPixels) {
        narrow_ = true;
        store_.useSmallPictures();
    }
    timerAnim_.setInterval(200);
    connect(&timerAnim_, &QTimer::timeout, this, [this] { store_.animationTick(); });
    timerAnim_.start();
}

const QImage& GraphicObjects::image(Picture picture) const {
    const auto it = images_.constFind(key(picture));
    return it == images_.constEnd() ? none_ : *it;
}

QImage editorPicture(const QString& name, int ratio) {
    return builtIn(QStringLiteral("editor"), name, ratio > 1 ? 2 : 1);
}

QImage uiPicture(const QString& name, int ratio) {
    return builtIn(QStringLiteral("ui"), name, ratio > 1 ? 2 : 1);
}

}  // namespace boltik::qt
