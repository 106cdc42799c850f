// Marks over the board.
#include "qt/BoardMarks.h"

#include <QPainter>
#include <QPen>

#include "core/board/Codes.h"

namespace boltik::qt {

BoardMarks::BoardMarks(QWidget* board) : QWidget(board) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
}

void BoardMarks::markStruck(std::optional<QRect> cell) {
    if (cell == struck_) return;
    struck_ = cell;
    setVisible(struck_ || !pairs_.empty());
    update();
}

void BoardMarks::showPairs(const board::Board* b, int cellSize, int lastCol, int lastRow) {
    pairs_.clear();
    if (b) {
        const auto centre = [b, cellSize](int x, int y) {
            return QPoint(b->at(x, y, board::layer::kLeft) + cellSize / 2,
                          b->at(x, y, board::layer::kTop) + cellSize / 2);
        };
        for (int x = 0; x <= lastCol; ++x) {
            for (int y = 0; y <= lastRow; ++y) {
                if (b->code(x, y) != board::code::kTeleporter) continue;
                const int px = b->at(x, y, board::layer::kParamA);
                const int py = b->at(x, y, board::layer::kParamB);
                if (px < 0 || px > lastCol || py < 0 || py > lastRow) continue;
                // Each pair once; a partner that points elsewhere still gets its own line.
                const bool mutual = b->code(px, py) == board::code::kTeleporter &&
                                    b->at(px, py, board::layer::kParamA) == x &&
                                    b->at(px, py, board::layer::kParamB) == y;
                if (mutual && (px < x || (px == x && py < y))) continue;
                pairs_.emplace_back(centre(x, y), centre(px, py));
            }
        }
    }
    setVisible(struck_ || !pairs_.empty());
    update();
}

void BoardMarks::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!pairs_.empty()) {
        QPen pen(QColor(255, 230, 120, 220), 3, Qt::DashLine);
        painter.setPen(pen);
        for (const QLine& line : pairs_) {
            painter.drawLine(line);
            painter.setBrush(QColor(255, 230, 120));
            painter.drawEllipse(line.p1(), 5, 5);
            painter.drawEllipse(line.p2(), 5, 5);
            painter.setBrush(Qt::NoBrush);
        }
    }
    if (struck_) {
        painter.setPen(QPen(QColor(255, 40, 40), 4));
        painter.drawRect(struck_->adjusted(2, 2, -2, -2));
    }
}

}  // namespace boltik::qt
