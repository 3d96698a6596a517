#pragma once

#include <QImage>

namespace tundle {

// The three scenes of the pet resting, stacked in one picture in the rows the off-work card
// cuts: evening (also holidays) on top, morning in the middle, midday at the bottom.
class RestScenes {
public:
    RestScenes() = delete;

    static QImage paint();
};

}  // namespace tundle
