#pragma once

#include <QRectF>

class QPainter;
class QWidget;

namespace tundle {

// The ring around the control that has the keyboard focus: shown once the keyboard has moved
// the focus in the control's window, so a click leaves no ring behind.
class FocusRing {
public:
    FocusRing() = delete;

    static constexpr double width = 1.5;
    static constexpr double halo = 1.5;

    static bool shown(const QWidget& widget);
    // Draws the ring just inside `rect`, its corners rounded by `radius`, with a light line
    // inside it.
    static void draw(QPainter& painter, const QRectF& rect, double radius);
};

}  // namespace tundle
