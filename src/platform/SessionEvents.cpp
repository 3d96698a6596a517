#include "platform/SessionEvents.h"

namespace tundle {

void SessionEvents::reportSleep(bool sleeping) {
    if (sleeping) {
        emit willSleep();
    } else {
        emit woke();
    }
}

void SessionEvents::setScreensAsleep(bool asleep) {
    if (screensAsleep_ != asleep) {
        screensAsleep_ = asleep;
        emit screensAsleepChanged(asleep);
    }
}

void SessionEvents::setSessionActive(bool active) {
    if (sessionActive_ != active) {
        sessionActive_ = active;
        emit sessionActiveChanged(active);
    }
}

void SessionEvents::setLowPower(bool on) {
    if (lowPower_ != on) {
        lowPower_ = on;
        emit lowPowerChanged(on);
    }
}

void SessionEvents::setReduceMotion(bool on) {
    if (reduceMotion_ != on) {
        reduceMotion_ = on;
        emit reduceMotionChanged(on);
    }
}

}  // namespace tundle
