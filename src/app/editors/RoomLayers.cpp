#include "editors/RoomLayers.h"

#include <algorithm>

namespace tundle {

RoomLayers RoomLayers::of(const RoomAtmosphere& atmosphere) {
    const double d = atmosphere.daylight;
    const RoomWeather weather = atmosphere.weather;
    RoomLayers layers;
    layers.sunny = weather == RoomWeather::clear ? d : 0;
    layers.cloudy = weather == RoomWeather::cloudy || weather == RoomWeather::fog ? d : 0;
    layers.rain = weather == RoomWeather::rain ? d : 0;
    layers.storm = weather == RoomWeather::storm ? d : 0;
    layers.snow = weather == RoomWeather::snow ? d : 0;
    layers.night = 1 - d;
    const bool lightSky = weather == RoomWeather::clear || weather == RoomWeather::cloudy;
    layers.nightTint = (1 - d) * (lightSky ? 0.12 : 0.28);
    layers.fogVeil = weather == RoomWeather::fog ? 0.24 : 0;
    layers.duskGlow = atmosphere.phase == RoomPhase::dusk ? 0.12 : 0;
    return layers;
}

RoomLayers RoomLayers::mix(const RoomLayers& from, const RoomLayers& to, double progress) {
    const auto between = [progress](double a, double b) { return a + (b - a) * progress; };
    return RoomLayers{
        .sunny = between(from.sunny, to.sunny),
        .cloudy = between(from.cloudy, to.cloudy),
        .rain = between(from.rain, to.rain),
        .storm = between(from.storm, to.storm),
        .snow = between(from.snow, to.snow),
        .night = between(from.night, to.night),
        .nightTint = between(from.nightTint, to.nightTint),
        .fogVeil = between(from.fogVeil, to.fogVeil),
        .duskGlow = between(from.duskGlow, to.duskGlow),
    };
}

QRectF RoomLayers::cover(const QSizeF& scene, const QSizeF& area) {
    if (scene.isEmpty()) {
        return QRectF(QPointF(), area);
    }
    const double scale = std::max(area.width() / scene.width(), area.height() / scene.height());
    const QSizeF framed = scene * scale;
    return QRectF(
        QPointF((area.width() - framed.width()) / 2, (area.height() - framed.height()) / 2),
        framed);
}

bool RoomLayers::animates(bool roomVisible, RoomMotion motion, bool reduceMotion,
                          bool systemReduceMotion, bool lowPower) {
    return roomVisible && motion != RoomMotion::off && !reduceMotion && !systemReduceMotion &&
           !lowPower;
}

int RoomLayers::frameInterval(RoomMotion motion) {
    return motion == RoomMotion::light ? 1000 / 15 : 1000 / 24;
}

}  // namespace tundle
