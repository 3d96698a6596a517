#include "companion/BreathMoment.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tundle {

BreathMoment BreathMoment::at(double elapsed) {
    const double passed = std::max(elapsed, 0.0);
    const double position = std::fmod(passed, breathSeconds);
    return BreathMoment{
        .inhaling = position < breathSeconds / 2.0,
        .expansion = (1.0 - std::cos(position * std::numbers::pi / 4.0)) / 2.0,
        .elapsed = passed,
        .cycleProgress = position / breathSeconds,
    };
}

double BreathMoment::sourceFramePosition(int count, int rest, std::optional<int> peak) const {
    if (count < 2) {
        return 0.0;
    }
    const int restFrame = std::clamp(rest, 0, count - 1);
    const int peakFrame = std::clamp(peak.value_or((restFrame + count / 2) % count), 0, count - 1);
    const int span = (peakFrame - restFrame + count) % count;
    const double p = cycleProgress;
    double x = 0.0;
    if (span == 0) {
        x = p * count + restFrame;
    } else if (p < 0.5) {
        x = 2.0 * p * span + restFrame;
    } else {
        x = 2.0 * (p - 0.5) * (count - span) + restFrame + span;
    }
    return std::fmod(x, static_cast<double>(count));
}

}  // namespace tundle
