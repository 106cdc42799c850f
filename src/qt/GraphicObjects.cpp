// Loading the sprite pictures and running the frame animation.
#include "qt/GraphicObjects.h"

namespace boltik::qt {

using namespace sprites;

namespace {

quint32 key(Picture p) {
    return (static_cast<quint32>(p.set) << 16) | static_cast<quint16>(p.index);
}

}  // namespace

GraphicObjects::GraphicObjects(int screenWidth, QObject* parent) : QObject(parent) {
    for (const Picture p : allPictures()) {
        const QString stem = QString::fromStdString(fileStem(p));
        QImage image(QStringLiteral(":/sprites/%1.png").arg(stem));
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

QImage editorPicture(const QString& name) {
    return QImage(QStringLiteral(":/editor/%1.png").arg(name));
}

QImage uiPicture(const QString& name) {
    return QImage(QStringLiteral(":/ui/%1.png").arg(name));
}

}  // namespace boltik::qt
