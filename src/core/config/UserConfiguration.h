#pragma once

#include <QJsonObject>
#include <QString>
#include <QUuid>
#include <optional>
#include <vector>

#include "records/OffWorkTime.h"
#include "records/RoomPreferences.h"
#include "records/ShortcutItem.h"
#include "records/WorkPlan.h"
#include "support/JsonReader.h"
#include "support/Uuid.h"

namespace tundle {

// The user's preferences; they travel in share files.
struct CompanionPreferences {
    int waterMinutes = 45;
    int movementMinutes = 60;
    bool waterEnabled = true;
    bool movementEnabled = true;
    int breathingMinutes = 3;
    double petScale = 1.0;
    bool reduceMotion = false;
    bool soundEnabled = true;
    QString petAssetPack = QStringLiteral("H3");

    bool operator==(const CompanionPreferences&) const = default;

    static CompanionPreferences fromJson(const JsonObject& json);
    QJsonObject toJson() const;
};

// Settings of this machine; never shared.
struct DevicePreferences {
    std::optional<double> petX = {};
    std::optional<double> petY = {};
    // Set once the shell has made its one-time shift of the pet for the accessory layout.
    bool accessoryLayoutV1 = false;
    bool accessoriesCollapsed = false;
    // Absent means the room defaults.
    std::optional<RoomPreferences> room = {};

    bool operator==(const DevicePreferences&) const = default;

    static DevicePreferences fromJson(const JsonObject& json);
    QJsonObject toJson() const;
};

struct ScheduleConfiguration {
    // Absent until the user sets up a plan.
    std::optional<WorkPlan> workPlan = {};
    std::vector<OffWorkTime> legacyTimes = {};

    bool operator==(const ScheduleConfiguration&) const = default;

    static ScheduleConfiguration fromJson(const JsonObject& json);
    QJsonObject toJson() const;
};

// Everything the user sets, as one value.
struct UserConfiguration {
    static constexpr int currentSchemaVersion = 1;

    int schemaVersion = currentSchemaVersion;
    // Renewed on every save, so a second running copy can tell its state is stale.
    QUuid revision = newUuid();
    CompanionPreferences preferences = {};
    DevicePreferences device = {};
    ScheduleConfiguration schedule = {};
    std::vector<ShortcutItem> shortcuts = {};
    std::vector<ShortcutGroup> groups = {};

    bool operator==(const UserConfiguration&) const = default;

    static UserConfiguration fromJson(const JsonObject& json);
    QJsonObject toJson() const;
};

}  // namespace tundle
