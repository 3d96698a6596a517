#pragma once

#include <QCoreApplication>
#include <QDateTime>

#include "model/FarmStore.h"
#include "pet/PetPanel.h"
#include "support/MemoryDefaults.h"
#include "support/ModelTestWorld.h"

namespace tundle::test {

// The pet panel shown without a bubble, with a farm store of its own and a wall clock that
// stands at `now` until the caller moves it.
struct ShownPet {
    explicit ShownPet(bool farmVisible = false) {
        model->dismissBubble();
        farm.setVisible(farmVisible);
        panel.setGeometry(100, 11, 444, 569);
        panel.show();
        QCoreApplication::processEvents();
        panel.canvas().tick();
    }

    ModelTestWorld world;
    std::unique_ptr<AppModel> model = world.model();
    MemoryDefaults farmDefaults;
    FarmStore farm{farmDefaults};
    QDateTime now = world.scheduler.now();
    PetPanel panel{*model, farm, {[this] { return now; }, [] { return qint64(0); }}};
};

}  // namespace tundle::test
