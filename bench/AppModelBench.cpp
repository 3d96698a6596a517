#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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
        bench.model.say({.message = message,
                         .actionTitle = title,
                         .secondaryTitle = later,
                         .duration = 60,
                         .action = [] {},
                         .secondaryAction = [] {}});
    }
}
BENCHMARK(BM_Say);

// A full meal of 32 files of 1 MiB, each put back between rounds.
void BM_EatFiles(benchmark::State& state) {
    BenchModel bench;
    QTemporaryDir folder(QDir::homePath() + "/mealXXXXXX");
    const QByteArray mebibyte(1 << 20, 'x');
    QList<QUrl> files;
    for (int i = 0; i < AppModel::feedingLimit; ++i) {
        QFile file(folder.filePath(QString("crumb-%1.bin").arg(i)));
        file.open(QIODevice::WriteOnly);
        file.write(mebibyte);
        files << QUrl::fromLocalFile(file.fileName());
    }
    for (auto _ : state) {
        if (!bench.model.eatFiles(files)) {
            state.SkipWithError("the meal was refused");
            break;
        }
        state.PauseTiming();
        bench.model.undoLastTrash();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_EatFiles)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tundle
