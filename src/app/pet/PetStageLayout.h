#pragma once

#include <QPointF>
#include <QRectF>
#include <cmath>
#include <optional>

#include "model/FarmCrop.h"
#include "pet/BubbleLayout.h"

namespace tundle {

// Where the pet stands and how large it is, in the canvas's bottom-up points.
struct SpritePlacement {
    bool preview = false;
    double boundsWidth = 0;
    double petScale = 1;
    bool farmVisible = false;
    double farmScale = 1;
    FarmBalance farmBalance = FarmBalance::balanced;
    // Where the pet stands in the farm scene, as fractions of its width and height.
    QPointF farmSpot{0.5, 0.54};
    // The pet walks between plots (it hops unless motion is reduced).
    bool walking = false;
    bool reduceMotion = false;
    // Seconds since 2001-01-01 UTC: the walk hop's clock.
    double referenceSeconds = 0;
};

// The geometry every part of the pet view derives from: the sprite, the farm scene, the speech
// bubble above the pet and the panel height that leaves room for it.
class PetStageLayout {
public:
    PetStageLayout() = delete;

    static constexpr double plainSide = 254;
    static constexpr double plainLeft = 170;
    static constexpr double previewMaxSide = 260;
    static constexpr double bubbleRoom = 315;
    // A panel height this close to the wanted one is left as it is.
    static constexpr double resizeThreshold = 0.5;

    static double balanceFactor(FarmBalance balance);
    // Empty in the preview and while the farm is hidden.
    static QRectF farmSceneRect(bool preview, bool farmVisible, double farmScale);
    static QRectF spriteRect(const SpritePlacement& placement);

    // `screenRoom`: the height from the panel's bottom edge to the usable top of its screen;
    // none without a window on a screen (the view's own top counts then). The preview ignores it.
    static QRectF bubbleRect(const BubbleLayout& layout, const QRectF& sprite, double boundsWidth,
                             double boundsHeight, bool preview, std::optional<double> screenRoom);

    // The panel height that leaves room for the bubble above the pet or the farm scene;
    // `bubbleHeight` is none while no bubble shows.
    static double wantedHeight(double contentTop, std::optional<double> bubbleHeight);
    static bool needsResize(double currentHeight, double wanted) {
        return std::abs(currentHeight - wanted) > resizeThreshold;
    }
};

}  // namespace tundle
