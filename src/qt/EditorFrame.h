// The editor window's frame shape (obwod, around the selected tool): a rectangle outline that
// lets mouse events through, and the outline rule the editor grid draws its lines with.
#pragma once

#include <QColor>
#include <QRectF>
#include <QWidget>

namespace boltik::qt {

// The outline of the pixels from (x, y) to (x + w, y + h) with a one-pixel pen. The pen
// runs along the middle of the pixels, so at a device pixel ratio of 2 it covers them
// exactly rather than straddling their edge.
inline QRectF outlineOf(int x, int y, int w, int h) {
    return QRectF(x + 0.5, y + 0.5, w, h);
}

class EditorFrame : public QWidget {
public:
    EditorFrame(QColor colour, QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor colour_;
};

}  // namespace boltik::qt
