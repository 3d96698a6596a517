#include <benchmark/benchmark.h>

#include <QDir>
#include <QPainter>

#include "drawing/YUpSpace.h"
#include "farm/FarmArtwork.h"
#include "farm/FarmScene.h"
#include "farm/FarmSceneCache.h"
#include "model/FarmStore.h"
#include "pet/PetPanel.h"
#include "room/RoomSceneDefinition.h"
#include "support/MemoryDefaults.h"
#include "support/ModelTestWorld.h"

namespace tundle {
namespace {

const QSize panel(445, 655);
const QDateTime now = QDateTime(QDate(2026, 3, 2), QTime(9, 0, 3), Qt::UTC);

// A farm with every kind of plot, as a busy player leaves it.
void plant(FarmStore& farm) {
    const FarmCrop crops[] = {FarmCrop::radish, FarmCrop::corn, FarmCrop::watermelon};
    for (int plot = 1; plot < FarmStore::plotCount; ++plot) {
        farm.loosen(plot);
    }
    for (int plot = 2; plot < 8; ++plot) {
        farm.sow(crops[plot % 3], plot, now.addSecs(-300 * plot * plot));
    }
    farm.water(3, now);
}

// The room environment has loaded and checked the scene at start-up; the canvas decodes its
// pictures at the first farm draw.
std::map<QString, QImage> readRoomImages(const QString& rooms, const RoomSceneDefinition& scene) {
    std::map<QString, QImage> images;
    for (const QString& name : scene.imageNames()) {
        images.emplace(name, QImage(QDir(rooms).filePath(name)));
    }
    return images;
}

FarmScene busyScene(const FarmStore& farm, const std::map<QString, QImage>& rooms,
                    const FarmArtwork& artwork) {
    const QRectF rect(170, 0, 300 * farm.scale(), 400 * farm.scale());
    return FarmScene{
        .rect = rect,
        .scale = farm.scale(),
        .plots = farm.plots(),
        .coins = 1280,
        .atmosphere = {.weather = RoomWeather::rain, .daylight = 0.6},
        .roomImages = &rooms,
        .artwork = &artwork,
        .buttons = FarmLayout::inlineButtons({.scene = rect,
                                              .scale = farm.scale(),
                                              .selected = 1,
                                              .plots = &farm.plots(),
                                              .now = now}),
        .feedback = FarmFeedback{4, QStringLiteral("大丰收！"), QStringLiteral("玉米 +40 金币"),
                                 true, now.addSecs(-1)},
        .now = now,
    };
}

// A repaint of the whole farm once its pictures are decoded and scaled.
void BM_FarmScenePaint(benchmark::State& state) {
    const QDir assets(QStringLiteral(TUNDLE_GENERATED_ASSETS));
    MemoryDefaults defaults;
    FarmStore farm(defaults);
    plant(farm);
    const QString folder = assets.filePath(QStringLiteral("Rooms"));
    const std::map<QString, QImage> rooms =
        readRoomImages(folder, RoomSceneDefinition::load(folder));
    FarmArtwork artwork;
    artwork.loadIfNeeded({assets.filePath(QStringLiteral("FarmGame"))});
    const FarmScene scene = busyScene(farm, rooms, artwork);
    FarmSceneCache cache;
    QImage image(panel, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::transparent);
        QPainter painter(&image);
        drawFarmScene(painter, YUpSpace(panel.height()), scene, cache);
    }
}
BENCHMARK(BM_FarmScenePaint)->Unit(benchmark::kMillisecond);

// The first farm draw: the room pictures and crop pictures decoded, the backdrops scaled and
// the shadow blurred.
void BM_FarmSceneFirstDraw(benchmark::State& state) {
    const QDir assets(QStringLiteral(TUNDLE_GENERATED_ASSETS));
    MemoryDefaults defaults;
    FarmStore farm(defaults);
    plant(farm);
    const QString folder = assets.filePath(QStringLiteral("Rooms"));
    const RoomSceneDefinition definition = RoomSceneDefinition::load(folder);
    QImage image(panel, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        const std::map<QString, QImage> rooms = readRoomImages(folder, definition);
        FarmArtwork artwork;
        artwork.loadIfNeeded({assets.filePath(QStringLiteral("FarmGame"))});
        FarmSceneCache cache;
        QPainter painter(&image);
        drawFarmScene(painter, YUpSpace(panel.height()), busyScene(farm, rooms, artwork), cache);
    }
}
BENCHMARK(BM_FarmSceneFirstDraw)->Unit(benchmark::kMillisecond)->Iterations(5);

// How often a canvas with the farm shown repaints while nothing else changes: the frame loop
// runs a simulated minute at 60 Hz.
void BM_FarmIdleRepaints(benchmark::State& state) {
    test::ModelTestWorld world;
    std::unique_ptr<AppModel> model = world.model();
    MemoryDefaults defaults;
    FarmStore farm(defaults);
    plant(farm);
    QDateTime clock = now;
    qint64 uptime = 0;
    // A still pet, so only the farm can ask for a repaint.
    model->setReduceMotion(true);
    PetPanel pet(*model, farm, {[&clock] { return clock; }, [&uptime] { return uptime; }});
    pet.show();
    int repaints = 0;
    for (auto _ : state) {
        repaints = 0;
        for (int frame = 0; frame < 60 * 60; ++frame) {
            clock = clock.addMSecs(1000 / 60);
            uptime += 1000 / 60;
            const QString before = pet.canvas().lastPaintKey();
            pet.canvas().tick();
            repaints += pet.canvas().lastPaintKey() != before;
        }
    }
    state.counters["repaintsPer5s"] = repaints / 12.0;
}
BENCHMARK(BM_FarmIdleRepaints)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace tundle
