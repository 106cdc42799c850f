// Marks drawn over the board, never part of it: the cell that struck the robot, while the
// wreck it caused runs, and lines joining the halves of each teleporter pair, while the key
// that asks for them is held.
#pragma once

#include <QLine>
#include <QRect>
#include <QWidget>
#include <optional>
#include <vector>

#include "core/board/Board.h"

namespace boltik::qt {

class BoardMarks : public QWidget {
    Q_OBJECT

public:
    // Covers the board it is a child of; lets every mouse event through.
    explicit BoardMarks(QWidget* board);

    // The struck cell's frame, or none; cell is the size of a cell in pixels.
    void markStruck(std::optional<QRect> cell);
    // The pairs of the board as it stands, or none.
    void showPairs(const board::Board* board, int cellSize, int lastCol, int lastRow);
    bool showsPairs() const { return !pairs_.empty(); }
    const std::vector<QLine>& pairs() const { return pairs_; }
    std::optional<QRect> struck() const { return struck_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<QRect> struck_;
    std::vector<QLine> pairs_;
};

}  // namespace boltik::qt
