#pragma once

#include <QPointF>
#include <QRectF>
#include <optional>
#include <vector>

#include "records/RoomPreferences.h"

class QPainter;

namespace tundle {

class YUpSpace;

// The falling rain or snow over the farm and the storm's flicker, worked out from the clock
// alone so the same instant always draws the same picture.
class FarmWeather {
public:
    FarmWeather() = delete;

    static constexpr double flashPeriod = 7.3;

    // How many particles fall: none with reduced motion, motion off, or weather that does not
    // fall.
    static int particleCount(RoomWeather weather, RoomMotion motion, bool reduceMotion);
    // Where the particles are at `seconds` since 2001-01-01, top-left of each flake or the
    // upper end of each raindrop.
    static std::vector<QPointF> particles(const QRectF& scene, RoomWeather weather, int count,
                                          double seconds);
    // The white over the whole panel during a storm's flicker; none between flashes.
    static std::optional<double> flashAlpha(RoomWeather weather, double seconds);

    static void draw(QPainter& painter, const YUpSpace& space, const QRectF& scene,
                     RoomWeather weather, RoomMotion motion, bool reduceMotion, double seconds);
};

}  // namespace tundle
