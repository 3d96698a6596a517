#include <benchmark/benchmark.h>

#include <QApplication>

#include "controlcentre/ControlCenter.h"
#include "drawing/PictureCache.h"
#include "shell/ControlCenterWindow.h"
#include "support/FakeSessionEvents.h"
#include "support/ModelTestWorld.h"
#include "support/ScriptedFileChooser.h"

namespace tundle {
namespace {

// A click on a sidebar page until the new page is built, laid out and drawn in the window, for
// each page in turn.
void BM_PageSwitch(benchmark::State& state) {
    test::ModelTestWorld world;
    std::unique_ptr<AppModel> model = world.model();
    test::FakeSessionEvents session;
    test::ScriptedFileChooser chooser;
    PictureCache pictures([&world] { return world.scheduler.elapsed; });
    ControlCenterWindow window(*model, {.session = session,
                                        .chooser = chooser,
                                        .pictures = pictures,
                                        .calendar = Calendar(QTimeZone::utc())});
    window.present();
    QApplication::processEvents();
    const std::array pages{PanelPage::shortcuts, PanelPage::clipboard, PanelPage::settings,
                           PanelPage::home};
    std::size_t next = 0;
    for (auto _ : state) {
        model->setPage(pages[next++ % pages.size()]);
        QApplication::processEvents();
        window.repaint();
    }
}
BENCHMARK(BM_PageSwitch)->Unit(benchmark::kMillisecond)->Iterations(40);

}  // namespace
}  // namespace tundle
