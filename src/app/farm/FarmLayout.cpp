#include "farm/FarmLayout.h"

#include <algorithm>

namespace tundle {

namespace {

bool isPlot(std::optional<int> plot) {
    return plot && *plot >= 0 && *plot < int(FarmLayout::places.size());
}

bool holds(const QRectF& rect, QPointF point) {
    return point.x() >= rect.left() && point.x() < rect.right() && point.y() >= rect.top() &&
           point.y() < rect.bottom();
}

std::vector<std::pair<FarmInlineAction, QString>> actionsFor(const FarmPlot& plot,
                                                             const QDateTime& now) {
    if (!plot.crop) {
        if (!plot.tilled) {
            return {{FarmInlineAction::loosen(), QStringLiteral("松土")}};
        }
        return {{FarmInlineAction::sow(FarmCrop::radish), QStringLiteral("小萝卜")},
                {FarmInlineAction::sow(FarmCrop::corn), QStringLiteral("玉米")},
                {FarmInlineAction::sow(FarmCrop::watermelon), QStringLiteral("西瓜")}};
    }
    if (plot.progress(now) >= 1) {
        return {{FarmInlineAction::harvest(), QStringLiteral("收获")}};
    }
    if (!plot.watered) {
        return {{FarmInlineAction::water(), QStringLiteral("浇水")}};
    }
    return {};
}

}  // namespace

QPointF FarmLayout::plotCentre(const QRectF& scene, int index) {
    const FarmPlotPlace& place = places.at(std::size_t(index));
    return point(scene, {place.fx, place.fy});
}

std::vector<QRectF> FarmLayout::plotRects(const QRectF& scene, double scale) {
    std::vector<QRectF> rects;
    if (scene.isEmpty()) {
        return rects;
    }
    for (int index = 0; index < int(places.size()); ++index) {
        const QPointF centre = plotCentre(scene, index);
        const double width = places[std::size_t(index)].width * scale;
        const double height = places[std::size_t(index)].height * scale;
        rects.emplace_back(centre.x() - width / 2, centre.y() - height / 2, width, height);
    }
    return rects;
}

std::optional<int> FarmLayout::plotAt(const std::vector<QRectF>& plots, QPointF point) {
    const auto found =
        std::find_if(plots.begin(), plots.end(), [&](const QRectF& r) { return holds(r, point); });
    return found == plots.end() ? std::nullopt : std::optional(int(found - plots.begin()));
}

QPointF FarmLayout::petSpot(std::optional<int> plot) {
    if (!isPlot(plot)) {
        return defaultSpot;
    }
    const FarmPlotPlace& place = places[std::size_t(*plot)];
    return {place.fx + (*plot % 3 == 2 ? -0.09 : 0.09), place.fy - 0.055};
}

QPointF FarmLayout::petPosition(const FarmWalk& walk, const QDateTime& now) {
    if (!walk.to) {
        return petSpot(walk.petPlot);
    }
    const QPointF start = petSpot(walk.from);
    const QPointF end = petSpot(walk.to);
    const double t = std::clamp(walk.start.msecsTo(now) / 1000.0 / walkSeconds, 0.0, 1.0);
    return start + (end - start) * (t * t * (3 - 2 * t));
}

std::vector<FarmInlineButton> FarmLayout::inlineButtons(const FarmButtonState& state) {
    if (state.walking || !state.idle || !state.selected || !state.plots) {
        return {};
    }
    const int index = *state.selected;
    const std::vector<QRectF> rects = plotRects(state.scene, state.scale);
    if (index < 0 || index >= int(state.plots->size()) || index >= int(rects.size())) {
        return {};
    }
    const auto actions = actionsFor((*state.plots)[std::size_t(index)], state.now);
    const double s = state.scale;
    const int n = int(actions.size());
    const double w = (n == 3 ? 32 : 54) * s;
    const double h = (n == 3 ? 30 : 23) * s;
    const double gap = 3 * s;
    const double total = n * w + (n - 1) * gap;
    const QRectF& plot = rects[std::size_t(index)];
    double x0 = plot.center().x() - total / 2;
    x0 = std::min(x0, state.scene.right() - total - 5 * s);
    x0 = std::max(x0, state.scene.left() + 5 * s);
    const double y = plot.top() + 3 * s;
    std::vector<FarmInlineButton> buttons;
    for (int i = 0; i < n; ++i) {
        const auto& [action, title] = actions[std::size_t(i)];
        buttons.push_back({action, title, QRectF(x0 + i * (w + gap), y, w, h)});
    }
    return buttons;
}

std::optional<FarmInlineAction> FarmLayout::actionAt(const std::vector<FarmInlineButton>& buttons,
                                                     QPointF point) {
    for (const FarmInlineButton& button : buttons) {
        if (holds(button.rect, point)) {
            return button.action;
        }
    }
    return std::nullopt;
}

}  // namespace tundle
