#pragma once

#include <QObject>

namespace tundle {

// What the desktop session tells the windows that keep time: the system going to sleep and
// waking, the screens asleep, this session switched away from, low-power mode and the
// desktop's reduce-motion setting. This base is the quiet source (awake, active, not
// low-power, motion allowed) and never signals; the D-Bus source and the tests' fake feed it.
class SessionEvents : public QObject {
    Q_OBJECT

public:
    explicit SessionEvents(QObject* parent = nullptr) : QObject(parent) {}

    bool screensAsleep() const { return screensAsleep_; }
    bool sessionActive() const { return sessionActive_; }
    bool lowPower() const { return lowPower_; }
    bool reduceMotion() const { return reduceMotion_; }

signals:
    void willSleep();
    void woke();
    void screensAsleepChanged(bool asleep);
    void sessionActiveChanged(bool active);
    void lowPowerChanged(bool on);
    void reduceMotionChanged(bool on);

protected:
    // The system is about to sleep (true) or is back (false).
    void reportSleep(bool sleeping);
    void setScreensAsleep(bool asleep);
    void setSessionActive(bool active);
    void setLowPower(bool on);
    void setReduceMotion(bool on);

private:
    bool screensAsleep_ = false;
    bool sessionActive_ = true;
    bool lowPower_ = false;
    bool reduceMotion_ = false;
};

}  // namespace tundle
