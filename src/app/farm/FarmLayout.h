#pragma once

#include <QDateTime>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "model/FarmCrop.h"
#include "model/FarmPlot.h"

namespace tundle {

// What a small button beside the selected plot does.
struct FarmInlineAction {
    enum class Kind { sow, loosen, water, harvest };

    Kind kind = Kind::loosen;
    // Only a sow button names a crop.
    FarmCrop crop = FarmCrop::radish;

    static FarmInlineAction sow(FarmCrop crop) { return {Kind::sow, crop}; }
    static FarmInlineAction loosen() { return {Kind::loosen, FarmCrop::radish}; }
    static FarmInlineAction water() { return {Kind::water, FarmCrop::radish}; }
    static FarmInlineAction harvest() { return {Kind::harvest, FarmCrop::radish}; }

    bool operator==(const FarmInlineAction& other) const {
        return kind == other.kind && (kind != Kind::sow || crop == other.crop);
    }
};

struct FarmInlineButton {
    FarmInlineAction action;
    QString title;
    // In the canvas's bottom-up points.
    QRectF rect;
};

// Where a plot lies in the farm scene: its centre as fractions of the scene's width and height
// (y upward) and its size in points at scale 1.
struct FarmPlotPlace {
    double fx;
    double fy;
    double width;
    double height;
};

// The pet's walk between plots, as the model reports it.
struct FarmWalk {
    std::optional<int> petPlot;
    std::optional<int> from;
    std::optional<int> to;
    QDateTime start;
};

// What decides which buttons the selected plot shows.
struct FarmButtonState {
    QRectF scene;
    double scale = 1;
    bool walking = false;
    // The pet plays its idle clip.
    bool idle = true;
    std::optional<int> selected;
    const std::vector<FarmPlot>* plots = nullptr;
    QDateTime now;
};

// The farm scene's geometry in the canvas's bottom-up points: the nine plots, where the pet
// stands or walks, and the buttons beside the selected plot. The artwork generator paints the
// soil patches from the same table.
class FarmLayout {
public:
    FarmLayout() = delete;

    static constexpr std::array<FarmPlotPlace, 9> places{{
        {0.20, 0.46, 78, 36},
        {0.50, 0.46, 78, 36},
        {0.80, 0.46, 78, 36},
        {0.18, 0.335, 88, 45},
        {0.50, 0.335, 88, 45},
        {0.82, 0.335, 88, 45},
        {0.16, 0.18, 94, 56},
        {0.50, 0.18, 94, 56},
        {0.84, 0.18, 94, 56},
    }};
    static constexpr double walkSeconds = 0.62;
    static constexpr QPointF defaultSpot{0.5, 0.54};

    static QPointF point(const QRectF& scene, QPointF fraction) {
        return {scene.x() + fraction.x() * scene.width(),
                scene.y() + fraction.y() * scene.height()};
    }
    static QPointF plotCentre(const QRectF& scene, int index);
    // Empty while the scene is.
    static std::vector<QRectF> plotRects(const QRectF& scene, double scale);
    // The first plot, by index, whose rectangle holds `point`.
    static std::optional<int> plotAt(const std::vector<QRectF>& plots, QPointF point);

    // Where the pet stands at a plot, as scene fractions; any index outside the plots is none.
    static QPointF petSpot(std::optional<int> plot);
    // Eases from spot to spot over the walk's 0.62 s, however soon the pet arrives.
    static QPointF petPosition(const FarmWalk& walk, const QDateTime& now);

    static std::vector<FarmInlineButton> inlineButtons(const FarmButtonState& state);
    static std::optional<FarmInlineAction> actionAt(const std::vector<FarmInlineButton>& buttons,
                                                    QPointF point);
};

}  // namespace tundle
