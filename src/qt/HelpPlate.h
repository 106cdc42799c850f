// The help plate of the game window (F1): the keys, and what each object does, drawn with the
// game's own pictures.
#pragma once

#include <QWidget>

#include "qt/GraphicObjects.h"

namespace boltik::qt {

class HelpPlate : public QWidget {
    Q_OBJECT

public:
    HelpPlate(const GraphicObjects& graphics, QWidget* parent);

    // The text of the plate, as the README gives it too.
    static QString keysText();

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace boltik::qt
