#include <benchmark/benchmark.h>

#include <QDir>
#include <QFileInfo>

#include "content/ContentRelease.h"
#include "pets/PetAssets.h"

namespace tundle {
namespace {

QString h3Folder() {
    return QDir(QStringLiteral(TUNDLE_GENERATED_ASSETS)).filePath(QStringLiteral("H3"));
}

const PetAssets& h3() {
    static const PetAssets assets(h3Folder(), PetAssetPack::h3);
    return assets;
}

void PetAssetsLoadH3(benchmark::State& state) {
    qint64 decoded = 0;
    for (auto _ : state) {
        const PetAssets assets(h3Folder(), PetAssetPack::h3, std::nullopt,
                               PetAssets::Decoding::onFirstUse);
        decoded = assets.decodedBytes();
        benchmark::DoNotOptimize(assets.loaded());
    }
    state.counters["decodedMiB"] = double(decoded) / (1024.0 * 1024.0);
}
BENCHMARK(PetAssetsLoadH3)->Unit(benchmark::kMillisecond);

// What a downloaded pack costs: every clip decoded before it is handed to the main thread.
void PetAssetsLoadAndDecodeAllH3(benchmark::State& state) {
    qint64 decoded = 0;
    for (auto _ : state) {
        const PetAssets assets(h3Folder(), PetAssetPack::h3);
        decoded = assets.decodedBytes();
        benchmark::DoNotOptimize(assets.loaded());
    }
    state.counters["decodedMiB"] = double(decoded) / (1024.0 * 1024.0);
}
BENCHMARK(PetAssetsLoadAndDecodeAllH3)->Unit(benchmark::kMillisecond);

// The pause when a clip that let go of its frames is shown again: its sheet decoded anew.
void PetAssetsDecodeAClipAgain(benchmark::State& state) {
    const PetAssets assets(h3Folder(), PetAssetPack::h3, std::nullopt,
                           PetAssets::Decoding::onFirstUse);
    const QString clip = QStringLiteral("dance");
    for (auto _ : state) {
        assets.releaseFrames(QStringLiteral("idle"));
        benchmark::DoNotOptimize(assets.frame(clip, 0, false));
    }
}
BENCHMARK(PetAssetsDecodeAClipAgain)->Unit(benchmark::kMillisecond);

void PetAssetsValidateH3(benchmark::State& state) {
    ContentModule module{QStringLiteral("H3"), QStringLiteral("pet.actions"), 1, {}};
    for (const QFileInfo& file : QDir(h3Folder()).entryInfoList(QDir::Files)) {
        module.files.push_back({file.fileName(), QString(), file.size()});
    }
    for (auto _ : state) {
        PetAssets::validateModule(module, h3Folder());
    }
}
BENCHMARK(PetAssetsValidateH3)->Unit(benchmark::kMillisecond);

void PetAssetsFrameIndex(benchmark::State& state) {
    const PetAssets& assets = h3();
    const QString clip = QStringLiteral("dance");
    double elapsed = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(assets.frame(clip, elapsed, false));
        elapsed += 1.0 / 60;
    }
}
BENCHMARK(PetAssetsFrameIndex);

void PetAssetsFallbackFrameIndex(benchmark::State& state) {
    const PetAssets& assets = h3();
    const QString clip = QStringLiteral("somersault");
    double elapsed = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(assets.frameIndex(clip, elapsed, false));
        elapsed += 1.0 / 60;
    }
}
BENCHMARK(PetAssetsFallbackFrameIndex);

void PetAssetsHitTest(benchmark::State& state) {
    const PetAssets& assets = h3();
    const QRectF rect(40, 60, 180, 180);
    double x = 40;
    for (auto _ : state) {
        benchmark::DoNotOptimize(assets.contains(QPointF(x, 150), rect));
        x = x > 220 ? 40 : x + 0.7;
    }
}
BENCHMARK(PetAssetsHitTest);

void PetAssetsNormalizedRect(benchmark::State& state) {
    const PetAssets& assets = h3();
    const QString clip = QStringLiteral("water");
    const QRectF rect(40, 60, 180, 180);
    for (auto _ : state) {
        benchmark::DoNotOptimize(assets.normalizedRect(clip, rect));
    }
}
BENCHMARK(PetAssetsNormalizedRect);

}  // namespace
}  // namespace tundle
