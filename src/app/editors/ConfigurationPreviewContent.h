#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "config/UserConfiguration.h"

namespace tundle {

struct ConfigurationPackage;

// What the preview of a backup or share file lists, read from the package alone: a backup
// shows the whole configuration with its stored targets, a share file the sections it carries
// with its shortcuts as they would arrive here (local kinds without a target).
struct ConfigurationPreviewContent {
    std::optional<CompanionPreferences> preferences;
    std::optional<ScheduleConfiguration> schedule;
    std::vector<ShortcutGroup> groups;
    std::vector<ShortcutItem> items;

    static ConfigurationPreviewContent of(const ConfigurationPackage& package);

    // The lines under the heading "陪伴偏好".
    static QStringList preferenceLines(const CompanionPreferences& preferences);
    // The default days, the weekly and dated overrides in key order, then the older off-work
    // times, one per line.
    static QString scheduleText(const ScheduleConfiguration& schedule);
    // The enabled periods as "09:00–18:00、22:00–06:00（次日）", or "休息" without any.
    static QString periods(const std::vector<WorkPeriod>& periods);
    // "分组：" and the names in order.
    static QString groupsLine(const std::vector<ShortcutGroup>& groups);
    // The name with the kind word.
    static QString itemTitle(const ShortcutItem& item);
    // The stored target, or a request to choose one again on this machine.
    static QString itemTarget(const ShortcutItem& item);
};

}  // namespace tundle
