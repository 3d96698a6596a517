#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include "model/FarmStore.h"
#include "pet/FrameRegions.h"
#include "pet/PetPanel.h"
#include "platform/X11InputShape.h"
#include "platform/XvfbServer.h"
#include "shell/ClickThroughTracker.h"
#include "support/ShownPet.h"

namespace tundle {
namespace {

// The pet on screen without bubble or farm, on a clock the benchmark moves.
using TrackedPet = test::ShownPet;

struct CountingShape : InputShape {
    int sent = 0;
    void set(const QRegion&) override { ++sent; }
};

// The pet hops in a loop whose frames have all been shown once: each step works out the
// interactive area of the next frame (its outline from the cache, the bubble, ring and farm
// rectangles) and sends it as the input shape of a window on a real X server. Argument 1 puts
// up a bubble with two buttons.
void BM_InputShapeOfACachedFrame(benchmark::State& state) {
    test::XvfbServer server;
    if (!server.running()) {
        state.SkipWithError("Xvfb is not available");
        return;
    }
    const X11Connection x11 = *X11Connection::of(server.connection());
    const xcb_window_t window = xcb_generate_id(x11.get());
    xcb_create_window(x11.get(), XCB_COPY_FROM_PARENT, window, x11.root(), 100, 11, 444, 569, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
    xcb_map_window(x11.get(), window);
    X11InputShape shape(x11, [window] { return window; });

    TrackedPet pet;
    PetCanvas& canvas = pet.panel.canvas();
    if (state.range(0) == 1) {
        pet.model->say({.message = QStringLiteral("要休息一下吗？"),
                        .detail = QStringLiteral("已经连续工作 50 分钟了"),
                        .actionTitle = QStringLiteral("好的"),
                        .secondaryTitle = QStringLiteral("稍后提醒")});
        canvas.tick();
    }
    pet.model->play(QStringLiteral("jump"), 3600);
    const QDateTime start = pet.model->animationStart();
    const auto frameAt = [&pet, &start](int frame) {
        pet.now = start.addMSecs(frame * 1000 / 12 + 1);
    };
    for (int frame = 0; frame < 12; ++frame) {
        frameAt(frame);
        canvas.interactivePixels();
    }
    int frame = 0;
    qint64 rectangles = 0;
    for (auto _ : state) {
        frameAt(frame);
        frame = (frame + 1) % 12;
        const QRegion pixels = canvas.interactivePixels();
        shape.set(pixels);
        rectangles += pixels.rectCount();
    }
    state.counters["rectangles"] = double(rectangles) / double(state.iterations());
}
BENCHMARK(BM_InputShapeOfACachedFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The first time a frame shows at a place: its outline worked out from its pixels (a cache
// that has not seen it yet).
void BM_OutlineOfAFrameNotSeenBefore(benchmark::State& state) {
    TrackedPet pet;
    const QImage* frame = pet.model->assets().frame(QStringLiteral("idle"), 0, true);
    if (!frame) {
        state.SkipWithError("the pack has no idle frame");
        return;
    }
    qint64 rectangles = 0;
    for (auto _ : state) {
        FrameRegions regions;
        rectangles += regions.region(*frame, QRectF(170, 0, 254, 254), 569, 1).rectCount();
    }
    state.counters["rectangles"] = double(rectangles) / double(state.iterations());
}
BENCHMARK(BM_OutlineOfAFrameNotSeenBefore)->Unit(benchmark::kMicrosecond);

// Counts every timer event the application delivers.
struct TimerCounter : QObject {
    int timers = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        timers += event->type() == QEvent::Timer ? 1 : 0;
        return false;
    }
};

// The still pet (reduced motion, no bubble, farm hidden) with click-through on, for two
// seconds of the event loop: how many timers fire and how many shapes are sent (none).
void BM_TimersWhileThePetIsStill(benchmark::State& state) {
    TrackedPet pet;
    pet.model->setReduceMotion(true);
    CountingShape shape;
    ClickThroughTracker tracker(pet.panel.canvas(), shape);
    tracker.start();
    QCoreApplication::processEvents();
    TimerCounter counter;
    for (auto _ : state) {
        shape.sent = 0;
        QCoreApplication::instance()->installEventFilter(&counter);
        QEventLoop loop;
        QTimer::singleShot(2000, &loop, &QEventLoop::quit);
        loop.exec();
        QCoreApplication::instance()->removeEventFilter(&counter);
    }
    // The one timer that ends the measurement is left out.
    state.counters["timer events"] = counter.timers - 1;
    state.counters["shapes sent"] = shape.sent;
}
BENCHMARK(BM_TimersWhileThePetIsStill)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tundle
