#include "toolkit/FocusRing.h"

#include <QPainter>
#include <QWidget>
#include <algorithm>

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
    painter.restore();
}

}  // namespace tundle
