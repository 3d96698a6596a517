#include <benchmark/benchmark.h>

#include "model/FarmStore.h"
#include "support/MemoryDefaults.h"

namespace tundle {
namespace {

// The pet canvas asks on every frame whether the farm needs drawing again.
void BM_FarmRenderKey(benchmark::State& state) {
    MemoryDefaults defaults;
    FarmStore farm(defaults);
    const QDateTime now = QDateTime(QDate(2026, 3, 2), QTime(9, 0), Qt::UTC);
    const FarmCrop crops[] = {FarmCrop::radish, FarmCrop::corn, FarmCrop::watermelon};
    for (int plot = 0; plot < 6; ++plot) {
        farm.loosen(plot);
        farm.sow(crops[plot % 3], plot, now.addSecs(-120 * plot));
    }
    farm.water(1, now);
    farm.loosen(6);
    for (auto _ : state) {
        benchmark::DoNotOptimize(farm.renderKey(now));
    }
}
BENCHMARK(BM_FarmRenderKey);

}  // namespace
}  // namespace tundle
