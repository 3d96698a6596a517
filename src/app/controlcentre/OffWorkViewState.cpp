#include "controlcentre/OffWorkViewState.h"

#include <QStringList>

#include "companion/OffWorkSchedule.h"
#include "companion/WorkSchedule.h"

namespace tundle {

namespace {

const QString untilOffWork = QStringLiteral("距离下班还有 ");

}  // namespace

OffWorkViewState OffWorkViewState::evaluate(const QDateTime& now,
                                            const ScheduleConfiguration& schedule,
                                            const Calendar& calendar) {
    const WorkPlan fallback = schedule.workPlan ? WorkPlan() : defaultPlan();
    const WorkPlan& plan = schedule.workPlan ? *schedule.workPlan : fallback;
    const WorkStatus status = WorkSchedule::status(now, plan, calendar);
    OffWorkViewState state;
    switch (status.kind()) {
        case WorkStatus::Kind::resting:
            state.form = Form::resting;
            state.rest = status.rest();
            state.restLine = WorkSchedule::message(status.rest(), now, calendar);
            return state;
        case WorkStatus::Kind::working:
            state.headline = untilOffWork + OffWorkSchedule::remaining(status.until(), now);
            state.caption = clockTime(status.until(), calendar) + QStringLiteral(" 下班");
            return state;
        case WorkStatus::Kind::unconfigured:
            break;
    }
    if (needsMigration(schedule)) {
        if (const auto next = OffWorkSchedule::next(now, schedule.legacyTimes, calendar)) {
            state.headline = untilOffWork + OffWorkSchedule::remaining(*next, now);
            state.headlinePoints = 14;
            state.caption = QStringLiteral("补充上班时间，开启休息陪伴");
            return state;
        }
    }
    state.headline = QStringLiteral("设置工作时段");
    return state;
}

WorkPlan OffWorkViewState::defaultPlan() {
    return WorkPlan{.weekdays = {2, 3, 4, 5, 6}};
}

bool OffWorkViewState::needsMigration(const ScheduleConfiguration& schedule) {
    return !schedule.workPlan && !schedule.legacyTimes.empty();
}

std::optional<QString> OffWorkViewState::legacyNotice(const ScheduleConfiguration& schedule) {
    if (!needsMigration(schedule)) {
        return std::nullopt;
    }
    QStringList times;
    for (const OffWorkTime& time : schedule.legacyTimes) {
        times << QStringLiteral("%1:%2")
                     .arg(time.hour, 2, 10, QLatin1Char('0'))
                     .arg(time.minute, 2, 10, QLatin1Char('0'));
    }
    return QStringLiteral("原下班时间：") + times.join(QStringLiteral("、"));
}

QString OffWorkViewState::clockTime(const QDateTime& instant, const Calendar& calendar) {
    return instant.toTimeZone(calendar.timeZone()).toString(QStringLiteral("HH:mm"));
}

}  // namespace tundle
