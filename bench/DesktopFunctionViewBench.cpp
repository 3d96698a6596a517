#include <benchmark/benchmark.h>

#include "accessories/DesktopFunctionView.h"
#include "support/ModelTestWorld.h"

namespace tundle {
namespace {

// Six pinned bubbles, measured, packed and placed again for a viewport that changes its
// height every time, so every pass moves the bubbles and turns the pager on or off.
void BM_RelayoutSixBubbles(benchmark::State& state) {
    test::ModelTestWorld world;
    auto model = world.model();
    for (int i = 0; i < 6; ++i) {
        model->shortcuts().save(ShortcutItem{.kind = ShortcutKind::website,
                                             .name = QString("常用站点%1").arg(i),
                                             .target = QString("https://example%1.org/").arg(i),
                                             .pinned = true});
    }
    ShortcutViewport viewport({404, 240});
    DesktopFunctionView view(*model, viewport);
    model->toggleShortcuts();
    bool compact = false;
    for (auto _ : state) {
        compact = !compact;
        viewport.setSize({404, compact ? 110.0 : 240.0});
    }
}
BENCHMARK(BM_RelayoutSixBubbles)->Unit(benchmark::kMicrosecond);

// The pure packing of six bubbles into rows and pages.
void BM_PackSixBubbles(benchmark::State& state) {
    const std::vector<double> widths = {92, 120, 104, 160, 92, 134};
    for (auto _ : state) {
        const PackedShortcutLayout layout(widths, 388, 94);
        benchmark::DoNotOptimize(layout.placements(1));
    }
}
BENCHMARK(BM_PackSixBubbles)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tundle
