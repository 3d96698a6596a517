#pragma once

#include <QJsonObject>
#include <optional>

#include "config/PortableShortcut.h"
#include "config/UserConfiguration.h"
#include "support/JsonReader.h"

namespace tundle {

// The sections a share file carries; an absent one is not shared. The device section never
// travels.
struct PortableConfiguration {
    std::optional<CompanionPreferences> preferences = {};
    std::optional<ScheduleConfiguration> schedule = {};
    std::optional<PortableShortcuts> shortcuts = {};

    // The ticked sections of `snapshot`; ticked shortcuts are all of them, even none.
    static PortableConfiguration fromSnapshot(const UserConfiguration& snapshot, bool preferences,
                                              bool schedule, bool shortcuts);

    bool operator==(const PortableConfiguration&) const = default;

    static PortableConfiguration fromJson(const JsonObject& json);
    QJsonObject toJson() const;
};

}  // namespace tundle
