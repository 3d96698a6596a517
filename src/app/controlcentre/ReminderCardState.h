#pragma once

#include <QString>
#include <vector>

#include "companion/ReminderService.h"

namespace tundle {

// What one reminder card shows, read from the reminder service at one moment.
struct ReminderCardState {
    bool enabled = false;
    // "呼吸中" while a breathing exercise holds reminders, else the service's remaining text.
    QString countdown;
    // "后提醒" follows a running countdown only.
    bool showsCaption = false;
    // "完成" for a reminder that fired and waits, "试一下" otherwise.
    QString actionTitle;
    bool actionEnabled = false;
    bool completes = false;
    int minutes = 0;
    std::vector<int> intervalOptions;

    bool operator==(const ReminderCardState&) const = default;

    static ReminderCardState read(const ReminderService& service, ReminderKind kind);
    // The usual intervals plus the current one, ascending, without duplicates.
    static std::vector<int> intervalOptionsFor(int current);
};

}  // namespace tundle
