#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QPainter>

#include "companion/BreathMoment.h"
#include "controlcentre/BreathBloom.h"
#include "controlcentre/BreathingPanel.h"
#include "controlcentre/BreathingView.h"
#include "controlcentre/BreathingWindowController.h"
#include "support/FakeSessionEvents.h"
#include "support/ModelTestWorld.h"

namespace tundle {
namespace {

// One frame of the running picture at scale 1: the dots laid out, both glows blurred, the
// centre light, and the pet's two frames added. Every frame is a new instant, so nothing is
// reused from the frame before.
void BM_BreathBloomFrame(benchmark::State& state) {
    test::ModelTestWorld world;
    auto model = world.model();
    QImage image(400, 380, QImage::Format_ARGB32_Premultiplied);
    BreathBloom bloom;
    double elapsed = 0;
    for (auto _ : state) {
        elapsed += 1.0 / 30;
        const BreathMoment moment = BreathMoment::at(elapsed);
        image.fill(Qt::black);
        QPainter painter(&image);
        bloom.paint(painter, QRectF(0, 0, 400, 380), moment.expansion, moment.elapsed,
                    model->assets().breathingFrames(moment, false), 1);
    }
}
BENCHMARK(BM_BreathBloomFrame)->Unit(benchmark::kMillisecond);

// The whole 720 × 740 panel at scale 1 with a running exercise, as its paint event and its
// buttons draw it, a new instant each time.
void BM_BreathingPanelFrame(benchmark::State& state) {
    test::ModelTestWorld world;
    auto model = world.model();
    test::FakeSessionEvents session;
    BreathingWindowController controller(
        *model, session,
        BreathingWindowController::Desk{
            .pointer = [] { return QPoint(10, 10); },
            .screens = [] { return std::vector<BreathingWindowController::ScreenArea>{}; },
            .primary = [] { return std::optional<QRect>(QRect(0, 0, 1440, 900)); },
        });
    model->setShowBreathing([&controller] { controller.show(); });
    model->presentBreathing();
    model->startBreathing();
    QCoreApplication::processEvents();
    BreathingPanel& panel = *controller.panel();
    QImage image(panel.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        world.scheduler.advance(1.0 / 30);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        panel.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    }
}
BENCHMARK(BM_BreathingPanelFrame)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tundle
