// Rounded outlines by mask or by painting, and the keyboard given back to a window.
#include "qt/RoundedWindow.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

namespace boltik::qt {

Outline outlineFor(const QString& platformName) {
    return platformName == QStringLiteral("wayland") ? Outline::Painted : Outline::Mask;
}

Outline currentOutline() {
    return outlineFor(QGuiApplication::platformName());
}

void prepareOutline(QWidget& window, Outline outline) {
    if (outline == Outline::Painted) window.setAttribute(Qt::WA_TranslucentBackground);
}

QPainterPath roundedOutline(const QSizeF& size, const QSizeF& cornerEllipse) {
    QPainterPath path;
    path.addRoundedRect(QRectF(QPointF(0, 0), size), cornerEllipse.width() / 2,
                        cornerEllipse.height() / 2);
    return path;
}

void paintInsideOutline(QWidget& window, const QImage& picture, const QPainterPath& outline) {
    QPainter painter(&window);
    // A window clears what lies outside the outline; inside another window, what lies there is
    // that window's, painted under this one.
    if (window.isWindow()) {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(window.rect(), Qt::transparent);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    // The brush's picture is laid from the window's top left corner, in logical pixels.
    QBrush brush(picture);
    brush.setTransform(
        QTransform::fromScale(1 / picture.devicePixelRatio(), 1 / picture.devicePixelRatio()));
    painter.setBrush(brush);
    painter.drawPath(outline);
}

void takeKeyboardBack(QWidget* window) {
    if (!window || !window->isVisible()) return;
    window = window->window();
    window->raise();
    window->activateWindow();
    QWidget* focus = window->focusWidget();
    (focus ? focus : window)->setFocus(Qt::ActiveWindowFocusReason);
}

}  // namespace boltik::qt
