#pragma once

#include <QPointF>
#include <QRectF>

namespace tundle {

// Converts between the program's bottom-up points (origin at the bottom-left corner of the
// primary screen, y upward) and Qt's global coordinates (y downward). Every conversion between
// the two goes through here, so a mistake in the direction of y can only be made once.
class ScreenCoordinates {
public:
    // `primaryGeometry`: the primary screen's rectangle in Qt's global coordinates.
    explicit ScreenCoordinates(const QRectF& primaryGeometry) : primary_(primaryGeometry) {}

    // The conversion for the screens the application sees now (an empty primary without one).
    static ScreenCoordinates current();

    QPointF toQt(QPointF point) const;
    QPointF fromQt(QPointF point) const;
    // A rectangle keeps its size; its bottom-left corner in one is its top-left corner in the
    // other.
    QRectF toQt(const QRectF& rect) const;
    QRectF fromQt(const QRectF& rect) const;

private:
    double bottom() const { return primary_.y() + primary_.height(); }

    QRectF primary_;
};

}  // namespace tundle
