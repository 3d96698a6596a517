#pragma once

#include <QPainterPath>
#include <QRectF>

namespace tundle {

// The rounded, slightly irregular outline of the breathing card, given only by fractions of
// its rectangle, so it keeps its shape at every panel scale.
class BreathingPebble {
public:
    BreathingPebble() = delete;

    static QPainterPath path(const QRectF& rect);
};

}  // namespace tundle
