#include "companion/BreathingService.h"

#include <algorithm>
#include <cmath>
#include <ctime>

#include "companion/ReminderService.h"

namespace tundle {

qint64 BreathingService::systemUptime() {
    // CLOCK_MONOTONIC stands still while the machine sleeps, like the time the exercise counts.
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<qint64>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

BreathingService::BreathingService(Clock now, bool automaticallyTicks, QObject* parent)
    : QObject(parent), now_(std::move(now)) {
    if (automaticallyTicks) {
        connect(&timer_, &QTimer::timeout, this, &BreathingService::tick);
        timer_.start(1000);
    }
}

QString BreathingService::remainingText() const {
    return ReminderService::format(remainingSeconds_);
}

BreathMoment BreathingService::moment() const {
    double left = remainingSeconds_;
    if (state_ == BreathingState::running) {
        left = std::max(deadline_ ? secondsUntilDeadline() : remainingSeconds_, 0.0);
    }
    return BreathMoment::at(durationMinutes_ * 60.0 - left);
}

void BreathingService::setOnComplete(std::function<void()> onComplete) {
    onComplete_ = std::move(onComplete);
}

void BreathingService::setDuration(int minutes) {
    if (state_ == BreathingState::running || state_ == BreathingState::paused) {
        return;
    }
    const bool offered = std::find(durations.begin(), durations.end(), minutes) != durations.end();
    setDurationMinutes(offered ? minutes : defaultMinutes);
    reset();
}

void BreathingService::reset() {
    deadline_.reset();
    setRemainingSeconds(durationMinutes_ * 60.0);
    setState(BreathingState::idle);
}

void BreathingService::start() {
    if (state_ != BreathingState::idle && state_ != BreathingState::completed) {
        return;
    }
    setRemainingSeconds(durationMinutes_ * 60.0);
    deadline_ = now_() + std::llround(remainingSeconds_ * 1000.0);
    setState(BreathingState::running);
}

void BreathingService::pause() {
    if (state_ != BreathingState::running) {
        return;
    }
    tick();
    if (state_ == BreathingState::running) {
        deadline_.reset();
        setState(BreathingState::paused);
    }
}

void BreathingService::resume() {
    if (state_ != BreathingState::paused) {
        return;
    }
    deadline_ = now_() + std::llround(remainingSeconds_ * 1000.0);
    setState(BreathingState::running);
}

void BreathingService::tick() {
    if (state_ != BreathingState::running || !deadline_) {
        return;
    }
    setRemainingSeconds(std::max(secondsUntilDeadline(), 0.0));
    // Observers of the remaining time may already have reset or paused the exercise.
    if (state_ != BreathingState::running || remainingSeconds_ > 0.0) {
        return;
    }
    deadline_.reset();
    setState(BreathingState::completed);
    if (onComplete_) {
        const auto callback = onComplete_;
        callback();
    }
}

void BreathingService::setDurationMinutes(int minutes) {
    if (minutes == durationMinutes_) {
        return;
    }
    durationMinutes_ = minutes;
    emit durationMinutesChanged();
    emit changed();
}

void BreathingService::setRemainingSeconds(double seconds) {
    if (seconds == remainingSeconds_) {
        return;
    }
    remainingSeconds_ = seconds;
    emit remainingSecondsChanged();
    emit changed();
}

void BreathingService::setState(BreathingState state) {
    if (state == state_) {
        return;
    }
    state_ = state;
    emit stateChanged();
    emit changed();
}

double BreathingService::secondsUntilDeadline() const {
    return static_cast<double>(*deadline_ - now_()) / 1000.0;
}

}  // namespace tundle
