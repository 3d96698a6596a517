#include "pet/PetSilhouette.h"

#include <algorithm>

#include "drawing/PixelArea.h"
#include "drawing/YUpSpace.h"
#include "pet/FrameRegions.h"
#include "pets/PetAssets.h"

namespace tundle {

PetSilhouette PetSilhouette::of(const PetFrameState& state) {
    PetSilhouette silhouette;
    const PetSpriteGeometry geometry = PetSpriteGeometry::of(state);
    const QImage* frame =
        state.assets ? state.assets->frame(geometry.clip, state.elapsed, state.still) : nullptr;
    if (!frame) {
        silhouette.placeholder_ =
            YUpSpace::inset(state.spriteRect, state.spriteRect.width() * 0.2, 0);
        return silhouette;
    }
    // Drawn at no opacity at all, a frame shows nothing and takes nothing.
    if (geometry.opacity > 0) {
        silhouette.parts_.push_back({frame, geometry.rect});
    }
    if (geometry.opacity < 1) {
        if (const QImage* idle =
                state.assets->frame(QStringLiteral("idle"), state.elapsed, false)) {
            silhouette.parts_.push_back({idle, state.spriteRect});
        }
    }
    return silhouette;
}

PetSilhouette::Key PetSilhouette::key() const {
    Key key;
    if (placeholder_) {
        key.emplace_back(0, placeholder_->x(), placeholder_->y(), placeholder_->width(),
                         placeholder_->height());
    }
    for (const Part& part : parts_) {
        key.emplace_back(part.frame->cacheKey(), part.rect.x(), part.rect.y(), part.rect.width(),
                         part.rect.height());
    }
    return key;
}

bool PetSilhouette::contains(QPointF point) const {
    if (placeholder_) {
        return YUpSpace::contains(*placeholder_, point);
    }
    return std::any_of(parts_.begin(), parts_.end(), [point](const Part& part) {
        return FrameRegions::opaqueAt(*part.frame, part.rect, point);
    });
}

QRegion PetSilhouette::pixels(FrameRegions& regions, double viewHeight, double ratio) const {
    PixelArea area(viewHeight, ratio);
    if (placeholder_) {
        area.addUp(*placeholder_);
    }
    for (const Part& part : parts_) {
        area.add(regions.region(*part.frame, part.rect, viewHeight, ratio));
    }
    return area.region();
}

}  // namespace tundle
