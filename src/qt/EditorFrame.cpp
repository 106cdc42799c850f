// The editor window's frame shape: its outline, drawn along the widget's edge.
#include "qt/EditorFrame.h"

#include <QPainter>

namespace boltik::qt {

EditorFrame::EditorFrame(QColor colour, QWidget* parent) : QWidget(parent), colour_(colour) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void EditorFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(colour_);
    painter.drawRect(outlineOf(0, 0, width() - 1, height() - 1));
}

}  // namespace boltik::qt
