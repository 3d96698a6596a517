#include "editors/WorkPlanEditorState.h"

#include <algorithm>

namespace tundle {

namespace {

constexpr int newPeriodStart = 540;
constexpr int newPeriodEnd = 1080;

bool contains(const std::vector<int>& days, int weekday) {
    return std::find(days.begin(), days.end(), weekday) != days.end();
}

bool hasKey(const std::optional<WorkPeriodTable>& table, const QString& key) {
    return table && table->contains(key);
}

// The place of a row's period in the list, or -1 when the list no longer holds it.
int locate(const std::vector<WorkPeriod>& periods, int row, const QUuid& id) {
    if (row >= 0 && row < static_cast<int>(periods.size()) && periods[row].id == id) {
        return row;
    }
    const auto found = std::find_if(periods.begin(), periods.end(),
                                    [&](const WorkPeriod& period) { return period.id == id; });
    return found == periods.end() ? -1 : static_cast<int>(found - periods.begin());
}

}  // namespace

QTime clockTime(int minutes) {
    return QTime(minutes / 60, minutes % 60);
}

int minutesOf(QTime time) {
    return time.isValid() ? time.hour() * 60 + time.minute() : 0;
}

bool runsPastMidnight(const WorkPeriod& period) {
    return period.end < period.start;
}

WorkPlanEditorState::WorkPlanEditorState(WorkPlan plan, QDate today)
    : plan_(std::move(plan)), date_(today), through_(today) {}

void WorkPlanEditorState::setMode(WorkPlanMode mode) {
    mode_ = mode;
    feedback_.clear();
}

void WorkPlanEditorState::setWeekday(int weekday) {
    weekday_ = weekday;
}

void WorkPlanEditorState::setDate(QDate date) {
    if (!date.isValid()) {
        return;
    }
    date_ = date;
    through_ = std::max(through_, date_);
    feedback_.clear();
}

void WorkPlanEditorState::setThrough(QDate through) {
    if (through.isValid()) {
        through_ = std::max(through, date_);
    }
}

std::vector<WorkPeriod> WorkPlanEditorState::selected() const {
    switch (mode_) {
        case WorkPlanMode::defaultSchedule:
            return plan_.periods;
        case WorkPlanMode::weekly:
            if (plan_.weeklyOverrides) {
                if (const auto entry = plan_.weeklyOverrides->find(QString::number(weekday_));
                    entry != plan_.weeklyOverrides->end()) {
                    return entry->second;
                }
            }
            return contains(plan_.weekdays, weekday_) ? plan_.periods : std::vector<WorkPeriod>{};
        case WorkPlanMode::singleDate:
            return plan_.periodsOn(date_);
    }
    return {};
}

void WorkPlanEditorState::setSelected(std::vector<WorkPeriod> periods) {
    switch (mode_) {
        case WorkPlanMode::defaultSchedule:
            plan_.periods = std::move(periods);
            return;
        case WorkPlanMode::weekly:
            if (!plan_.weeklyOverrides) {
                plan_.weeklyOverrides.emplace();
            }
            (*plan_.weeklyOverrides)[QString::number(weekday_)] = std::move(periods);
            return;
        case WorkPlanMode::singleDate:
            if (!plan_.dateOverrides) {
                plan_.dateOverrides.emplace();
            }
            (*plan_.dateOverrides)[WorkPlan::dateKey(date_)] = std::move(periods);
            return;
    }
}

bool WorkPlanEditorState::overridden() const {
    if (mode_ == WorkPlanMode::weekly) {
        return hasKey(plan_.weeklyOverrides, QString::number(weekday_));
    }
    return hasKey(plan_.dateOverrides, WorkPlan::dateKey(date_));
}

bool WorkPlanEditorState::canRestoreInherited() const {
    return mode_ != WorkPlanMode::defaultSchedule && overridden();
}

bool WorkPlanEditorState::canSave() const {
    const auto equalEnds = [](const std::vector<WorkPeriod>& periods) {
        return std::any_of(periods.begin(), periods.end(),
                           [](const WorkPeriod& period) { return period.start == period.end; });
    };
    const auto tableHasEqualEnds = [&](const std::optional<WorkPeriodTable>& table) {
        return table && std::any_of(table->begin(), table->end(),
                                    [&](const auto& entry) { return equalEnds(entry.second); });
    };
    return !equalEnds(plan_.periods) && !tableHasEqualEnds(plan_.weeklyOverrides) &&
           !tableHasEqualEnds(plan_.dateOverrides);
}

void WorkPlanEditorState::toggleWorkingWeekday(int weekday) {
    auto& days = plan_.weekdays;
    if (contains(days, weekday)) {
        std::erase(days, weekday);
    } else {
        days.push_back(weekday);
    }
}

void WorkPlanEditorState::makeDayOff() {
    setSelected({});
}

void WorkPlanEditorState::addPeriod() {
    std::vector<WorkPeriod> periods = selected();
    periods.push_back(WorkPeriod{.start = newPeriodStart, .end = newPeriodEnd, .enabled = true});
    setSelected(std::move(periods));
}

void WorkPlanEditorState::restoreInherited() {
    if (mode_ == WorkPlanMode::weekly && plan_.weeklyOverrides) {
        plan_.weeklyOverrides->erase(QString::number(weekday_));
    } else if (mode_ == WorkPlanMode::singleDate) {
        restoreDate(WorkPlan::dateKey(date_));
    }
}

void WorkPlanEditorState::removePeriod(int row, const QUuid& id) {
    std::vector<WorkPeriod> periods = selected();
    if (row >= 0 && row < static_cast<int>(periods.size()) && periods[row].id == id) {
        periods.erase(periods.begin() + row);
    } else if (std::erase_if(periods, [&](const WorkPeriod& period) { return period.id == id; }) ==
               0) {
        return;
    }
    setSelected(std::move(periods));
}

template <typename Edit>
void WorkPlanEditorState::editPeriod(int row, const QUuid& id, Edit edit) {
    std::vector<WorkPeriod> periods = selected();
    const int place = locate(periods, row, id);
    if (place < 0) {
        return;
    }
    edit(periods[place]);
    setSelected(std::move(periods));
}

void WorkPlanEditorState::setEnabled(int row, const QUuid& id, bool enabled) {
    editPeriod(row, id, [&](WorkPeriod& period) { period.enabled = enabled; });
}

void WorkPlanEditorState::setStart(int row, const QUuid& id, int minutes) {
    editPeriod(row, id, [&](WorkPeriod& period) { period.start = minutes; });
}

void WorkPlanEditorState::setEnd(int row, const QUuid& id, int minutes) {
    editPeriod(row, id, [&](WorkPeriod& period) { period.end = minutes; });
}

void WorkPlanEditorState::applyRange() {
    const qint64 days = date_.isValid() && through_.isValid() ? date_.daysTo(through_) : -1;
    if (days < 0 || days >= maximumRangeDays) {
        feedback_ = QStringLiteral("请选择365天以内的日期范围。");
        return;
    }
    // Taken once: later edits of the chosen date leave the rest of the range alone.
    const std::vector<WorkPeriod> periods = selected();
    if (!plan_.dateOverrides) {
        plan_.dateOverrides.emplace();
    }
    for (qint64 day = 0; day <= days; ++day) {
        plan_.dateOverrides->insert_or_assign(WorkPlan::dateKey(date_.addDays(day)), periods);
    }
    feedback_ = QStringLiteral("已应用到 %1 天，点击保存生效。").arg(days + 1);
}

void WorkPlanEditorState::restoreDate(const QString& key) {
    if (plan_.dateOverrides) {
        plan_.dateOverrides->erase(key);
    }
}

QString WorkPlanEditorState::selectorNote() const {
    switch (mode_) {
        case WorkPlanMode::defaultSchedule:
            return QStringLiteral("没有单独安排的日子，使用这套作息。");
        case WorkPlanMode::weekly:
            return overridden() ? QStringLiteral("这一天使用单独的每周安排。")
                                : QStringLiteral("目前沿用默认作息，修改后只影响这一星期几。");
        case WorkPlanMode::singleDate:
            return overridden() ? QStringLiteral("这一天已单独安排，优先于每周和默认作息。")
                                : QStringLiteral("目前沿用每周安排，修改后只影响这个日期。");
    }
    return {};
}

QString WorkPlanEditorState::listHeading() const {
    return selected().empty() ? QStringLiteral("休息，不安排新班次")
                              : QStringLiteral("当天开始的班次");
}

QString WorkPlanEditorState::dateListTitle() const {
    const std::size_t count = plan_.dateOverrides ? plan_.dateOverrides->size() : 0;
    return QStringLiteral("已单独安排的日期（%1）").arg(count);
}

std::vector<DateOverrideRow> WorkPlanEditorState::dateOverrideRows() const {
    std::vector<DateOverrideRow> rows;
    if (plan_.dateOverrides) {
        rows.reserve(plan_.dateOverrides->size());
        // The table is ordered by key, which for these keys is date order.
        for (const auto& [key, periods] : *plan_.dateOverrides) {
            rows.push_back(
                {key, periods.empty() ? QStringLiteral("休息") : QStringLiteral("单独班次")});
        }
    }
    return rows;
}

QString legacyNoticeLine(const QString& notice) {
    return notice + QStringLiteral("。补齐上班时间后保存。");
}

QString weekdayAccessibleName(const WeekdayLabel& day) {
    return QStringLiteral("星期") + day.label.toString();
}

QString weekdaySegmentTitle(const WeekdayLabel& day) {
    return QStringLiteral("周") + day.label.toString();
}

}  // namespace tundle
