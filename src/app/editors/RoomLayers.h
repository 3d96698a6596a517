#pragma once

#include <QRectF>
#include <QSizeF>

#include "records/RoomPreferences.h"
#include "room/RoomAtmosphere.h"

namespace tundle {

// How strongly each still layer of the room backdrop shows for one atmosphere, back to front
// above the base picture (which always shows in full).
struct RoomLayers {
    double sunny = 0;
    double cloudy = 0;
    double rain = 0;
    double storm = 0;
    double snow = 0;
    double night = 0;
    double nightTint = 0;
    double fogVeil = 0;
    double duskGlow = 0;

    bool operator==(const RoomLayers&) const = default;

    // The weather's picture follows the daylight and the night picture its absence; rain, storm,
    // snow and fog darken the night more than a clear or cloudy sky.
    static RoomLayers of(const RoomAtmosphere& atmosphere);
    // `from` at progress 0, `to` at 1, every layer linearly between.
    static RoomLayers mix(const RoomLayers& from, const RoomLayers& to, double progress);

    // The scene's rectangle covering `area` (the overflow is clipped), centred in it.
    static QRectF cover(const QSizeF& scene, const QSizeF& area);
    // The effects move only while some room view is on screen and nothing asks for stillness.
    static bool animates(bool roomVisible, RoomMotion motion, bool reduceMotion,
                         bool systemReduceMotion, bool lowPower);
    // Milliseconds between effect frames: 15 a second in the light setting, else 24.
    static int frameInterval(RoomMotion motion);
};

}  // namespace tundle
