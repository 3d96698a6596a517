#include "records/WorkPlan.h"

#include <QJsonArray>
#include <algorithm>

#include "support/JsonWriter.h"

namespace tundle {

namespace {

WorkPeriodTable readTable(const JsonValue& value) {
    const JsonObject object = value.toObject();
    WorkPeriodTable table;
    for (const QString& key : object.keys()) {
        table.emplace(key, object.required(key).toRecords<WorkPeriod>());
    }
    return table;
}

QJsonObject writeTable(const WorkPeriodTable& table) {
    QJsonObject object;
    for (const auto& [key, periods] : table) {
        object.insert(key, toJsonArray(periods));
    }
    return object;
}

}  // namespace

WorkPeriod WorkPeriod::fromJson(const JsonObject& json) {
    return WorkPeriod{
        .id = json.required(QStringLiteral("id")).toUuid(),
        .start = json.required(QStringLiteral("start")).toInt(),
        .end = json.required(QStringLiteral("end")).toInt(),
        .enabled = json.required(QStringLiteral("enabled")).toBool(),
    };
}

QJsonObject WorkPeriod::toJson() const {
    return QJsonObject{
        {QStringLiteral("id"), uuidText(id)},
        {QStringLiteral("start"), start},
        {QStringLiteral("end"), end},
        {QStringLiteral("enabled"), enabled},
    };
}

QString WorkPlan::dateKey(const QDateTime& date, const Calendar& calendar) {
    return dateKey(calendar.date(date));
}

QString WorkPlan::dateKey(QDate day) {
    return QString::asprintf("%04d-%02d-%02d", day.year(), day.month(), day.day());
}

std::vector<WorkPeriod> WorkPlan::periodsOn(const QDateTime& date, const Calendar& calendar) const {
    return periodsOn(calendar.date(date));
}

std::vector<WorkPeriod> WorkPlan::periodsOn(QDate day) const {
    if (dateOverrides) {
        if (const auto entry = dateOverrides->find(dateKey(day)); entry != dateOverrides->end()) {
            return entry->second;
        }
    }
    const int weekday = day.isValid() ? Calendar::weekdayFromQt(day.dayOfWeek()) : 0;
    if (weeklyOverrides) {
        if (const auto entry = weeklyOverrides->find(QString::number(weekday));
            entry != weeklyOverrides->end()) {
            return entry->second;
        }
    }
    if (weekday > 0 && std::find(weekdays.begin(), weekdays.end(), weekday) != weekdays.end()) {
        return periods;
    }
    return {};
}

std::vector<WorkPeriod> WorkPlan::allPeriods() const {
    std::vector<WorkPeriod> all = periods;
    for (const auto* table : {&weeklyOverrides, &dateOverrides}) {
        if (*table) {
            for (const auto& [key, list] : **table) {
                all.insert(all.end(), list.begin(), list.end());
            }
        }
    }
    return all;
}

WorkPlan WorkPlan::fromJson(const JsonObject& json) {
    return WorkPlan{
        .periods = json.required(QStringLiteral("periods")).toRecords<WorkPeriod>(),
        .weekdays = json.required(QStringLiteral("weekdays")).toArray(&JsonValue::toInt),
        .weeklyOverrides = json.optional(QStringLiteral("weeklyOverrides"), readTable),
        .dateOverrides = json.optional(QStringLiteral("dateOverrides"), readTable),
    };
}

QJsonObject WorkPlan::toJson() const {
    QJsonArray days;
    for (const int day : weekdays) {
        days.append(day);
    }
    QJsonObject json{
        {QStringLiteral("periods"), toJsonArray(periods)},
        {QStringLiteral("weekdays"), days},
    };
    if (weeklyOverrides) {
        json.insert(QStringLiteral("weeklyOverrides"), writeTable(*weeklyOverrides));
    }
    if (dateOverrides) {
        json.insert(QStringLiteral("dateOverrides"), writeTable(*dateOverrides));
    }
    return json;
}

}  // namespace tundle
