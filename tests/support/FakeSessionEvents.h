#pragma once

#include "platform/SessionEvents.h"

namespace tundle::test {

// The session's events as the test tells them.
struct FakeSessionEvents : SessionEvents {
    using SessionEvents::reportSleep;
    using SessionEvents::setLowPower;
    using SessionEvents::setReduceMotion;
    using SessionEvents::setScreensAsleep;
    using SessionEvents::setSessionActive;
};

}  // namespace tundle::test
