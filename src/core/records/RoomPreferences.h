#pragma once

#include <QJsonObject>
#include <optional>

#include "records/WeatherLocation.h"
#include "support/EnumText.h"
#include "support/JsonReader.h"

namespace tundle {

enum class RoomMode { weather, daylight, fixed };
inline constexpr EnumText<RoomMode, 3> roomModeText{{"weather", "daylight", "fixed"}};

enum class RoomWeather { clear, cloudy, rain, storm, snow, fog };
inline constexpr EnumText<RoomWeather, 6> roomWeatherText{
    {"clear", "cloudy", "rain", "storm", "snow", "fog"}};

enum class RoomPhase { day, dusk, night };
inline constexpr EnumText<RoomPhase, 3> roomPhaseText{{"day", "dusk", "night"}};

enum class RoomMotion { standard, light, off };
inline constexpr EnumText<RoomMotion, 3> roomMotionText{{"standard", "light", "off"}};

// The Chinese names the room settings show for each case.
QString title(RoomMode mode);
QString title(RoomWeather weather);
QString title(RoomPhase phase);
QString title(RoomMotion motion);

// How the room behind the pet is to look, and whose weather it follows.
struct RoomPreferences {
    RoomMode mode = RoomMode::daylight;
    RoomWeather fixedWeather = RoomWeather::clear;
    RoomPhase fixedPhase = RoomPhase::day;
    RoomMotion motion = RoomMotion::standard;
    std::optional<WeatherLocation> location = {};
    bool usesDeviceLocation = false;

    bool operator==(const RoomPreferences&) const = default;

    static RoomPreferences fromJson(const JsonObject& json);
    QJsonObject toJson() const;
};

}  // namespace tundle
