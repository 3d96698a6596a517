#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPainter>
#include <QTimer>
#include <ctime>

#include "drawing/YUpSpace.h"
#include "model/FarmStore.h"
#include "pet/PetPanel.h"
#include "support/ModelTestWorld.h"
#include "support/PaintCounter.h"

namespace tundle {
namespace {

// The pet on screen with a two-button bubble, on clocks that stand still.
struct BenchPet {
    explicit BenchPet(bool farmVisible, PetClocks clocks) : panel(*model, farm, std::move(clocks)) {
        farm.setVisible(farmVisible);
        model->say({.message = QStringLiteral("要休息一下吗？"),
                    .detail = QStringLiteral("已经连续工作 50 分钟了"),
                    .actionTitle = QStringLiteral("好的"),
                    .secondaryTitle = QStringLiteral("稍后提醒")});
        panel.setGeometry(100, 11, 444, 569);
        panel.show();
        QCoreApplication::processEvents();
        panel.canvas().tick();
    }

    test::ModelTestWorld world;
    std::unique_ptr<AppModel> model = world.model();
    MemoryDefaults farmDefaults;
    FarmStore farm{farmDefaults};
    PetPanel panel;
};

// Sixty times a second with nothing new: build the key, find it unchanged, stop.
void BM_TickWithNothingChanged(benchmark::State& state) {
    test::ModelTestWorld clockSource;
    const QDateTime now = clockSource.scheduler.now();
    BenchPet pet(true, {[now] { return now; }, [] { return qint64(0); }});
    for (auto _ : state) {
        pet.panel.canvas().tick();
    }
}
BENCHMARK(BM_TickWithNothingChanged)->Unit(benchmark::kMicrosecond);

// One frame of the idle pet standing on the farm, as the frame loop shows it twelve times a
// second: the tick that finds the new frame and the paint of the sprite over the still farm.
void BM_FrameOverTheStillFarm(benchmark::State& state) {
    test::ModelTestWorld clockSource;
    QDateTime now = clockSource.scheduler.now();
    BenchPet pet(true, {[&now] { return now; }, [] { return qint64(0); }});
    pet.model->dismissBubble();
    PetCanvas& canvas = pet.panel.canvas();
    canvas.tick();
    QCoreApplication::processEvents();
    test::PaintCounter counter;
    canvas.installEventFilter(&counter);
    for (auto _ : state) {
        now = now.addMSecs(1000 / 12);
        canvas.tick();
        QCoreApplication::processEvents();
    }
    state.counters["paints"] = counter.paints;
}
BENCHMARK(BM_FrameOverTheStillFarm)->Unit(benchmark::kMicrosecond);

// One whole repaint of the 444 × 569 pet panel with its bubble, as the paint event draws it.
void BM_PaintPetWithTwoButtonBubble(benchmark::State& state) {
    BenchPet pet(false, {});
    PetCanvas& canvas = pet.panel.canvas();
    QImage image(canvas.size(), QImage::Format_ARGB32_Premultiplied);
    SoapFilm films;
    for (auto _ : state) {
        image.fill(Qt::transparent);
        QPainter painter(&image);
        drawPetScene(painter, YUpSpace(canvas.height()), canvas.scene(), films);
    }
}
BENCHMARK(BM_PaintPetWithTwoButtonBubble)->Unit(benchmark::kMillisecond);

double processSeconds() {
    timespec time{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &time);
    return time.tv_sec + time.tv_nsec / 1e9;
}

// The idle pet with motion reduced and the farm hidden, on the real clocks and its own
// timer, for two seconds: the processor share it takes (`cpu_percent`, of one core).
void BM_IdlePetProcessorShare(benchmark::State& state) {
    BenchPet pet(false, {});
    pet.model->setReduceMotion(true);
    pet.model->dismissBubble();
    for (auto _ : state) {
        QElapsedTimer wall;
        wall.start();
        const double cpu = processSeconds();
        QEventLoop loop;
        QTimer::singleShot(2000, &loop, &QEventLoop::quit);
        loop.exec();
        state.counters["cpu_percent"] = (processSeconds() - cpu) / (wall.elapsed() / 1000.0) * 100;
    }
}
BENCHMARK(BM_IdlePetProcessorShare)->Iterations(1)->Unit(benchmark::kMillisecond);

// From nothing to the first frame of the pet on screen: the model with its pack read from
// disk, the panel, its first tick and paint. Once, as at start (the pack stays loaded after).
void BM_StartToFirstPetFrame(benchmark::State& state) {
    for (auto _ : state) {
        QElapsedTimer wall;
        wall.start();
        test::ModelTestWorld world;
        AppModel model(world.world());
        MemoryDefaults farmDefaults;
        FarmStore farm{farmDefaults};
        PetPanel panel(model, farm);
        test::PaintCounter counter;
        panel.canvas().installEventFilter(&counter);
        panel.setGeometry(100, 11, 444, 569);
        panel.show();
        while (counter.paints == 0) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        }
        state.SetIterationTime(wall.elapsed() / 1000.0);
        state.counters["milliseconds"] = double(wall.elapsed());
    }
}
BENCHMARK(BM_StartToFirstPetFrame)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tundle
