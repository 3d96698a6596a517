#pragma once

#include "editors/RoomLayers.h"
#include "room/RoomAtmosphere.h"

namespace tundle {

// The backdrop's change from one atmosphere to the next: the still layers blend over four
// seconds on an ease-in-out curve, and the weather effects of the old atmosphere fade out while
// the new ones fade in. A new target met midway starts from what shows at that moment.
class RoomCrossFade {
public:
    static constexpr double duration = 4.0;

    explicit RoomCrossFade(const RoomAtmosphere& atmosphere);

    // Heads for `target` from `now` (seconds); `instant` switches at once.
    void aim(const RoomAtmosphere& target, double now, bool instant);

    const RoomAtmosphere& target() const { return target_; }
    const RoomAtmosphere& previous() const { return previous_; }
    bool fading(double now) const;
    // How far the fade is at `now`, eased, 0 to 1 (1 when no fade runs).
    double progress(double now) const;
    RoomLayers layers(double now) const;

private:
    RoomAtmosphere previous_;
    RoomAtmosphere target_;
    RoomLayers from_;
    double start_ = 0;
    bool running_ = false;
};

}  // namespace tundle
