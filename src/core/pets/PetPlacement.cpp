#include "pets/PetPlacement.h"

#include <QLatin1String>

namespace tundle {

std::optional<PetPlacement> PetPlacement::of(QStringView clip) {
    for (const PetPlacement& row : petPlacements) {
        if (clip == QLatin1String(row.clip)) {
            return row;
        }
    }
    return std::nullopt;
}

QRectF PetPlacement::apply(const QRectF& rect) const {
    const double unit = rect.width() / 320.0;
    const double width = rect.width() * scale;
    const double height = rect.height() * scale;
    const QPointF centre = rect.center();
    return {centre.x() - width / 2 + dx * unit, centre.y() - height / 2 - dy * unit, width, height};
}

}  // namespace tundle
