#include "records/RoomPreferences.h"

namespace tundle {

namespace {

template <std::size_t N, typename E>
QString pick(const char* const (&titles)[N], E value) {
    return QString::fromUtf8(titles[static_cast<std::size_t>(value)]);
}

}  // namespace

QString title(RoomMode mode) {
    static constexpr const char* titles[] = {"跟随天气与昼夜", "仅跟随昼夜", "固定氛围"};
    return pick(titles, mode);
}

QString title(RoomWeather weather) {
    static constexpr const char* titles[] = {"晴天", "阴天", "雨天", "雷雨天", "雪天", "雾天"};
    return pick(titles, weather);
}

QString title(RoomPhase phase) {
    static constexpr const char* titles[] = {"白天", "黄昏", "夜晚"};
    return pick(titles, phase);
}

QString title(RoomMotion motion) {
    static constexpr const char* titles[] = {"标准", "轻量", "关闭"};
    return pick(titles, motion);
}

RoomPreferences RoomPreferences::fromJson(const JsonObject& json) {
    return RoomPreferences{
        .mode = json.required(QStringLiteral("mode")).toEnum(roomModeText),
        .fixedWeather = json.required(QStringLiteral("fixedWeather")).toEnum(roomWeatherText),
        .fixedPhase = json.required(QStringLiteral("fixedPhase")).toEnum(roomPhaseText),
        .motion = json.required(QStringLiteral("motion")).toEnum(roomMotionText),
        .location =
            json.optional(QStringLiteral("location"), &JsonValue::toRecord<WeatherLocation>),
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
