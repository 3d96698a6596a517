#include "toolkit/RoundedCorners.h"

#include <QPainter>
#include <QPainterPath>

namespace tundle {

RoundedCorners::RoundedCorners(double radius, const QColor& surround, QWidget* parent)
    : QWidget(parent), radius_(radius), surround_(surround) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void RoundedCorners::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath outside;
    outside.addRect(QRectF(rect()).adjusted(-1, -1, 1, 1));
    QPainterPath inside;
    inside.addRoundedRect(QRectF(rect()), radius_, radius_);
    painter.fillPath(outside.subtracted(inside), surround_);
}

}  // namespace tundle
