#include "controlcentre/BreathingPebble.h"

#include <array>

namespace tundle {

namespace {

// Each curve as its end point, then its two control points, in fractions of the rectangle.
struct Curve {
    QPointF end;
    QPointF first;
    QPointF second;
};

constexpr QPointF start(0.46, 0.018);
constexpr std::array<Curve, 7> curves{{
    {{0.94, 0.19}, {0.71, 0.005}, {0.93, 0.018}},
    {{0.974, 0.63}, {0.958, 0.3}, {0.993, 0.46}},
    {{0.79, 0.961}, {0.96, 0.82}, {0.944, 0.94}},
    {{0.23, 0.956}, {0.62, 0.991}, {0.39, 0.987}},
    {{0.027, 0.7}, {0.07, 0.927}, {0.016, 0.855}},
    {{0.073, 0.24}, {0.037, 0.52}, {0.012, 0.369}},
    {{0.46, 0.018}, {0.127, 0.072}, {0.268, 0.03}},
}};

}  // namespace

QPainterPath BreathingPebble::path(const QRectF& rect) {
    const auto at = [&rect](QPointF fraction) {
        return QPointF(rect.left() + fraction.x() * rect.width(),
                       rect.top() + fraction.y() * rect.height());
    };
    QPainterPath path;
    path.moveTo(at(start));
    for (const Curve& curve : curves) {
        // Qt takes the control points first.
        path.cubicTo(at(curve.first), at(curve.second), at(curve.end));
    }
    path.closeSubpath();
    return path;
}

}  // namespace tundle
