#include <gtest/gtest.h>

#include "controlcentre/OffWorkViewState.h"
#include "editors/WorkPlanEditorState.h"

namespace tundle {
namespace {

// A Wednesday.
const QDate today(2026, 3, 4);

WorkPeriod period(int start, int end, bool enabled = true) {
    return WorkPeriod{.start = start, .end = end, .enabled = enabled};
}

TEST(WorkPlanEditorState, DefaultPlanShowsARestDayAndCanBeSaved) {
    const WorkPlanEditorState state(OffWorkViewState::defaultPlan(), today);
    EXPECT_EQ(state.mode(), WorkPlanMode::defaultSchedule);
    EXPECT_EQ(state.weekday(), 2);
    EXPECT_EQ(state.date(), today);
    EXPECT_EQ(state.through(), today);
    EXPECT_FALSE(state.batch());
    EXPECT_TRUE(state.feedback().isEmpty());
    EXPECT_EQ(state.listHeading(), QStringLiteral("休息，不安排新班次"));
    EXPECT_EQ(state.selectorNote(), QStringLiteral("没有单独安排的日子，使用这套作息。"));
    EXPECT_FALSE(state.canRestoreInherited());
    EXPECT_TRUE(state.canSave());
}

TEST(WorkPlanEditorState, AddedPeriodRunsFromNineToSixAndFillsTheHeading) {
    WorkPlanEditorState state(OffWorkViewState::defaultPlan(), today);
    state.addPeriod();
    ASSERT_EQ(state.plan().periods.size(), 1u);
    EXPECT_EQ(state.plan().periods[0].start, 540);
    EXPECT_EQ(state.plan().periods[0].end, 1080);
    EXPECT_TRUE(state.plan().periods[0].enabled);
    EXPECT_EQ(state.listHeading(), QStringLiteral("当天开始的班次"));
    state.addPeriod();
    EXPECT_NE(state.plan().periods[0].id, state.plan().periods[1].id);
}

TEST(WorkPlanEditorState, FirstEditOfAnInheritedListGivesTheDayItsOwnCopy) {
    const WorkPeriod day = period(540, 1080);
    const WorkPeriod evening = period(1200, 1320);
    WorkPlanEditorState state(WorkPlan{.periods = {day, evening}, .weekdays = {2, 3, 4, 5, 6}},
                              today);

    // A Saturday that is no working day and has no list of its own shows nothing.
    state.setMode(WorkPlanMode::weekly);
    state.setWeekday(7);
    EXPECT_TRUE(state.selected().empty());
    EXPECT_EQ(state.selectorNote(), QStringLiteral("目前沿用默认作息，修改后只影响这一星期几。"));
    EXPECT_FALSE(state.canRestoreInherited());
    state.addPeriod();
    ASSERT_TRUE(state.plan().weeklyOverrides);
    ASSERT_EQ(state.plan().weeklyOverrides->at(QStringLiteral("7")).size(), 1u);
    EXPECT_EQ(state.selectorNote(), QStringLiteral("这一天使用单独的每周安排。"));
    EXPECT_TRUE(state.canRestoreInherited());
    EXPECT_EQ(state.plan().periods, (std::vector<WorkPeriod>{day, evening}));

    // A working Tuesday shows the default periods; one toggled switch copies the whole list.
    state.setWeekday(3);
    EXPECT_EQ(state.selected(), (std::vector<WorkPeriod>{day, evening}));
    state.setEnabled(1, evening.id, false);
    WorkPeriod offEvening = evening;
    offEvening.enabled = false;
    EXPECT_EQ(state.plan().weeklyOverrides->at(QStringLiteral("3")),
              (std::vector<WorkPeriod>{day, offEvening}));
    EXPECT_EQ(state.plan().periods, (std::vector<WorkPeriod>{day, evening}));

    // A Wednesday date inherits the default periods; a moved time copies them to the date.
    state.setMode(WorkPlanMode::singleDate);
    EXPECT_EQ(state.selectorNote(), QStringLiteral("目前沿用每周安排，修改后只影响这个日期。"));
    EXPECT_FALSE(state.plan().dateOverrides);
    state.setEnd(0, day.id, 1020);
    WorkPeriod earlyDay = day;
    earlyDay.end = 1020;
    EXPECT_EQ(state.plan().dateOverrides->at(QStringLiteral("2026-03-04")),
              (std::vector<WorkPeriod>{earlyDay, evening}));
    EXPECT_EQ(state.selectorNote(), QStringLiteral("这一天已单独安排，优先于每周和默认作息。"));

    // The next Tuesday's date inherits Tuesday's own list, with the switch off.
    state.setDate(QDate(2026, 3, 10));
    EXPECT_EQ(state.selected(), (std::vector<WorkPeriod>{day, offEvening}));
    state.removePeriod(0, day.id);
    EXPECT_EQ(state.plan().dateOverrides->at(QStringLiteral("2026-03-10")),
              (std::vector<WorkPeriod>{offEvening}));
    EXPECT_EQ(state.plan().weeklyOverrides->at(QStringLiteral("3")).size(), 2u);
}

TEST(WorkPlanEditorState, EqualStartAndEndAnywhereRefusesSave) {
    const WorkPeriod day = period(540, 1080);
    WorkPlanEditorState state(WorkPlan{.periods = {day}, .weekdays = {2, 3, 4, 5, 6}}, today);

    state.setEnd(0, day.id, 480);
    EXPECT_TRUE(runsPastMidnight(state.selected()[0]));
    EXPECT_TRUE(state.canSave());
    state.setEnd(0, day.id, 540);
    EXPECT_FALSE(runsPastMidnight(state.selected()[0]));
    EXPECT_FALSE(state.canSave());
    state.setEnd(0, day.id, 1080);
    EXPECT_TRUE(state.canSave());

    // Equal times on a date not shown, and in a disabled period, still refuse it.
    state.setMode(WorkPlanMode::singleDate);
    state.setStart(0, day.id, 1080);
    state.setDate(QDate(2026, 3, 5));
    EXPECT_EQ(state.selected(), (std::vector<WorkPeriod>{day}));
    EXPECT_FALSE(state.canSave());
    state.restoreDate(QStringLiteral("2026-03-04"));
    EXPECT_TRUE(state.canSave());
    state.setMode(WorkPlanMode::weekly);
    state.setEnabled(0, day.id, false);
    state.setStart(0, day.id, 1080);
    EXPECT_FALSE(state.canSave());
}

TEST(WorkPlanEditorState, RestoringKeepsAbsentTablesAbsentAndEmptiedTablesEmpty) {
    const WorkPeriod day = period(540, 1080);
    WorkPlanEditorState state(WorkPlan{.periods = {day}, .weekdays = {2, 3, 4, 5, 6}}, today);

    state.setMode(WorkPlanMode::weekly);
    state.restoreInherited();
    state.setMode(WorkPlanMode::singleDate);
    state.restoreInherited();
    state.restoreDate(QStringLiteral("2026-03-04"));
    EXPECT_FALSE(state.plan().weeklyOverrides);
    EXPECT_FALSE(state.plan().dateOverrides);
    EXPECT_EQ(state.dateListTitle(), QStringLiteral("已单独安排的日期（0）"));

    // A day off is an empty own list, which wins over the list below it.
    state.makeDayOff();
    EXPECT_EQ(state.plan().dateOverrides->at(QStringLiteral("2026-03-04")).size(), 0u);
    EXPECT_EQ(state.listHeading(), QStringLiteral("休息，不安排新班次"));
    EXPECT_EQ(
        state.dateOverrideRows(),
        (std::vector<DateOverrideRow>{{QStringLiteral("2026-03-04"), QStringLiteral("休息")}}));
    EXPECT_EQ(state.dateListTitle(), QStringLiteral("已单独安排的日期（1）"));
    state.restoreInherited();
    ASSERT_TRUE(state.plan().dateOverrides);
    EXPECT_TRUE(state.plan().dateOverrides->empty());
    EXPECT_EQ(state.selected(), (std::vector<WorkPeriod>{day}));

    state.setMode(WorkPlanMode::weekly);
    state.makeDayOff();
    EXPECT_TRUE(state.canRestoreInherited());
    state.restoreInherited();
    ASSERT_TRUE(state.plan().weeklyOverrides);
    EXPECT_TRUE(state.plan().weeklyOverrides->empty());
    EXPECT_EQ(state.selected(), (std::vector<WorkPeriod>{day}));

    // In the default schedule a day off empties the default list; own lists keep theirs.
    state.setWeekday(1);
    state.addPeriod();
    state.setMode(WorkPlanMode::defaultSchedule);
    state.makeDayOff();
    EXPECT_TRUE(state.plan().periods.empty());
    EXPECT_EQ(state.plan().weeklyOverrides->at(QStringLiteral("1")).size(), 1u);
}

TEST(WorkPlanEditorState, RangeOfUpTo365DaysCopiesTheDatesList) {
    const WorkPeriod day = period(540, 1080);
    const WorkPeriod outside = period(600, 700);
    WorkPlan plan{.periods = {day}, .weekdays = {2, 3, 4, 5, 6}};
    plan.dateOverrides = WorkPeriodTable{{QStringLiteral("2026-03-03"), {outside}},
                                         {QStringLiteral("2026-03-06"), {outside}}};
    WorkPlanEditorState state(plan, today);
    state.setMode(WorkPlanMode::singleDate);

    state.setThrough(today.addDays(365));
    state.applyRange();
    EXPECT_EQ(state.feedback(), QStringLiteral("请选择365天以内的日期范围。"));
    EXPECT_EQ(state.plan(), plan);

    state.setThrough(today.addDays(364));
    state.applyRange();
    EXPECT_EQ(state.feedback(), QStringLiteral("已应用到 365 天，点击保存生效。"));
    const WorkPeriodTable& table = *state.plan().dateOverrides;
    EXPECT_EQ(table.size(), 366u);
    EXPECT_EQ(table.at(QStringLiteral("2026-03-03")), (std::vector<WorkPeriod>{outside}));
    EXPECT_EQ(table.at(QStringLiteral("2026-03-06")), (std::vector<WorkPeriod>{day}));
    EXPECT_EQ(table.at(QStringLiteral("2027-03-03")), (std::vector<WorkPeriod>{day}));
    EXPECT_FALSE(table.contains(QStringLiteral("2027-03-04")));
    // A Saturday inside the range is given the Wednesday's list too.
    EXPECT_EQ(table.at(QStringLiteral("2026-03-07")), (std::vector<WorkPeriod>{day}));

    // The copy was made once: editing the chosen date leaves the others alone.
    state.setStart(0, day.id, 480);
    EXPECT_EQ(state.plan().dateOverrides->at(QStringLiteral("2026-03-05")),
              (std::vector<WorkPeriod>{day}));

    // Moving the date clears the line and moves the range's end along when passed.
    state.setDate(QDate(2027, 6, 1));
    EXPECT_TRUE(state.feedback().isEmpty());
    EXPECT_EQ(state.through(), QDate(2027, 6, 1));
    state.setThrough(QDate(2027, 5, 1));
    EXPECT_EQ(state.through(), QDate(2027, 6, 1));
    state.makeDayOff();
    state.applyRange();
    EXPECT_EQ(state.feedback(), QStringLiteral("已应用到 1 天，点击保存生效。"));
    EXPECT_EQ(state.dateOverrideRows().back(),
              (DateOverrideRow{QStringLiteral("2027-06-01"), QStringLiteral("休息")}));
    EXPECT_EQ(state.dateOverrideRows().front(),
              (DateOverrideRow{QStringLiteral("2026-03-03"), QStringLiteral("单独班次")}));
    state.setMode(WorkPlanMode::weekly);
    EXPECT_TRUE(state.feedback().isEmpty());
}

TEST(WorkPlanEditorState, WeekdayChipRemovesEveryOccurrenceAndAppendsAtTheEnd) {
    WorkPlanEditorState state(WorkPlan{.periods = {}, .weekdays = {2, 3, 2, 4}}, today);
    state.toggleWorkingWeekday(2);
    EXPECT_EQ(state.plan().weekdays, (std::vector<int>{3, 4}));
    state.toggleWorkingWeekday(2);
    EXPECT_EQ(state.plan().weekdays, (std::vector<int>{3, 4, 2}));
    EXPECT_EQ(weekdayAccessibleName(weekdayLabels[6]), QStringLiteral("星期日"));
    EXPECT_EQ(weekdaySegmentTitle(weekdayLabels[0]), QStringLiteral("周一"));
}

TEST(WorkPlanEditorState, RowsSharingAnIdAreEditedWhereTheyStand) {
    const WorkPeriod first = period(540, 600);
    WorkPeriod twin = period(700, 800);
    twin.id = first.id;
    WorkPlanEditorState state(WorkPlan{.periods = {first, twin}, .weekdays = {}}, today);
    state.setStart(1, first.id, 720);
    EXPECT_EQ(state.plan().periods[0].start, 540);
    EXPECT_EQ(state.plan().periods[1].start, 720);
    state.removePeriod(1, first.id);
    EXPECT_EQ(state.plan().periods, (std::vector<WorkPeriod>{first}));
    // A row that no longer stands where it did is found by its id, and a gone one is ignored.
    state.setEnd(5, first.id, 660);
    EXPECT_EQ(state.plan().periods[0].end, 660);
    const WorkPlan before = state.plan();
    state.setEnd(0, QUuid::createUuid(), 700);
    state.removePeriod(0, QUuid::createUuid());
    EXPECT_EQ(state.plan(), before);
}

TEST(WorkPlanEditorState, ClockTimesCarryMinutesAfterMidnight) {
    EXPECT_EQ(clockTime(0), QTime(0, 0));
    EXPECT_EQ(clockTime(1439), QTime(23, 59));
    EXPECT_EQ(minutesOf(QTime(18, 30, 45)), 1110);
    EXPECT_EQ(minutesOf(clockTime(545)), 545);
    EXPECT_EQ(legacyNoticeLine(QStringLiteral("原下班时间：18:00、18:30")),
              QStringLiteral("原下班时间：18:00、18:30。补齐上班时间后保存。"));
}

}  // namespace
}  // namespace tundle
