#include <benchmark/benchmark.h>

#include "model/AppModel.h"
#include "model/QtScheduler.h"
#include "support/ModelTestWorld.h"

namespace tundle {
namespace {

// A model on real timers, with its greeting still up.
struct BenchModel {
    MemoryDefaults defaults;
    QtPasteboard pasteboard;
    SystemFileManager files;
    QtScheduler scheduler;
    test::FakeSounds sounds;
    AppModel model{AppWorld{.preferences = defaults,
                            .pasteboard = pasteboard,
                            .fileManager = files,
                            .scheduler = scheduler,
                            .sounds = sounds,
                            .automaticallyTicks = false,
                            .resourceFolder = QString(TUNDLE_GENERATED_ASSETS)},
                   test::generatedPack(PetAssetPack::h3)};
};

// Every frame of the pet asks; while a bubble shows the answer must cost next to nothing.
void BM_DeliverWaitingReminderWhileTheStageIsTaken(benchmark::State& state) {
    BenchModel bench;
    for (auto _ : state) {
        bench.model.deliverWaitingReminder();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DeliverWaitingReminderWhileTheStageIsTaken);

void BM_Say(benchmark::State& state) {
    BenchModel bench;
    const QString message = QStringLiteral("喝口水，再慢慢来。");
    const QString title = QStringLiteral("喝过啦");
    const QString later = QStringLiteral("5 分钟后");
    for (auto _ : state) {
        bench.model.say(
            message, {}, title, later, 60, [] {}, [] {});
    }
}
BENCHMARK(BM_Say);

}  // namespace
}  // namespace tundle
