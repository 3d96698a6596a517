#include "editors/RoomCrossFade.h"

#include <QEasingCurve>
#include <algorithm>

namespace tundle {

namespace {

// The curve of an ease-in-out animation: a cubic Bézier through (0.42, 0) and (0.58, 1).
double easeInOut(double t) {
    static const QEasingCurve curve = [] {
        QEasingCurve bezier(QEasingCurve::BezierSpline);
        bezier.addCubicBezierSegment(QPointF(0.42, 0), QPointF(0.58, 1), QPointF(1, 1));
        return bezier;
    }();
    return curve.valueForProgress(std::clamp(t, 0.0, 1.0));
}

}  // namespace

RoomCrossFade::RoomCrossFade(const RoomAtmosphere& atmosphere)
    : previous_(atmosphere), target_(atmosphere), from_(RoomLayers::of(atmosphere)) {}

void RoomCrossFade::aim(const RoomAtmosphere& target, double now, bool instant) {
    if (target == target_) {
        if (instant) {
            running_ = false;
        }
        return;
    }
    if (instant) {
        previous_ = target;
        target_ = target;
        running_ = false;
        return;
    }
    from_ = layers(now);
    // Midway, the effects that fade out are the ones that show more.
    if (!running_ || progress(now) >= 0.5) {
        previous_ = target_;
    }
    target_ = target;
    start_ = now;
    running_ = true;
}

bool RoomCrossFade::fading(double now) const {
    return running_ && now - start_ < duration;
}

double RoomCrossFade::progress(double now) const {
    if (!running_) {
        return 1;
    }
    return easeInOut((now - start_) / duration);
}

RoomLayers RoomCrossFade::layers(double now) const {
    const RoomLayers to = RoomLayers::of(target_);
    return running_ ? RoomLayers::mix(from_, to, progress(now)) : to;
}

}  // namespace tundle
