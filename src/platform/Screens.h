#pragma once

#include <QRectF>
#include <optional>
#include <vector>

#include "platform/ScreenCoordinates.h"

namespace tundle {

// The screens as the pet panel's placement sees them, in bottom-up points.
class Screens {
public:
    virtual ~Screens() = default;

    // Each screen's visible frame (without panels and docks), in the system's screen order.
    virtual std::vector<QRectF> visibleFrames() const = 0;
    // The main screen's visible frame; none while no screen is attached.
    virtual std::optional<QRectF> mainVisibleFrame() const = 0;
    virtual ScreenCoordinates coordinates() const = 0;
};

}  // namespace tundle
