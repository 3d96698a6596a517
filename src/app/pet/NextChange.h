#pragma once

#include <QDateTime>
#include <optional>

namespace tundle {

// What of the pet's picture moves with the clock alone, read at one instant. Every change of
// the model's state arrives as a signal; these are the changes that come without one.
struct ClockDrivenState {
    QDateTime now = {};
    // Seconds until the playing clip shows its next frame.
    std::optional<double> nextFrame = {};
    bool walking = false;
    bool breathingRunning = false;
    // Only while the farm is on screen.
    bool farmShown = false;
    // A crop grows, so the farm's growth stages may change.
    bool cropsGrowing = false;
    // When the crop behind the shown countdown label is ripe.
    std::optional<QDateTime> countdownEnds = {};
    // Milliseconds until the farm's feedback label has faded in.
    std::optional<int> feedbackFade = {};
    // Rain or snow falls over the farm.
    bool weatherFalls = false;
};

// When the next of those changes is due: the soonest instant worth a look, in seconds from
// `state.now`; none when nothing can change until the model says so.
class NextChange {
public:
    NextChange() = delete;

    // The pet's walk steps 30 times a second; falling weather moves at the pet's own pace.
    static constexpr double walkSteps = 30;
    static constexpr double weatherSteps = 12;
    // The farm's growth is looked at in steps of five seconds.
    static constexpr qint64 growthStepMilliseconds = 5000;

    static std::optional<double> after(const ClockDrivenState& state);
};

}  // namespace tundle
