#pragma once

#include <QLineF>
#include <QRectF>
#include <QSizeF>
#include <optional>
#include <vector>

#include "records/RoomPreferences.h"
#include "room/RoomAtmosphere.h"

class QPainter;

namespace tundle {

// The moving top layer of the room backdrop: rain and storm streaks, snow flakes, the storm's
// flash, the sun's glow and the stars at night. Everything is a closed formula of the
// atmosphere, a time in seconds and the light setting, so one instant always draws one picture.
class WeatherEffects {
public:
    WeatherEffects() = delete;

    static constexpr double flashPeriod = 7.3;
    static constexpr double glowRadius = 190;

    struct Star {
        QRectF rect;
        double opacity = 0;
    };

    // White over the room during a storm's flash: strong, then weaker, then none.
    static double flashOpacity(double time);
    // The sun glow's yellow at its centre, on clear days with more than half the daylight.
    static std::optional<double> glowOpacity(const RoomAtmosphere& atmosphere, double time);
    static bool showsStars(const RoomAtmosphere& atmosphere);
    static std::vector<Star> stars(const QSizeF& size, double time, bool light);

    // Rain, storm and snow fall; nothing else does.
    static bool falls(RoomWeather weather);
    static int particleCount(double intensity, bool light);
    // Rain and storm: one streak per particle, from its head down-left.
    static std::vector<QLineF> streaks(RoomWeather weather, double intensity, double time,
                                       bool light, const QSizeF& size, const QRectF& area);
    // Snow: one flake per particle.
    static std::vector<QRectF> flakes(double intensity, double time, bool light, const QSizeF& size,
                                      const QRectF& area);

    // Draws all of it over a canvas of `size` at `opacity`.
    static void draw(QPainter& painter, const QSizeF& size, const RoomAtmosphere& atmosphere,
                     double time, bool light, double opacity = 1);

private:
    static double speed(RoomWeather weather);
    // Where particle `index` falls at `phase`, before the streak or flake shape.
    static QPointF particle(int index, double phase, const QSizeF& size, const QRectF& area);
};

}  // namespace tundle
