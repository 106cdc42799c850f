// Loading the sprite pictures and running the frame animation.
#include "qt/GraphicObjects.h"

namespace boltik::qt {

using namespace sprites;

namespace {

quint32 key(Picture p) {
    return (static_cast<quint32>(p.set) << 16) | static_cast<quint16>(p.index);
}

QString fileFor(Picture p) {
    switch (p.set) {
        case PictureSet::Graph48:
            return QStringLiteral(":/sprites/graph48_%1.png").arg(p.index);
        case PictureSet::Graph32:
            return QStringLiteral(":/sprites/graph32_%1.png").arg(p.index);
        case PictureSet::Mes48:
            return QStringLiteral(":/sprites/mes48_%1.png").arg(p.index);
        case PictureSet::Mes32:
            return QStringLiteral(":/sprites/mes32_%1.png").arg(p.index);
        case PictureSet::Flash48:
            return QStringLiteral(":/sprites/grasma.png");
        case PictureSet::Flash32:
            return QStringLiteral(":/sprites/grasmb.png");
    }
    return {};
}

}  // namespace

GraphicObjects::GraphicObjects(int screenWidth, QObject* parent) : QObject(parent) {
    for (int n = 0; n < SpriteStore::kGraphSlots; ++n) {
        for (auto set : {PictureSet::Graph48, PictureSet::Graph32}) {
            const Picture p{set, static_cast<int16_t>(n)};
            QImage image(fileFor(p));
            if (!image.isNull()) images_.insert(key(p), image);
        }
    }
    for (int n = 0; n < SpriteStore::kMesSlots; ++n) {
        for (auto set : {PictureSet::Mes48, PictureSet::Mes32}) {
            const Picture p{set, static_cast<int16_t>(n)};
            images_.insert(key(p), QImage(fileFor(p)));
        }
    }
    for (auto set : {PictureSet::Flash48, PictureSet::Flash32}) {
        const Picture p{set, 0};
        images_.insert(key(p), QImage(fileFor(p)));
    }
    if (screenWidth < kNarrowScreenPixels) {
        narrow_ = true;
        store_.narrowExchange();
    }
    timerAnim_.setInterval(200);
    connect(&timerAnim_, &QTimer::timeout, this, [this] { store_.animationTick(); });
    timerAnim_.start();
}

const QImage& GraphicObjects::image(Picture picture) const {
    const auto it = images_.constFind(key(picture));
    return it == images_.constEnd() ? missing_ : *it;
}

QImage uiPicture(const QString& name) {
    return QImage(QStringLiteral(":/ui/%1.png").arg(name));
}

}  // namespace boltik::qt
