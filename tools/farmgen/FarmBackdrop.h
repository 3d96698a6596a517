#pragma once

#include <QImage>

#include "records/RoomPreferences.h"

namespace tundle {

// The farm field as the room scene shows it, 768 × 1024 pixels: sky, hills, a little barn,
// the fence and the nine soil patches where the plots lie.
class FarmBackdrop {
public:
    static constexpr int width = 768;
    static constexpr int height = 1024;

    enum class Light { neutral, day, night };

    static QImage paint(RoomWeather weather, Light light);
};

}  // namespace tundle
