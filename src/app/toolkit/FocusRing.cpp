#include "toolkit/FocusRing.h"

#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "toolkit/Colors.h"

namespace tundle {

bool FocusRing::shown(const QWidget& widget) {
    return widget.hasFocus() && widget.window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

void FocusRing::draw(QPainter& painter, const QRectF& rect, double radius) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(1);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Colors::accent(), width));
    const double inset = width / 2;
    const double corner = std::max(0.0, radius - inset);
    painter.drawRoundedRect(rect.adjusted(inset, inset, -inset, -inset), corner, corner);
    // A light line just inside sets the ring off a control filled with the accent itself (the
    // orange button), where the ring alone would not show.
    const double inner = std::ceil(width) + halo / 2;
    painter.setPen(QPen(Colors::canvas(), halo));
    painter.drawRoundedRect(rect.adjusted(inner, inner, -inner, -inner),
                            std::max(0.0, radius - inner), std::max(0.0, radius - inner));
    painter.restore();
}

}  // namespace tundle
