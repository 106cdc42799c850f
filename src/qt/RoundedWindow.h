// How the rounded windows (the start menu, the level chooser) get their outline on the desktop
// they run on, and how a window takes the keyboard back after one of its own has closed.
#pragma once

#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <QWidget>

namespace boltik::qt {

// X11 cuts a window to a mask, whether a compositing manager runs or not. Wayland has no such
// cut: a mask only limits where the window takes the mouse, and the window would show as a
// square-cornered rectangle. There the window is a translucent surface of the outline's size
// and paints the rounded shape itself; Wayland compositors always blend such surfaces.
enum class Outline { Mask, Painted };

// The outline the named Qt platform (QGuiApplication::platformName()) needs.
Outline outlineFor(const QString& platformName);
// The outline of the platform the program runs on.
Outline currentOutline();

// To be called before the window is first shown: a window whose outline is painted has a
// translucent background.
void prepareOutline(QWidget& window, Outline outline);

// A rounded rectangle of the given size whose corners are quarter ellipses of the given
// diameters, in pixels, as the window shapes are designed.
QPainterPath roundedOutline(const QSizeF& size, const QSizeF& cornerEllipse);

// Paints the picture the window composed (its size) inside the outline, antialiased; outside
// it the translucent window stays clear.
void paintInsideOutline(QWidget& window, const QImage& picture, const QPainterPath& outline);

// Gives the keyboard back to the window after a window of its own has closed: raised, active,
// and the focus inside it where it was.
void takeKeyboardBack(QWidget* window);

}  // namespace boltik::qt
