#include "config/PortableConfiguration.h"

namespace tundle {

PortableConfiguration PortableConfiguration::fromSnapshot(const UserConfiguration& snapshot,
                                                          bool preferences, bool schedule,
                                                          bool shortcuts) {
    PortableConfiguration portable;
    if (preferences) {
        portable.preferences = snapshot.preferences;
    }
    if (schedule) {
        portable.schedule = snapshot.schedule;
    }
    if (shortcuts) {
        PortableShortcuts shared{.groups = snapshot.groups};
        shared.items.reserve(snapshot.shortcuts.size());
        for (const ShortcutItem& item : snapshot.shortcuts) {
            shared.items.push_back(PortableShortcut::fromItem(item));
        }
        portable.shortcuts = std::move(shared);
    }
    return portable;
}

PortableConfiguration PortableConfiguration::fromJson(const JsonObject& json) {
    return PortableConfiguration{
        .preferences = json.optional(QStringLiteral("preferences"),
                                     &JsonValue::toRecord<CompanionPreferences>),
        .schedule =
            json.optional(QStringLiteral("schedule"), &JsonValue::toRecord<ScheduleConfiguration>),
        .shortcuts =
            json.optional(QStringLiteral("shortcuts"), &JsonValue::toRecord<PortableShortcuts>),
    };
}

QJsonObject PortableConfiguration::toJson() const {
    QJsonObject json;
    if (preferences) {
        json.insert(QStringLiteral("preferences"), preferences->toJson());
    }
    if (schedule) {
        json.insert(QStringLiteral("schedule"), schedule->toJson());
    }
    if (shortcuts) {
        json.insert(QStringLiteral("shortcuts"), shortcuts->toJson());
    }
    return json;
}

}  // namespace tundle
