#include "farm/FarmPointerRules.h"

#include <utility>

namespace tundle {

FarmPointerOutcome FarmPointerRules::press(FarmPointerState& state, const FarmTargets& targets,
                                           QPointF point) {
    state.pressedPlot.reset();
    state.pressedAction.reset();
    if (const std::optional<FarmInlineAction> action =
            FarmLayout::actionAt(targets.buttons, point)) {
        state.pressedAction = action;
        return {.handled = true, .redraw = true};
    }
    if (const std::optional<int> plot = FarmLayout::plotAt(targets.plots, point)) {
        state.pressedPlot = plot;
        return {.handled = true};
    }
    const QRectF& r = targets.scene;
    if (!r.isEmpty() && point.x() >= r.left() && point.x() < r.right() && point.y() >= r.top() &&
        point.y() < r.bottom()) {
        state.selected.reset();
        return {.handled = true, .redraw = true};
    }
    return {};
}

FarmPointerOutcome FarmPointerRules::release(FarmPointerState& state, const FarmTargets& targets,
                                             QPointF point) {
    if (const std::optional<FarmInlineAction> pressed = std::exchange(state.pressedAction, {})) {
        FarmPointerOutcome outcome{.handled = true, .redraw = true};
        if (FarmLayout::actionAt(targets.buttons, point) == pressed) {
            outcome.perform = pressed;
        }
        return outcome;
    }
    if (const std::optional<int> pressed = std::exchange(state.pressedPlot, {})) {
        if (FarmLayout::plotAt(targets.plots, point) != pressed) {
            return {.handled = true};
        }
        state.selected = state.selected == pressed ? std::nullopt : pressed;
        return {.handled = true, .redraw = true, .dismissBubble = true};
    }
    return {};
}

FarmPointerOutcome FarmPointerRules::move(FarmPointerState& state, const FarmTargets& targets,
                                          std::optional<QPointF> point) {
    const std::optional<int> hover =
        point ? FarmLayout::plotAt(targets.plots, *point) : std::nullopt;
    const bool changed = hover != state.hover;
    state.hover = hover;
    return {.redraw = changed || !point};
}

}  // namespace tundle
