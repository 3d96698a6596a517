#include <benchmark/benchmark.h>

#include <QPainter>

#include "drawing/PictureCache.h"
#include "editors/RoomBackdrop.h"
#include "room/RoomEnvironment.h"
#include "support/FakeSessionEvents.h"
#include "support/ModelTestWorld.h"

namespace tundle {
namespace {

struct BackdropRig {
    explicit BackdropRig(RoomWeather weather) {
        setWeather(weather);
        model->room().setVisible(true);
        backdrop.resize(300, 400);
    }
    void setWeather(RoomWeather weather) {
        model->room().update([&](RoomPreferences& room) {
            room.mode = RoomMode::fixed;
            room.fixedWeather = weather;
            room.fixedPhase = RoomPhase::day;
        });
    }
    void frame(QImage& image) {
        // A frame of the timer: the clock has moved on by one frame at 24 a second.
        world.scheduler.advance(1.0 / 24);
        QPainter painter(&image);
        backdrop.render(&painter, QPoint(), QRegion(), QWidget::RenderFlags());
    }

    test::ModelTestWorld world;
    std::unique_ptr<AppModel> model = world.model();
    test::FakeSessionEvents session;
    PictureCache pictures{[this] { return world.scheduler.elapsed; }};
    RoomBackdrop backdrop{model->room(), session, pictures, false,
                          [this] { return world.scheduler.now(); }};
};

// A 300 × 400 frame with full rain over the cached still layers.
void BM_RoomBackdropRainFrame(benchmark::State& state) {
    BackdropRig rig(RoomWeather::rain);
    QImage image(300, 400, QImage::Format_ARGB32_Premultiplied);
    rig.frame(image);
    for (auto _ : state) {
        rig.frame(image);
    }
    state.counters["stillRenders"] = rig.backdrop.stillRenders();
}
BENCHMARK(BM_RoomBackdropRainFrame)->Unit(benchmark::kMillisecond);

// The same while the weather cross-fades: the still layers are blended again every frame.
void BM_RoomBackdropFadeFrame(benchmark::State& state) {
    BackdropRig rig(RoomWeather::clear);
    QImage image(300, 400, QImage::Format_ARGB32_Premultiplied);
    rig.frame(image);
    rig.backdrop.setAttribute(Qt::WA_DontShowOnScreen);
    rig.backdrop.show();
    bool rain = true;
    for (auto _ : state) {
        state.PauseTiming();
        if (!rig.backdrop.fading()) {
            rig.setWeather(rain ? RoomWeather::rain : RoomWeather::clear);
            rain = !rain;
        }
        state.ResumeTiming();
        rig.frame(image);
    }
    state.counters["stillRenders"] = rig.backdrop.stillRenders();
}
BENCHMARK(BM_RoomBackdropFadeFrame)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tundle
