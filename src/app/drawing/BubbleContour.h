#pragma once

#include <QPainterPath>
#include <QRectF>
#include <QUuid>
#include <array>
#include <optional>

namespace tundle {

// The organic outlines a shortcut bubble may take; each id keeps its own for good.
enum class BubbleContour { oval = 0, bean = 1, drop = 2, pebble = 3 };

inline constexpr std::array<BubbleContour, 4> allBubbleContours = {
    BubbleContour::oval, BubbleContour::bean, BubbleContour::drop, BubbleContour::pebble};

// The case of a raw value 0…3; nothing for any other.
std::optional<BubbleContour> bubbleContour(int raw);
// Hashes the id's upper-case text, so the same id always gets the same outline.
BubbleContour stableBubbleContour(const QUuid& id);
// The closed outline in `rect`, in bottom-up points; control points may leave the rectangle.
QPainterPath bubbleContourPath(BubbleContour contour, const QRectF& rect);

}  // namespace tundle
