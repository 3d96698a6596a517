#include "pet/NextChange.h"

#include <algorithm>
#include <cmath>

#include "support/ReferenceDate.h"

namespace tundle {

namespace {

// Seconds from `value` to the next multiple of `step` strictly after it.
double toNextStep(double value, double step) {
    const double next = (std::floor(value / step) + 1) * step;
    return std::max(next - value, 0.0);
}

void keepSooner(std::optional<double>& soonest, std::optional<double> candidate) {
    if (candidate && (!soonest || *candidate < *soonest)) {
        soonest = candidate;
    }
}

}  // namespace

std::optional<double> NextChange::after(const ClockDrivenState& state) {
    std::optional<double> soonest = state.nextFrame;
    const double epochSeconds = state.now.toMSecsSinceEpoch() / 1000.0;
    if (state.walking) {
        keepSooner(soonest, toNextStep(ReferenceDate::secondsSince(state.now), 1 / walkSteps));
    }
    if (state.breathingRunning) {
        keepSooner(soonest, toNextStep(epochSeconds, 1));
    }
    if (!state.farmShown) {
        return soonest;
    }
    if (state.cropsGrowing) {
        keepSooner(soonest, toNextStep(epochSeconds, growthStepMilliseconds / 1000.0));
    }
    if (state.countdownEnds) {
        // The label counts whole seconds left, rounded up: it changes as each second passes.
        const qint64 left = state.now.msecsTo(*state.countdownEnds);
        const qint64 part = left % 1000;
        keepSooner(soonest, (left > 0 && part > 0 ? part : 1000) / 1000.0);
    }
    if (state.feedbackFade) {
        keepSooner(soonest, *state.feedbackFade / 1000.0);
    }
    if (state.weatherFalls) {
        keepSooner(soonest, toNextStep(epochSeconds, 1 / weatherSteps));
    }
    return soonest;
}

}  // namespace tundle
