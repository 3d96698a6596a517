#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "config/ConfigurationCoding.h"
#include "config/ConfigurationStore.h"
#include "support/FileIO.h"
#include "support/MemoryDefaults.h"

namespace tundle {
namespace {

std::vector<WorkPeriod> periods(int count) {
    std::vector<WorkPeriod> result;
    for (int i = 0; i < count; ++i) {
        result.push_back(
            WorkPeriod{.start = i % 1440, .end = (i + 30) % 1440, .enabled = i % 3 != 0});
    }
    return result;
}

// A configuration with `shortcutCount` shortcuts, `groupCount` groups and, when `periodCount`
// is not zero, a work plan of that many periods spread over the default day and both tables.
UserConfiguration configuration(int shortcutCount, int groupCount, int periodCount) {
    UserConfiguration c;
    for (int i = 0; i < groupCount; ++i) {
        c.groups.push_back(ShortcutGroup{.name = QStringLiteral("分组 %1").arg(i)});
    }
    for (int i = 0; i < shortcutCount; ++i) {
        c.shortcuts.push_back(ShortcutItem{
            .kind = i % 4 == 3 ? ShortcutKind::website : ShortcutKind::file,
            .name = QStringLiteral("快捷方式 %1").arg(i),
            .target = i % 4 == 3 ? QStringLiteral("https://example.com/page/%1").arg(i)
                                 : QStringLiteral("/home/user/文档/file-%1.txt").arg(i),
            .pinned = i<6, .tagColor = ShortcutColor::green, .groupID = groupCount> 0
                          ? std::optional(c.groups[i % groupCount].id)
                          : std::nullopt});
    }
    if (periodCount > 0) {
        WorkPlan plan{.periods = periods(periodCount / 5), .weekdays = {2, 3, 4, 5, 6}};
        plan.weeklyOverrides = WorkPeriodTable();
        for (int day = 1; day <= 7; ++day) {
            (*plan.weeklyOverrides)[QString::number(day)] = periods(periodCount / 5 * 2 / 7);
        }
        plan.dateOverrides = WorkPeriodTable();
        int placed = static_cast<int>(plan.periods.size()) + 7 * (periodCount / 5 * 2 / 7);
        for (int day = 1; placed < periodCount; ++day) {
            const int count = std::min(20, periodCount - placed);
            (*plan.dateOverrides)[QStringLiteral("2026-%1-%2")
                                      .arg(day / 28 + 1, 2, 10, QChar(u'0'))
                                      .arg(day % 28 + 1, 2, 10, QChar(u'0'))] = periods(count);
            placed += count;
        }
        c.schedule.workPlan = plan;
    }
    return c;
}

void LoadLargeConfiguration(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath("configuration-v1.json");
    const QByteArray bytes = encodeConfiguration(configuration(2000, 200, 5000));
    FileIO::writeAtomically(path, bytes);
    MemoryDefaults defaults;
    for (auto _ : state) {
        ConfigurationStore store(defaults, path);
        if (!store.isWritable()) {
            state.SkipWithError("the large configuration did not load");
            break;
        }
        benchmark::DoNotOptimize(store.value().shortcuts.size());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(LoadLargeConfiguration)->Unit(benchmark::kMillisecond);

void UpdateTypicalConfiguration(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath("configuration-v1.json");
    FileIO::writeAtomically(path, encodeConfiguration(configuration(20, 3, 10)));
    MemoryDefaults defaults;
    ConfigurationStore store(defaults, path);
    int minutes = 30;
    for (auto _ : state) {
        minutes = minutes == 30 ? 31 : 30;
        store.update([&](UserConfiguration& c) { c.preferences.waterMinutes = minutes; });
    }
}
BENCHMARK(UpdateTypicalConfiguration)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tundle
