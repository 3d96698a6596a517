#include <gtest/gtest.h>

#include <QLocale>

#include "companion/WorkSchedule.h"
#include "controlcentre/OffWorkViewState.h"

namespace tundle {
namespace {

const QTimeZone berlin("Europe/Berlin");
const Calendar calendar(berlin);

QDateTime local(int year, int month, int day, int hour, int minute, int second = 0) {
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), berlin).toUTC();
}

ScheduleConfiguration planned(std::vector<WorkPeriod> periods, std::vector<int> weekdays) {
    return {.workPlan = WorkPlan{.periods = std::move(periods), .weekdays = std::move(weekdays)}};
}

// 2026-03-02 is a Monday.
const ScheduleConfiguration officeHours =
    planned({{.start = 9 * 60, .end = 18 * 60}}, {2, 3, 4, 5, 6});

TEST(OffWorkViewStateTest, CountsDownToTheEndOfWorkRoundingMinutesUp) {
    struct Case {
        QTime now;
        QString headline;
    };
    for (const Case& test : {
             Case{QTime(17, 0, 59), "距离下班还有 1 小时"},
             Case{QTime(16, 59, 59), "距离下班还有 1 小时 1 分钟"},
             Case{QTime(16, 28, 30), "距离下班还有 1 小时 32 分钟"},
             Case{QTime(17, 59, 0), "距离下班还有 1 分钟"},
             Case{QTime(17, 59, 30), "距离下班还有 不到 1 分钟"},
             Case{QTime(9, 0, 0), "距离下班还有 9 小时"},
         }) {
        const QDateTime now = QDateTime(QDate(2026, 3, 2), test.now, berlin).toUTC();
        const OffWorkViewState state = OffWorkViewState::evaluate(now, officeHours, calendar);
        EXPECT_EQ(state.form, OffWorkViewState::Form::plain);
        EXPECT_EQ(state.headline, test.headline) << test.now.toString().toStdString();
        EXPECT_EQ(state.headlinePoints, 15);
        EXPECT_EQ(state.caption, "18:00 下班");
    }
}

TEST(OffWorkViewStateTest, TheEndTimeIsAlwaysOnTheTwentyFourHourClock) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const ScheduleConfiguration late = planned({{.start = 13 * 60, .end = 21 * 60 + 5}}, {2});
    EXPECT_EQ(OffWorkViewState::evaluate(local(2026, 3, 2, 14, 0), late, calendar).caption,
              "21:05 下班");
    EXPECT_EQ(OffWorkViewState::clockTime(local(2026, 3, 2, 6, 7), calendar), "06:07");
    QLocale::setDefault(before);
}

TEST(OffWorkViewStateTest, AnOvernightPeriodRunsToItsEndTheNextDay) {
    const ScheduleConfiguration nights = planned({{.start = 22 * 60, .end = 6 * 60}}, {2});
    const OffWorkViewState state =
        OffWorkViewState::evaluate(local(2026, 3, 2, 23, 30), nights, calendar);
    EXPECT_EQ(state.headline, "距离下班还有 6 小时 30 分钟");
    EXPECT_EQ(state.caption, "06:00 下班");
}

TEST(OffWorkViewStateTest, ADaylightSavingDayCountsRealTime) {
    // Clocks go from 02:00 to 03:00 on Sunday 2026-03-29 in Berlin.
    const ScheduleConfiguration sunday = planned({{.start = 0, .end = 6 * 60}}, {1});
    const OffWorkViewState state =
        OffWorkViewState::evaluate(local(2026, 3, 29, 1, 0), sunday, calendar);
    EXPECT_EQ(state.headline, "距离下班还有 4 小时");
    EXPECT_EQ(state.caption, "06:00 下班");
}

TEST(OffWorkViewStateTest, RestingShowsTheKindOfRestAndThePetsLine) {
    const QDateTime saturday = local(2026, 3, 7, 11, 0);
    const OffWorkViewState holiday = OffWorkViewState::evaluate(saturday, officeHours, calendar);
    EXPECT_EQ(holiday.form, OffWorkViewState::Form::resting);
    EXPECT_EQ(holiday.rest, RestKind::holiday);
    EXPECT_EQ(holiday.restLine, WorkSchedule::message(RestKind::holiday, saturday, calendar));
    EXPECT_FALSE(holiday.restLine.isEmpty());

    const OffWorkViewState evening =
        OffWorkViewState::evaluate(local(2026, 3, 2, 20, 0), officeHours, calendar);
    EXPECT_EQ(evening.form, OffWorkViewState::Form::resting);
    EXPECT_EQ(evening.rest, RestKind::evening);
}

TEST(OffWorkViewStateTest, WithoutAPlanTheOlderTimesCountDownWhileOneIsOn) {
    const QDateTime five = local(2026, 3, 2, 17, 0);
    const OffWorkViewState empty = OffWorkViewState::evaluate(five, {}, calendar);
    EXPECT_EQ(empty.form, OffWorkViewState::Form::plain);
    EXPECT_EQ(empty.headline, "设置工作时段");
    EXPECT_TRUE(empty.caption.isEmpty());
    EXPECT_FALSE(OffWorkViewState::legacyNotice({}));

    ScheduleConfiguration legacy{
        .legacyTimes = {{.hour = 18, .minute = 30}, {.hour = 18, .minute = 0, .enabled = false}}};
    const OffWorkViewState counting = OffWorkViewState::evaluate(five, legacy, calendar);
    EXPECT_EQ(counting.headline, "距离下班还有 1 小时 30 分钟");
    EXPECT_EQ(counting.headlinePoints, 14);
    EXPECT_EQ(counting.caption, "补充上班时间，开启休息陪伴");
    EXPECT_EQ(OffWorkViewState::legacyNotice(legacy), "原下班时间：18:30、18:00");

    legacy.legacyTimes[0].enabled = false;
    EXPECT_EQ(OffWorkViewState::evaluate(five, legacy, calendar).headline, "设置工作时段");
    EXPECT_TRUE(OffWorkViewState::legacyNotice(legacy)) << "disabled times are still listed";

    legacy.workPlan = OffWorkViewState::defaultPlan();
    legacy.legacyTimes[0].enabled = true;
    EXPECT_EQ(OffWorkViewState::evaluate(five, legacy, calendar).headline, "设置工作时段")
        << "a stored plan, even an empty one, retires the older times";
    EXPECT_FALSE(OffWorkViewState::legacyNotice(legacy));
}

}  // namespace
}  // namespace tundle
