#pragma once

#include <QPointF>

#include "model/AppModel.h"
#include "pet/PetCanvas.h"
#include "pet/PetPanel.h"
#include "support/ModelTestWorld.h"

namespace tundle::test {

// A shown pet panel with the farm beside the pet, on a test world's clocks.
struct FarmPanelScene {
    FarmPanelScene(ModelTestWorld& world, AppModel& model)
        : world(world),
          panel(model, model.farm(),
                {[&world] { return world.scheduler.now(); },
                 [&world] { return world.scheduler.elapsed; }}) {
        panel.setGeometry(100, 80, 444, 600);
        panel.show();
        canvas().tick();
    }

    PetCanvas& canvas() { return panel.canvas(); }

    // A click at `point` of the farm, in bottom-up points.
    void click(QPointF point) {
        canvas().farmMousePressed(point);
        canvas().farmMouseReleased(point);
    }

    // Selects plot `index`, presses its first button ("松土" on untilled ground) and lets the pet
    // walk there and work until the plot offers `buttons` buttons, or 15 s have passed.
    void loosen(int index, std::size_t buttons = 3) {
        click(canvas().plotRects()[std::size_t(index)].center());
        click(canvas().farmInlineButtons().at(0).rect.center());
        for (int step = 0; step < 60 && canvas().farmInlineButtons().size() != buttons; ++step) {
            world.scheduler.advance(0.25);
            canvas().tick();
        }
    }

    ModelTestWorld& world;
    PetPanel panel;
};

}  // namespace tundle::test
