#include <benchmark/benchmark.h>

#include <QTest>

#include "accessories/AccessoryRing.h"
#include "model/FarmStore.h"
#include "pet/PetPanel.h"
#include "support/ModelTestWorld.h"

namespace tundle {
namespace {

// The pet in its panel after its first layout, farm hidden, no bubble.
struct PetOnStage {
    test::ModelTestWorld world;
    std::unique_ptr<AppModel> model = world.model();
    MemoryDefaults farmDefaults;
    FarmStore farm{farmDefaults};
    PetPanel panel{*model, farm};

    PetOnStage() {
        model->dismissBubble();
        farm.setVisible(false);
        panel.setGeometry(100, 11, 444, 569);
        panel.show();
        panel.canvas().tick();
    }
};

// Asked for the cursor on every move of the pointer over the canvas; the points cover the ring,
// the pet's opaque and transparent pixels and empty space.
void BM_InteractiveHit(benchmark::State& state) {
    PetOnStage stage;
    const QPointF points[] = {{70, 441}, {90, 549}, {297, 469}, {172, 567}, {20, 20}};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(stage.panel.canvas().interactiveHit(points[i++ % 5]));
    }
}
BENCHMARK(BM_InteractiveHit);

// A hover in and out of both buttons, then 0.5 s of quiet: no label animation or close delay
// may still be running.
void BM_NoTimerAfterInput(benchmark::State& state) {
    PetOnStage stage;
    int running = 0;
    for (auto _ : state) {
        for (AccessoryButton* button : stage.panel.canvas().accessoryRing()->buttons()) {
            button->track({70, 28});
            button->track({-100, -100});
        }
        QTest::qWait(500);
        running = 0;
        for (const AccessoryButton* button : stage.panel.canvas().accessoryRing()->buttons()) {
            running += button->animating();
        }
    }
    state.counters["running timers"] = running;
}
BENCHMARK(BM_NoTimerAfterInput)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tundle
