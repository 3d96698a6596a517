#pragma once

#include <QJsonObject>
#include <QString>
#include <QUuid>
#include <map>
#include <optional>
#include <vector>

#include "support/JsonReader.h"
#include "support/Uuid.h"

namespace tundle {

// A stretch of working time in minutes after midnight; an end below the start runs past
// midnight into the next day.
struct WorkPeriod {
    QUuid id = newUuid();
    int start = 0;
    int end = 0;
    bool enabled = true;

    bool operator==(const WorkPeriod&) const = default;

    static WorkPeriod fromJson(const JsonObject& json);
    QJsonObject toJson() const;
};

// Periods keyed by a weekday number ("1" = Sunday … "7" = Saturday) or a date ("2026-03-05").
using WorkPeriodTable = std::map<QString, std::vector<WorkPeriod>>;

struct WorkPlan {
    std::vector<WorkPeriod> periods = {};
    std::vector<int> weekdays = {};
    std::optional<WorkPeriodTable> weeklyOverrides = {};
    std::optional<WorkPeriodTable> dateOverrides = {};

    bool operator==(const WorkPlan&) const = default;

    static WorkPlan fromJson(const JsonObject& json);
    QJsonObject toJson() const;
};

}  // namespace tundle
