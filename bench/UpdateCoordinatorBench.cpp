#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QTimer>

#include "app/update/UpdateTestKit.h"
#include "support/RunUntil.h"

namespace tundle {
namespace {

// A release carrying the generated H3 pack where the build put it.
ContentSnapshot h3Release(qint64 sequence) {
    return ContentSnapshot{
        ContentRelease{
            1, sequence, 1, {{QStringLiteral("H3"), QStringLiteral("pet.actions"), 1, {}}}},
        QStringLiteral(TUNDLE_GENERATED_ASSETS)};
}

// A coordinator over a scripted store, driving a model that takes its packs from the library.
struct Rig {
    Rig() {
        auto environment = test::environmentFor(world, bundle());
        environment.openStore = store.opener();
        coordinator = std::make_unique<UpdateCoordinator>(*model, true, std::move(environment));
        store.record->restores.back()(std::nullopt);
    }

    static BundleInfo bundle() {
        BundleInfo info;
        info.contentBaseURL = QStringLiteral("https://content.invalid/cdn");
        info.contentPublicKey = QStringLiteral("a2V5");
        return info;
    }

    // Answers the running check with a release and waits until it is decoded.
    void offer(qint64 sequence) {
        store.record->prepares.back()(h3Release(sequence), nullptr);
        test::runUntil([&] {
            return model->updates().contentUpdateStatus() ==
                   QStringLiteral("资源已准备好，等待当前互动结束");
        });
    }

    test::ModelTestWorld world;
    std::unique_ptr<AppModel> model = std::make_unique<AppModel>(world.world());
    test::ScriptedReleases store;
    std::unique_ptr<UpdateCoordinator> coordinator;
};

// The switch itself: the store has committed the release and the main thread puts the decoded
// packs and the scene into use and reloads the pet.
void UpdateCoordinatorSwitchPacks(benchmark::State& state) {
    Rig rig;
    qint64 sequence = 1;
    for (auto _ : state) {
        state.PauseTiming();
        rig.coordinator->check();
        rig.offer(++sequence);
        rig.world.scheduler.advance(1);
        state.ResumeTiming();
        rig.store.record->activations.back()(nullptr);
    }
    state.counters["installed"] = double(rig.model->assetLibrary().remotePacks().size());
}
BENCHMARK(UpdateCoordinatorSwitchPacks)->Unit(benchmark::kMillisecond);

// The longest the main thread waits between two turns of its event loop while a pack decodes
// on the worker; the time per iteration is the whole decoding.
void UpdateCoordinatorDecodeStall(benchmark::State& state) {
    Rig rig;
    qint64 sequence = 1;
    double longestStall = 0;
    for (auto _ : state) {
        rig.coordinator->check();
        QElapsedTimer sinceTurn;
        QTimer heartbeat;
        QObject::connect(&heartbeat, &QTimer::timeout, [&] {
            longestStall = std::max(longestStall, double(sinceTurn.nsecsElapsed()) / 1e6);
            sinceTurn.restart();
        });
        heartbeat.start(1);
        sinceTurn.start();
        rig.offer(++sequence);
        heartbeat.stop();
        state.PauseTiming();
        rig.world.scheduler.advance(1);
        rig.store.record->activations.back()(nullptr);
        state.ResumeTiming();
    }
    state.counters["maxStallMs"] = longestStall;
}
BENCHMARK(UpdateCoordinatorDecodeStall)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tundle
