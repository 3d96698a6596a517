#include "pet/PetStageLayout.h"

#include <algorithm>
#include <cmath>

namespace tundle {

double PetStageLayout::balanceFactor(FarmBalance balance) {
    switch (balance) {
        case FarmBalance::pet:
            return 1.18;
        case FarmBalance::farm:
            return 0.82;
        case FarmBalance::balanced:
            break;
    }
    return 1.0;
}

QRectF PetStageLayout::farmSceneRect(bool preview, bool farmVisible, double farmScale) {
    if (preview || !farmVisible) {
        return {};
    }
    return {plainLeft, 0, 300 * farmScale, 400 * farmScale};
}

QRectF PetStageLayout::spriteRect(const SpritePlacement& placement) {
    if (placement.preview) {
        const double side = std::min(placement.boundsWidth, previewMaxSide);
        return {(placement.boundsWidth - side) / 2 - 18, 60, side, side};
    }
    if (!placement.farmVisible) {
        const double side = plainSide * placement.petScale;
        return {plainLeft, 0, side, side};
    }
    const double side =
        placement.farmScale * 104 * balanceFactor(placement.farmBalance) * placement.petScale;
    const QRectF scene = farmSceneRect(false, true, placement.farmScale);
    const QPointF point(scene.x() + placement.farmSpot.x() * scene.width(),
                        scene.y() + placement.farmSpot.y() * scene.height());
    const double hop =
        placement.walking && !placement.reduceMotion
            ? std::abs(std::sin(18 * placement.referenceSeconds)) * 3 * placement.farmScale
            : 0;
    return {point.x() - side / 2, point.y() - 0.05 * side + hop, side, side};
}

QRectF PetStageLayout::bubbleRect(const BubbleLayout& layout, const QRectF& sprite,
                                  double boundsWidth, double boundsHeight, bool preview,
                                  std::optional<double> screenRoom) {
    const double spriteTop = sprite.y() + sprite.height();
    const double y =
        preview ? spriteTop + 12
                : std::min(screenRoom.value_or(boundsHeight) - layout.height - 8, spriteTop + 12);
    double x = std::max(sprite.center().x() - layout.width / 2, 8.0);
    x = std::min(boundsWidth - layout.width - 8, x);
    return {x, y, layout.width, layout.height};
}

double PetStageLayout::wantedHeight(double contentTop, std::optional<double> bubbleHeight) {
    return contentTop + (bubbleHeight ? std::max(bubbleRoom, *bubbleHeight + 34) : bubbleRoom);
}

}  // namespace tundle
