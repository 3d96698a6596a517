#pragma once

#include <QJsonObject>
#include <QString>
#include <QUuid>
#include <map>
#include <optional>
#include <vector>

#include "support/Calendar.h"
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

    // The key of a date override: the day of `date` in the calendar, as "2026-03-05".
    static QString dateKey(const QDateTime& date, const Calendar& calendar);
    static QString dateKey(QDate day);
    // The periods that apply on the day of `date`, as stored: a date override wins over a
    // weekday override, which wins over the default day on its weekdays.
    std::vector<WorkPeriod> periodsOn(const QDateTime& date, const Calendar& calendar) const;
    std::vector<WorkPeriod> periodsOn(QDate day) const;
    // The default day's periods first, then every override list.
    std::vector<WorkPeriod> allPeriods() const;

    static WorkPlan fromJson(const JsonObject& json);
    QJsonObject toJson() const;
};

}  // namespace tundle
