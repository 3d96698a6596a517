#include "toolkit/SymbolView.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "drawing/SymbolImage.h"

namespace tundle {

SymbolView::SymbolView(const QString& name, double side, const QColor& tint, QWidget* parent)
    : QWidget(parent), name_(name), side_(side), tint_(tint) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void SymbolView::setTile(QSize frame, const QColor& fill, double radius) {
    tile_ = frame;
    tileFill_ = fill;
    tileRadius_ = radius;
    updateGeometry();
    update();
}

QSize SymbolView::sizeHint() const {
    const int side = int(std::ceil(side_));
    return tile_.isValid() ? tile_.expandedTo(QSize(side, side)) : QSize(side, side);
}

void SymbolView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (tile_.isValid()) {
        QPainterPath tile;
        tile.addRoundedRect(QRectF(rect()), tileRadius_, tileRadius_);
        painter.fillPath(tile, tileFill_);
    }
    const double ratio = devicePixelRatioF();
    const int pixels = int(std::ceil(side_ * ratio));
    QImage image = SymbolImage::render(name_, QSize(pixels, pixels), tint_);
    image.setDevicePixelRatio(ratio);
    painter.drawImage(QPointF((width() - side_) / 2, (height() - side_) / 2), image);
}

}  // namespace tundle
