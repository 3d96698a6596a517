#include "drawing/BubbleContour.h"

#include "support/Uuid.h"

namespace tundle {

namespace {

// One outline: a start and four cubic segments (control, control, end), in rectangle fractions.
struct ContourShape {
    QPointF start;
    std::array<std::array<QPointF, 3>, 4> curves;
};

const ContourShape& shape(BubbleContour contour) {
    static const std::array<ContourShape, 3> shapes{{
        {{0, 0.5},
         {{{{{0, 1.1}, {0.25, 1.02}, {0.5, 0.91}}},
           {{{0.79, 0.83}, {1, 1.01}, {1, 0.5}}},
           {{{1, -0.09}, {0.74, 0.01}, {0.5, 0.13}}},
           {{{0.23, 0.23}, {0, -0.04}, {0, 0.5}}}}}},
        {{0, 0.5},
         {{{{{0, 1.09}, {0.27, 1.02}, {0.52, 0.96}}},
           {{{0.84, 0.8}, {1, 0.85}, {1, 0.5}}},
           {{{1, 0.12}, {0.76, 0.12}, {0.48, 0.04}}},
           {{{0.18, -0.04}, {0, -0.01}, {0, 0.5}}}}}},
        {{0, 0.42},
         {{{{{0.02, 0.81}, {0.42, 0.97}, {0.7, 0.99}}},
           {{{0.95, 1.04}, {1, 0.8}, {1, 0.5}}},
           {{{1, -0.02}, {0.82, 0.12}, {0.53, 0.08}}},
           {{{0.21, -0.08}, {0, 0.06}, {0, 0.42}}}}}},
    }};
    return shapes[static_cast<size_t>(contour) - 1];
}

}  // namespace

std::optional<BubbleContour> bubbleContour(int raw) {
    if (raw < 0 || raw >= int(allBubbleContours.size())) {
        return std::nullopt;
    }
    return allBubbleContours[raw];
}

BubbleContour stableBubbleContour(const QUuid& id) {
    int h = 0;
    for (const char byte : uuidText(id).toUtf8()) {
        h = (h * 31 + static_cast<unsigned char>(byte)) % 4;
    }
    return allBubbleContours[h];
}

QPainterPath bubbleContourPath(BubbleContour contour, const QRectF& rect) {
    QPainterPath path;
    if (contour == BubbleContour::oval) {
        path.addEllipse(rect);
        return path;
    }
    const auto at = [&rect](QPointF fraction) {
        return QPointF(rect.x() + fraction.x() * rect.width(),
                       rect.y() + fraction.y() * rect.height());
    };
    const ContourShape& outline = shape(contour);
    path.moveTo(at(outline.start));
    for (const auto& curve : outline.curves) {
        path.cubicTo(at(curve[0]), at(curve[1]), at(curve[2]));
    }
    path.closeSubpath();
    return path;
}

}  // namespace tundle
