#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <array>
#include <functional>
#include <optional>

#include "companion/BreathMoment.h"

namespace tundle {

enum class BreathingState { idle, running, paused, completed };

// The countdown of a guided breathing exercise. It runs on a monotonic clock, so changing the
// wall-clock time never moves a running exercise.
class BreathingService : public QObject {
    Q_OBJECT

public:
    // Milliseconds of a clock that only moves forward while the machine is awake.
    using Clock = std::function<qint64()>;
    static constexpr std::array<int, 4> durations{1, 2, 3, 5};
    static constexpr int defaultMinutes = 3;

    static qint64 systemUptime();

    explicit BreathingService(Clock now = systemUptime, bool automaticallyTicks = true,
                              QObject* parent = nullptr);

    int durationMinutes() const { return durationMinutes_; }
    double remainingSeconds() const { return remainingSeconds_; }
    BreathingState state() const { return state_; }
    QString remainingText() const;
    // Sampled on every animation frame: reads the clock once and does a little arithmetic.
    BreathMoment moment() const;

    // Called once when a running exercise reaches zero, after the state has become completed.
    void setOnComplete(std::function<void()> onComplete);

    // Ignored during an exercise; a length not in `durations` becomes the default.
    void setDuration(int minutes);
    void reset();
    void start();
    void pause();
    void resume();
    void tick();

signals:
    void durationMinutesChanged();
    void remainingSecondsChanged();
    void stateChanged();
    void changed();

private:
    void setDurationMinutes(int minutes);
    void setRemainingSeconds(double seconds);
    void setState(BreathingState state);
    double secondsUntilDeadline() const;

    Clock now_;
    int durationMinutes_ = defaultMinutes;
    double remainingSeconds_ = defaultMinutes * 60.0;
    BreathingState state_ = BreathingState::idle;
    std::optional<qint64> deadline_;
    std::function<void()> onComplete_;
    QTimer timer_;
};

}  // namespace tundle
