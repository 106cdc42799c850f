// GraphicObjects: the hidden sprite store of the game window. It holds every picture at
// 48 and 32 pixels (logical; twice the device pixels on a dense screen), which slot shows
// which picture, and the 200 ms frame animation.
#pragma once

#include <QHash>
#include <QImage>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include "core/sprites/Sprites.h"

namespace boltik::qt {

// Screens narrower than 13000 twips (866 pixels) get the 32-pixel pictures.
inline constexpr int kNarrowScreenPixels = 866;

// The device pixel ratio of the built-in pictures to load: 2 (the name@2x.png pictures,
// twice the pixels at the same logical size) when a screen is denser than one device pixel
// to the logical pixel, else 1. Sizes and positions are logical pixels either way.
int pictureRatio();

class GraphicObjects : public QObject {
    Q_OBJECT

public:
    // Loads every picture from the built-in resources at the given ratio (1 or 2); on a
    // narrow screen (width in logical pixels) exchanges the small pictures into the large
    // ones' slots. The animation timer starts at once.
    GraphicObjects(int screenWidth, QObject* parent = nullptr, int ratio = pictureRatio());

    sprites::SpriteStore& store() { return store_; }
    const sprites::SpriteStore& store() const { return store_; }
    bool narrow() const { return narrow_; }
    // The device pixel ratio of every picture: a picture of n logical pixels has n * ratio.
    int ratio() const { return ratio_; }
    // The image of a picture; a null image for one that is not there.
    const QImage& image(sprites::Picture picture) const;
    // The file stems of the pictures that could not be loaded; none in a sound build.
    const QStringList& missingPictures() const { return missing_; }

private:
    sprites::SpriteStore store_;
    QHash<quint32, QImage> images_;
    QImage none_;
    QStringList missing_;
    QTimer timerAnim_;
    bool narrow_ = false;
    int ratio_ = 1;
};

// A picture from the window art ("tex", "zanowo", ...), from the built-in resources.
QImage uiPicture(const QString& name, int ratio = pictureRatio());
// A picture of the level editor ("obje_3", "setka", "kudasow_0", ...).
QImage editorPicture(const QString& name, int ratio = pictureRatio());

}  // namespace boltik::qt
