#include "companion/WorkSchedule.h"

#include <gtest/gtest.h>

#include <QSet>
#include <QStringList>

namespace tundle {
namespace {

QDateTime utc(int year, int month, int day, int hour, int minute = 0) {
    return QDateTime(QDate(year, month, day), QTime(hour, minute), Qt::UTC);
}

// Wall-clock times that exist exactly once, converted by Qt itself.
QDateTime local(const Calendar& calendar, int month, int day, int hour, int minute = 0) {
    return QDateTime(QDate(2026, month, day), QTime(hour, minute), calendar.timeZone()).toUTC();
}

WorkPeriod period(int start, int end) {
    return WorkPeriod{.start = start, .end = end};
}

WorkPlan weekdayPlan(std::vector<WorkPeriod> periods) {
    WorkPlan plan;
    plan.periods = std::move(periods);
    plan.weekdays = {2, 3, 4, 5, 6};
    return plan;
}

const Calendar shanghai(QTimeZone("Asia/Shanghai"));
const Calendar berlin(QTimeZone("Europe/Berlin"));
const Calendar newYork(QTimeZone("America/New_York"));

const WorkStatus morning = WorkStatus::resting(RestKind::morning);
const WorkStatus midday = WorkStatus::resting(RestKind::midday);
const WorkStatus evening = WorkStatus::resting(RestKind::evening);
const WorkStatus holiday = WorkStatus::resting(RestKind::holiday);

TEST(WorkSchedule, FollowsAWorkingDayWithALunchBreak) {
    const WorkPlan plan = weekdayPlan({period(540, 720), period(810, 1080)});
    const auto at = [&](int day, int hour, int minute = 0) {
        return WorkSchedule::status(local(shanghai, 3, day, hour, minute), plan, shanghai);
    };
    // Monday 2 March 2026.
    EXPECT_EQ(at(2, 8), morning);
    EXPECT_EQ(at(2, 9), WorkStatus::working(local(shanghai, 3, 2, 12)));
    EXPECT_EQ(at(2, 10), WorkStatus::working(local(shanghai, 3, 2, 12)));
    EXPECT_EQ(at(2, 12), midday);
    EXPECT_EQ(at(2, 12, 30), midday);
    EXPECT_EQ(at(2, 17, 59), WorkStatus::working(local(shanghai, 3, 2, 18)));
    EXPECT_EQ(at(2, 18), evening);
    EXPECT_EQ(at(2, 19), evening);
    EXPECT_EQ(at(7, 10), holiday);
    EXPECT_NE(at(2, 10), WorkStatus::working(local(shanghai, 3, 2, 18)));
}

TEST(WorkSchedule, TouchingAndOvernightPeriodsMergeIntoOneStretch) {
    const WorkPlan touching = weekdayPlan({period(540, 720), period(720, 1080)});
    EXPECT_EQ(WorkSchedule::status(local(newYork, 3, 2, 11), touching, newYork),
              WorkStatus::working(local(newYork, 3, 2, 18)));

    WorkPlan overnight = weekdayPlan({period(1320, 360)});
    EXPECT_EQ(WorkSchedule::status(local(berlin, 3, 3, 3), overnight, berlin),
              WorkStatus::working(local(berlin, 3, 3, 6)));
    // Monday's period ended this morning and Tuesday's starts tonight.
    EXPECT_EQ(WorkSchedule::status(local(berlin, 3, 3, 10), overnight, berlin), midday);
    // Friday's period runs into Saturday, a day off.
    EXPECT_EQ(WorkSchedule::status(local(berlin, 3, 7, 5), overnight, berlin),
              WorkStatus::working(local(berlin, 3, 7, 6)));
    EXPECT_EQ(WorkSchedule::status(local(berlin, 3, 7, 10), overnight, berlin), evening);

    overnight.dateOverrides = WorkPeriodTable{{"2026-03-03", {period(360, 540)}}};
    EXPECT_EQ(WorkSchedule::status(local(berlin, 3, 2, 23), overnight, berlin),
              WorkStatus::working(local(berlin, 3, 3, 9)));
}

TEST(WorkSchedule, PeriodsThatCannotYieldWorkMakeEveryDayAHoliday) {
    WorkPeriod disabled = period(540, 1080);
    disabled.enabled = false;
    const WorkPlan plan =
        weekdayPlan({disabled, period(600, 600), period(600, 1440), period(-60, 600)});
    EXPECT_EQ(WorkSchedule::status(local(shanghai, 3, 2, 10), plan, shanghai), holiday);
    EXPECT_EQ(WorkSchedule::status(local(shanghai, 3, 7, 10), plan, shanghai), holiday);
    EXPECT_EQ(WorkSchedule::status(QDateTime(), plan, shanghai), holiday);
}

TEST(WorkSchedule, PlanWithoutPeriodsWeekdaysOrOverridesIsUnconfigured) {
    const QDateTime now = local(shanghai, 3, 2, 10);
    WorkPlan plan;
    EXPECT_EQ(WorkSchedule::status(now, plan, shanghai), WorkStatus::unconfigured());
    plan.periods = {period(540, 1080)};
    EXPECT_EQ(WorkSchedule::status(now, plan, shanghai), WorkStatus::unconfigured());
    plan.weeklyOverrides = WorkPeriodTable{};
    plan.dateOverrides = WorkPeriodTable{};
    EXPECT_EQ(WorkSchedule::status(now, plan, shanghai), WorkStatus::unconfigured());
    plan.dateOverrides = WorkPeriodTable{{"2030-01-01", {}}};
    EXPECT_EQ(WorkSchedule::status(now, plan, shanghai), holiday);
    plan = WorkPlan();
    plan.weekdays = {2};
    EXPECT_EQ(WorkSchedule::status(now, plan, shanghai), WorkStatus::unconfigured());
}

TEST(WorkSchedule, DaylightSavingChangesMoveTheWorkingInterval) {
    // Sunday 29 March 2026 in Berlin: 02:00 does not exist, work starts when clocks show 03:00.
    WorkPlan sunday;
    sunday.periods = {period(120, 240)};
    sunday.weekdays = {1};
    EXPECT_EQ(WorkSchedule::status(utc(2026, 3, 29, 0, 59), sunday, berlin), morning);
    EXPECT_EQ(WorkSchedule::status(utc(2026, 3, 29, 1), sunday, berlin),
              WorkStatus::working(utc(2026, 3, 29, 2)));
    // Sunday 25 October 2026: 02:30 happens twice; the first one ends this period.
    sunday.periods = {period(60, 150)};
    EXPECT_EQ(WorkSchedule::status(utc(2026, 10, 25, 0), sunday, berlin),
              WorkStatus::working(utc(2026, 10, 25, 0, 30)));
    EXPECT_EQ(WorkSchedule::status(utc(2026, 10, 25, 1), sunday, berlin), evening);
    // New York skips 02:00 to 03:00 on 8 March 2026.
    sunday.periods = {period(150, 210)};
    EXPECT_EQ(WorkSchedule::status(utc(2026, 3, 8, 7), sunday, newYork),
              WorkStatus::working(utc(2026, 3, 8, 7, 30)));
}

const QStringList holidayLines{
    QStringLiteral("人，今天一起当小懒豚。"), QStringLiteral("噜躺好了，人呢？"),
    QStringLiteral("人，今天不忙，忙着躺躺。"), QStringLiteral("枕头说，它也想你啦。"),
    QStringLiteral("人，陪噜数云朵。数丢了也没事。")};

TEST(WorkSchedule, HolidayLinesFollowTheSeededShuffle) {
    const Calendar universal(QTimeZone::utc());
    // 10 April of year 1 is the hundredth day of the era.
    const QDateTime day100(QDate(1, 4, 10), QTime(9, 0), Qt::UTC);
    ASSERT_EQ(universal.dayOrdinal(day100), 100);
    const int expected[] = {1, 0, 3, 2, 4};
    for (int offset = 0; offset < 5; ++offset) {
        EXPECT_EQ(WorkSchedule::message(RestKind::holiday, day100.addDays(offset), universal),
                  holidayLines[expected[offset]]);
    }
    // Day 0 is the last day before the era.
    const QDateTime day0(QDate(1, 1, 1).addDays(-1), QTime(9, 0), Qt::UTC);
    EXPECT_EQ(WorkSchedule::message(RestKind::morning, day0, universal),
              QStringLiteral("人，早。噜的眼睛还没开机。"));
    // Days further back still land on a line of the pool.
    EXPECT_FALSE(WorkSchedule::message(RestKind::holiday, day0.addDays(-3), universal).isEmpty());
}

TEST(WorkSchedule, LinePoolDependsOnTheKindAndTheHour) {
    const auto line = [](RestKind kind, int hour, int minute = 0) {
        return WorkSchedule::message(kind, local(shanghai, 3, 5, hour, minute), shanghai);
    };
    // The early and late pools share no line.
    EXPECT_NE(line(RestKind::morning, 11, 59), line(RestKind::morning, 12));
    // Day 739680 (5 March 2026): cycle 147936 shuffles midday to [1, 2, 4, 0, 3], index 0.
    EXPECT_EQ(line(RestKind::midday, 13), QStringLiteral("人，枕头分你一半。"));
    // Late evening [1, 3, 2, 0] and early evening [0, 1, 2] both take index 0.
    EXPECT_EQ(line(RestKind::evening, 18), QStringLiteral("人，今天的班班上完啦。"));
    EXPECT_EQ(line(RestKind::evening, 17, 59), QStringLiteral("人，下班啦！快跟噜走。"));
    EXPECT_EQ(line(RestKind::midday, 0), line(RestKind::midday, 23, 59));
    EXPECT_EQ(line(RestKind::holiday, 0), line(RestKind::holiday, 23, 59));
}

TEST(WorkSchedule, EveryLineShowsOnceInEachRunOfDays) {
    // Day ordinal 739680 is a multiple of 5, so these five days form one run.
    QSet<QString> seen;
    for (int day = 5; day < 10; ++day) {
        seen.insert(WorkSchedule::message(RestKind::holiday, local(newYork, 3, day, 12), newYork));
    }
    EXPECT_EQ(seen, QSet<QString>(holidayLines.begin(), holidayLines.end()));
    EXPECT_EQ(restKindFromRaw(3), RestKind::holiday);
    EXPECT_EQ(restKindFromRaw(4), std::nullopt);
    EXPECT_EQ(restKindFromRaw(-1), std::nullopt);
}

}  // namespace
}  // namespace tundle
