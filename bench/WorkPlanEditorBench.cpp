#include <benchmark/benchmark.h>

#include "editors/WorkPlanEditorState.h"

namespace tundle {
namespace {

constexpr int periodsPerDay = 13;
const QDate firstDay(2026, 3, 4);

std::vector<WorkPeriod> dayOfPeriods(int first) {
    std::vector<WorkPeriod> periods;
    for (int i = 0; i < periodsPerDay; ++i) {
        periods.push_back(WorkPeriod{.start = first + i * 100, .end = first + i * 100 + 60});
    }
    return periods;
}

// The largest plan the configuration takes: 5000 periods, a year of dates with their own lists
// (which the range will overwrite), every weekday with a list of its own, all periods valid so
// the save check reads every one.
WorkPlanEditorState fullPlanOnItsFirstDay() {
    WorkPlan plan{.periods = dayOfPeriods(0), .weekdays = {2, 3, 4, 5, 6}};
    plan.weeklyOverrides.emplace();
    int weekly = 5000 - periodsPerDay - WorkPlanEditorState::maximumRangeDays * periodsPerDay;
    for (int weekday = 1; weekly > 0; weekday = weekday % 7 + 1) {
        auto& list = (*plan.weeklyOverrides)[QString::number(weekday)];
        list.push_back(WorkPeriod{.start = 30, .end = 90});
        --weekly;
    }
    plan.dateOverrides.emplace();
    for (int day = 0; day < WorkPlanEditorState::maximumRangeDays; ++day) {
        (*plan.dateOverrides)[WorkPlan::dateKey(firstDay.addDays(day))] = dayOfPeriods(1);
    }
    WorkPlanEditorState state(std::move(plan), firstDay);
    state.setMode(WorkPlanMode::singleDate);
    state.setThrough(firstDay.addDays(WorkPlanEditorState::maximumRangeDays - 1));
    return state;
}

// The user presses "应用" on a 365-day range, and the save button's state is worked out again.
void BM_WorkPlanApplyYearRangeAndSaveCheck(benchmark::State& state) {
    const WorkPlanEditorState start = fullPlanOnItsFirstDay();
    if (start.plan().allPeriods().size() != 5000) {
        state.SkipWithError("plan does not hold 5000 periods");
        return;
    }
    for (auto _ : state) {
        WorkPlanEditorState editing = start;
        editing.applyRange();
        benchmark::DoNotOptimize(editing.canSave());
        benchmark::DoNotOptimize(editing.feedback().constData());
    }
}
BENCHMARK(BM_WorkPlanApplyYearRangeAndSaveCheck)->Unit(benchmark::kMillisecond);

// The save check alone, which runs after every edit.
void BM_WorkPlanSaveCheckOver5000Periods(benchmark::State& state) {
    const WorkPlanEditorState plan = fullPlanOnItsFirstDay();
    for (auto _ : state) {
        benchmark::DoNotOptimize(plan.canSave());
    }
}
BENCHMARK(BM_WorkPlanSaveCheckOver5000Periods)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tundle
