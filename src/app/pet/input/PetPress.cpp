#include "pet/input/PetPress.h"

#include <cmath>

namespace tundle {

void PetPress::begin(PressKind kind, QPointF screenMouse, QPoint windowOrigin) {
    kind_ = kind;
    mouseStart_ = screenMouse;
    windowStart_ = windowOrigin;
    wasDragged_ = false;
}

std::optional<QPoint> PetPress::drag(QPointF screenMouse) {
    if (kind_ != PressKind::pet) {
        return std::nullopt;
    }
    const QPointF delta = screenMouse - mouseStart_;
    if (std::hypot(delta.x(), delta.y()) <= dragThreshold) {
        return std::nullopt;
    }
    wasDragged_ = true;
    return windowStart_ + delta.toPoint();
}

PressKind PetPress::end() {
    return std::exchange(kind_, PressKind::none);
}

}  // namespace tundle
