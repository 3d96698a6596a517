#include <gtest/gtest.h>

#include "records/WorkPlan.h"

namespace tundle {
namespace {

const Calendar berlin(QTimeZone("Europe/Berlin"));

QDateTime berlinNoon(int year, int month, int day) {
    return QDateTime(QDate(year, month, day), QTime(12, 0), QTimeZone("Europe/Berlin")).toUTC();
}

WorkPeriod period(int start, int end) {
    return WorkPeriod{.start = start, .end = end};
}

TEST(WorkPlanRules, DateKeyIsTheZeroPaddedDayInTheCalendarZone) {
    EXPECT_EQ(WorkPlan::dateKey(berlinNoon(2026, 3, 5), berlin), QStringLiteral("2026-03-05"));
    const QDateTime earlyYear(QDate(987, 1, 1), QTime(12, 0), Qt::UTC);
    EXPECT_EQ(WorkPlan::dateKey(earlyYear, Calendar(QTimeZone::utc())),
              QStringLiteral("0987-01-01"));
    const QDateTime evening(QDate(2026, 3, 5), QTime(20, 0), Qt::UTC);
    EXPECT_EQ(WorkPlan::dateKey(evening, Calendar(QTimeZone("Asia/Shanghai"))),
              QStringLiteral("2026-03-06"));
    EXPECT_EQ(WorkPlan::dateKey(evening, Calendar(QTimeZone("America/New_York"))),
              QStringLiteral("2026-03-05"));
}

TEST(WorkPlanRules, DateOverrideBeatsWeekdayOverrideWhichBeatsTheDefaultDay) {
    const WorkPeriod base = period(540, 1080);
    const WorkPeriod sunday = period(600, 660);
    const WorkPeriod wednesday = period(480, 720);
    const WorkPeriod firstOfMarch = period(700, 800);
    const WorkPlan plan{
        .periods = {base},
        .weekdays = {2, 3, 4, 5, 6, 0, 8},
        .weeklyOverrides = WorkPeriodTable{{"1", {sunday}}, {"4", {wednesday}}},
        .dateOverrides = WorkPeriodTable{{"2026-03-03", {}}, {"2026-03-01", {firstOfMarch}}},
    };
    EXPECT_EQ(plan.periodsOn(berlinNoon(2026, 3, 2), berlin), std::vector{base});
    // An empty date override makes a working weekday free.
    EXPECT_TRUE(plan.periodsOn(berlinNoon(2026, 3, 3), berlin).empty());
    EXPECT_EQ(plan.periodsOn(berlinNoon(2026, 3, 4), berlin), std::vector{wednesday});
    // Sunday is not a working weekday, yet its override applies.
    EXPECT_EQ(plan.periodsOn(berlinNoon(2026, 3, 8), berlin), std::vector{sunday});
    EXPECT_EQ(plan.periodsOn(berlinNoon(2026, 3, 1), berlin), std::vector{firstOfMarch});
    // Weekday numbers outside 1…7 never match.
    EXPECT_TRUE(plan.periodsOn(berlinNoon(2026, 3, 7), berlin).empty());

    WorkPlan overridesOnly;
    overridesOnly.weeklyOverrides = WorkPeriodTable{{"7", {sunday}}};
    EXPECT_EQ(overridesOnly.periodsOn(berlinNoon(2026, 3, 7), berlin), std::vector{sunday});
    EXPECT_TRUE(overridesOnly.periodsOn(berlinNoon(2026, 3, 6), berlin).empty());
}

TEST(WorkPlanRules, AllPeriodsStartWithTheDefaultDayAndCountEveryList) {
    WorkPlan plan;
    plan.periods = {period(1, 2), period(3, 4)};
    plan.weekdays = {2};
    EXPECT_EQ(plan.allPeriods(), plan.periods);
    plan.weeklyOverrides = WorkPeriodTable{{"1", {period(5, 6)}}, {"2", {}}};
    plan.dateOverrides = WorkPeriodTable{{"2026-03-05", {period(7, 8), period(9, 10)}}};
    const std::vector<WorkPeriod> all = plan.allPeriods();
    ASSERT_EQ(all.size(), 5u);
    EXPECT_EQ(all[0], plan.periods[0]);
    EXPECT_EQ(all[1], plan.periods[1]);
}

TEST(WorkPlanRules, AbsentOverrideTablesDifferFromEmptyOnes) {
    WorkPlan plain;
    plain.periods = {period(540, 1080)};
    plain.weekdays = {2};
    WorkPlan withTables = plain;
    withTables.weeklyOverrides = WorkPeriodTable{};
    withTables.dateOverrides = WorkPeriodTable{};
    EXPECT_NE(plain, withTables);
    EXPECT_NE(period(1, 2).id, period(1, 2).id);
}

}  // namespace
}  // namespace tundle
