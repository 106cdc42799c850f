// The plates over the game window's board: the help (F1), the keys and what each object does,
// drawn with the game's own pictures; and «Пауза».
#pragma once

#include <QLabel>
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

// The plate «Пауза», hidden, to be centred over the board.
QLabel* makePausePlate(QWidget* board);
// A plate of one line over the board, sized to its text: the showing of a solution, a level
// that can no longer be won.
QLabel* makeNotePlate(QWidget* board);

}  // namespace boltik::qt
