#include "records/RoomPreferences.h"

namespace tundle {

RoomPreferences RoomPreferences::fromJson(const JsonObject& json) {
    return RoomPreferences{
        .mode = json.required(QStringLiteral("mode")).toEnum(roomModeText),
        .fixedWeather = json.required(QStringLiteral("fixedWeather")).toEnum(roomWeatherText),
        .fixedPhase = json.required(QStringLiteral("fixedPhase")).toEnum(roomPhaseText),
        .motion = json.required(QStringLiteral("motion")).toEnum(roomMotionText),
        .location = json.optional(QStringLiteral("location"), &JsonValue::toRecord<WeatherLocation>),
        .usesDeviceLocation = json.required(QStringLiteral("usesDeviceLocation")).toBool(),
    };
}

QJsonObject RoomPreferences::toJson() const {
    QJsonObject json{
        {QStringLiteral("mode"), roomModeText.raw(mode)},
        {QStringLiteral("fixedWeather"), roomWeatherText.raw(fixedWeather)},
        {QStringLiteral("fixedPhase"), roomPhaseText.raw(fixedPhase)},
        {QStringLiteral("motion"), roomMotionText.raw(motion)},
        {QStringLiteral("usesDeviceLocation"), usesDeviceLocation},
    };
    if (location) {
        json.insert(QStringLiteral("location"), location->toJson());
    }
    return json;
}

}  // namespace tundle
