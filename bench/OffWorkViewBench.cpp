#include <benchmark/benchmark.h>

#include "controlcentre/OffWorkView.h"
#include "support/ModelTestWorld.h"

namespace tundle {
namespace {

const QTimeZone zone("Europe/Berlin");
// Monday 2026-03-02, mid-morning.
const QDateTime now = QDateTime(QDate(2026, 3, 2), QTime(10, 17, 42), zone).toUTC();

ScheduleConfiguration typicalSchedule() {
    return {.workPlan = WorkPlan{.periods = {{.start = 9 * 60, .end = 12 * 60},
                                             {.start = 13 * 60 + 30, .end = 18 * 60}},
                                 .weekdays = {2, 3, 4, 5, 6}}};
}

// As many periods as a configuration may hold, all on the weekdays' default list, overlapping
// so every evaluation merges long stretches of them.
ScheduleConfiguration fullSchedule() {
    WorkPlan plan{.weekdays = {2, 3, 4, 5, 6}};
    for (int index = 0; index < 5000; ++index) {
        const int start = (index * 7) % 1400;
        plan.periods.push_back({.start = start, .end = start + 25});
    }
    return {.workPlan = plan};
}

// Argument 0: mid-morning at work; 1: late in the evening at rest, when every interval of the
// three days is looked at.
void evaluate(benchmark::State& state, const ScheduleConfiguration& schedule) {
    const Calendar calendar(zone);
    const QDateTime at =
        state.range(0) == 0 ? now : QDateTime(QDate(2026, 3, 2), QTime(23, 50), zone).toUTC();
    for (auto _ : state) {
        benchmark::DoNotOptimize(OffWorkViewState::evaluate(at, schedule, calendar));
    }
}

void BM_OffWorkCardTypicalPlan(benchmark::State& state) {
    evaluate(state, typicalSchedule());
}
BENCHMARK(BM_OffWorkCardTypicalPlan)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_OffWorkCardFullPlan(benchmark::State& state) {
    evaluate(state, fullSchedule());
}
BENCHMARK(BM_OffWorkCardFullPlan)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The card's one-second firing as a whole: reading the store, evaluating and updating in place.
void BM_OffWorkCardTickFullPlan(benchmark::State& state) {
    test::ModelTestWorld world;
    auto model = world.model();
    model->configuration().update(
        [](UserConfiguration& configuration) { configuration.schedule = fullSchedule(); });
    QDateTime clock = now;
    OffWorkView view(model->configuration(), [&clock] { return clock; }, Calendar(zone), {});
    for (auto _ : state) {
        clock = clock.addSecs(1);
        view.tick();
    }
}
BENCHMARK(BM_OffWorkCardTickFullPlan)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tundle
