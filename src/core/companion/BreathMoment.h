#pragma once

#include <optional>

namespace tundle {

// One sample of the eight-second breath: four seconds in, four seconds out.
struct BreathMoment {
    bool inhaling = true;
    // 0 at the start of an inhale, 1 at its end, back to 0 at the end of the exhale.
    double expansion = 0.0;
    double elapsed = 0.0;
    // Position within the current breath, 0 up to 1.
    double cycleProgress = 0.0;

    static constexpr double breathSeconds = 8.0;

    static BreathMoment at(double elapsed);

    // Position in 0 up to `count` in a strip of animation frames: forward from `rest` to `peak`
    // over the inhale, then on forward, wrapping past the strip's end, back to `rest`. Without a
    // peak it lies half a strip after the rest frame.
    double sourceFramePosition(int count, int rest, std::optional<int> peak) const;

    bool operator==(const BreathMoment&) const = default;
};

}  // namespace tundle
