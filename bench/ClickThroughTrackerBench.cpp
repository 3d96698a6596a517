#include <benchmark/benchmark.h>

#include <QRect>

#include "platform/X11InputPassThrough.h"
#include "platform/X11PointerProbe.h"
#include "platform/XvfbServer.h"
#include "shell/ClickThroughTracker.h"

namespace tundle {
namespace {

struct StillPointer : PointerProbe {
    std::optional<PointerState> query() override { return PointerState{QPoint(10, 10), false}; }
};

struct CountingInput : InputPassThrough {
    int requests = 0;
    void setPassThrough(bool) override { ++requests; }
};

// Ticks of a tracker over a still pointer, counting what reaches the window.
void measureStillTicks(benchmark::State& state, PointerProbe& pointer) {
    CountingInput input;
    const QRect pet(100, 100, 254, 254);
    ClickThroughTracker tracker(
        pointer, input, [] { return true; },
        [&pet](QPoint position) { return pet.contains(position); });
    tracker.tick();
    input.requests = 0;
    for (auto _ : state) {
        tracker.tick();
    }
    state.counters["window requests"] = input.requests;
}

// One tick while nothing changes: the decision alone, and no request to the window.
void BM_TrackingTickWhileStill(benchmark::State& state) {
    StillPointer pointer;
    measureStillTicks(state, pointer);
}
BENCHMARK(BM_TrackingTickWhileStill);

// The same against a real X server with a still pointer: the probe reads its raw events and,
// finding none, asks the server nothing.
void BM_TrackingTickOnX11(benchmark::State& state) {
    test::XvfbServer server;
    if (!server.running()) {
        state.SkipWithError("Xvfb is not available");
        return;
    }
    const X11Connection x11 = *X11Connection::of(server.connection());
    X11PointerProbe pointer(x11, server.display());
    measureStillTicks(state, pointer);
}
BENCHMARK(BM_TrackingTickOnX11)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tundle
