#pragma once

#include <QColor>
#include <QFont>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <optional>

class QPainter;

namespace tundle {

class FractionalFont;

// The pet's drawings are laid out in bottom-up points (origin at the bottom-left corner of the
// view, y upward). The painter is never flipped, so images and text stay upright: every point,
// rectangle and path is turned into Qt's top-down coordinates here, and nowhere else.
class YUpSpace {
public:
    // `height`: the height of the view being drawn.
    explicit YUpSpace(double height) : height_(height) {}

    double height() const { return height_; }

    QPointF toQt(QPointF point) const { return {point.x(), height_ - point.y()}; }
    QPointF fromQt(QPointF point) const { return toQt(point); }
    // A rectangle keeps its size; its bottom edge becomes its top edge.
    QRectF toQt(const QRectF& rect) const {
        return {rect.x(), height_ - rect.y() - rect.height(), rect.width(), rect.height()};
    }
    QRectF fromQt(const QRectF& rect) const { return toQt(rect); }
    QPainterPath toQt(const QPainterPath& path) const;

    // Text drawn upright with the lower-left corner of its line box at `point`.
    void drawText(QPainter& painter, QPointF point, const QString& text, const QFont& font,
                  const QColor& color) const;
    void drawText(QPainter& painter, QPointF point, const QString& text, const FractionalFont& font,
                  const QColor& color) const;

    // The rectangle shrunk by `dx` on the left and right and `dy` at the top and bottom (grown
    // for negative values); nothing when that leaves a negative width or height.
    static std::optional<QRectF> inset(const QRectF& rect, double dx, double dy);
    // Half-open: the left and bottom edges belong to the rectangle, the right and top do not.
    static bool contains(const QRectF& rect, QPointF point) {
        return point.x() >= rect.left() && point.x() < rect.left() + rect.width() &&
               point.y() >= rect.top() && point.y() < rect.top() + rect.height();
    }
    // The rectangle's top edge in bottom-up points.
    static double maxY(const QRectF& rect) { return rect.y() + rect.height(); }

private:
    double height_;
};

}  // namespace tundle
