#include "config/UserConfiguration.h"

#include "support/JsonWriter.h"

namespace tundle {

CompanionPreferences CompanionPreferences::fromJson(const JsonObject& json) {
    return CompanionPreferences{
        .waterMinutes = json.required(QStringLiteral("waterMinutes")).toInt(),
        .movementMinutes = json.required(QStringLiteral("movementMinutes")).toInt(),
        .waterEnabled = json.required(QStringLiteral("waterEnabled")).toBool(),
        .movementEnabled = json.required(QStringLiteral("movementEnabled")).toBool(),
        .breathingMinutes = json.required(QStringLiteral("breathingMinutes")).toInt(),
        .petScale = json.required(QStringLiteral("petScale")).toDouble(),
        .reduceMotion = json.required(QStringLiteral("reduceMotion")).toBool(),
        .soundEnabled = json.required(QStringLiteral("soundEnabled")).toBool(),
        .petAssetPack = json.required(QStringLiteral("petAssetPack")).toString(),
    };
}

QJsonObject CompanionPreferences::toJson() const {
    return QJsonObject{
        {QStringLiteral("waterMinutes"), waterMinutes},
        {QStringLiteral("movementMinutes"), movementMinutes},
        {QStringLiteral("waterEnabled"), waterEnabled},
        {QStringLiteral("movementEnabled"), movementEnabled},
        {QStringLiteral("breathingMinutes"), breathingMinutes},
        {QStringLiteral("petScale"), petScale},
        {QStringLiteral("reduceMotion"), reduceMotion},
        {QStringLiteral("soundEnabled"), soundEnabled},
        {QStringLiteral("petAssetPack"), petAssetPack},
    };
}

DevicePreferences DevicePreferences::fromJson(const JsonObject& json) {
    return DevicePreferences{
        .petX = json.optional(QStringLiteral("petX"), &JsonValue::toDouble),
        .petY = json.optional(QStringLiteral("petY"), &JsonValue::toDouble),
        .accessoryLayoutV1 = json.required(QStringLiteral("accessoryLayoutV1")).toBool(),
        .accessoriesCollapsed = json.required(QStringLiteral("accessoriesCollapsed")).toBool(),
        .room = json.optional(QStringLiteral("room"), &JsonValue::toRecord<RoomPreferences>),
    };
}

QJsonObject DevicePreferences::toJson() const {
    QJsonObject json{
        {QStringLiteral("accessoryLayoutV1"), accessoryLayoutV1},
        {QStringLiteral("accessoriesCollapsed"), accessoriesCollapsed},
    };
    if (petX) {
        json.insert(QStringLiteral("petX"), *petX);
    }
    if (petY) {
        json.insert(QStringLiteral("petY"), *petY);
    }
    if (room) {
        json.insert(QStringLiteral("room"), room->toJson());
    }
    return json;
}

ScheduleConfiguration ScheduleConfiguration::fromJson(const JsonObject& json) {
    return ScheduleConfiguration{
        .workPlan = json.optional(QStringLiteral("workPlan"), &JsonValue::toRecord<WorkPlan>),
        .legacyTimes = json.required(QStringLiteral("legacyTimes")).toRecords<OffWorkTime>(),
    };
}

QJsonObject ScheduleConfiguration::toJson() const {
    QJsonObject json{{QStringLiteral("legacyTimes"), toJsonArray(legacyTimes)}};
    if (workPlan) {
        json.insert(QStringLiteral("workPlan"), workPlan->toJson());
    }
    return json;
}

UserConfiguration UserConfiguration::fromJson(const JsonObject& json) {
    return UserConfiguration{
        .schemaVersion = json.required(QStringLiteral("schemaVersion")).toInt(),
        .revision = json.required(QStringLiteral("revision")).toUuid(),
        .preferences =
            json.required(QStringLiteral("preferences")).toRecord<CompanionPreferences>(),
        .device = json.required(QStringLiteral("device")).toRecord<DevicePreferences>(),
        .schedule = json.required(QStringLiteral("schedule")).toRecord<ScheduleConfiguration>(),
        .shortcuts = json.required(QStringLiteral("shortcuts")).toRecords<ShortcutItem>(),
        .groups = json.required(QStringLiteral("groups")).toRecords<ShortcutGroup>(),
    };
}

QJsonObject UserConfiguration::toJson() const {
    return QJsonObject{
        {QStringLiteral("schemaVersion"), schemaVersion},
        {QStringLiteral("revision"), uuidText(revision)},
        {QStringLiteral("preferences"), preferences.toJson()},
        {QStringLiteral("device"), device.toJson()},
        {QStringLiteral("schedule"), schedule.toJson()},
        {QStringLiteral("shortcuts"), toJsonArray(shortcuts)},
        {QStringLiteral("groups"), toJsonArray(groups)},
    };
}

}  // namespace tundle
