#pragma once

#include <QPointF>
#include <QRectF>
#include <optional>
#include <vector>

#include "farm/FarmLayout.h"

namespace tundle {

// What the mouse has done to the farm so far.
struct FarmPointerState {
    std::optional<int> selected = {};
    std::optional<int> hover = {};
    std::optional<int> pressedPlot = {};
    std::optional<FarmInlineAction> pressedAction = {};
};

// The farm as the mouse finds it at one moment.
struct FarmTargets {
    // Empty while the farm is hidden.
    QRectF scene;
    std::vector<QRectF> plots;
    std::vector<FarmInlineButton> buttons;
};

// What the canvas does after the farm had its turn with a mouse event.
struct FarmPointerOutcome {
    // The farm took the press: no drag of the pet starts.
    bool handled = false;
    bool redraw = false;
    bool dismissBubble = false;
    std::optional<FarmInlineAction> perform = {};
};

// The farm's mouse rules, after the speech bubble has had its turn: buttons before plots, a
// click between plots clears the selection, and a release acts only where the press began.
class FarmPointerRules {
public:
    FarmPointerRules() = delete;

    static FarmPointerOutcome press(FarmPointerState& state, const FarmTargets& targets,
                                    QPointF point);
    static FarmPointerOutcome release(FarmPointerState& state, const FarmTargets& targets,
                                      QPointF point);
    // Redraws when the plot under the pointer changed, and always when the pointer left the
    // canvas (none).
    static FarmPointerOutcome move(FarmPointerState& state, const FarmTargets& targets,
                                   std::optional<QPointF> point);
};

}  // namespace tundle
