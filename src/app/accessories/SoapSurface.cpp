#include "accessories/SoapSurface.h"

#include <QPainter>

namespace tundle {

SoapSurface::SoapSurface(QColor tint, QWidget* parent) : QWidget(parent), tint_(tint) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void SoapSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    film_.draw(painter, YUpSpace(height()), QRectF(1, 2, width() - 2, height() - 4), false, tint_);
}

}  // namespace tundle
