#pragma once

#include <functional>
#include <memory>

namespace tundle {

// One slot of delayed work on the main thread: starting it again replaces what was pending, so
// an older item can never fire after a newer one was asked for.
class OneShot {
public:
    virtual ~OneShot() = default;
    // Runs `work` once after `seconds` unless the slot is started again or cancelled first.
    virtual void start(double seconds, std::function<void()> work) = 0;
    virtual void cancel() = 0;
};

// Makes the one-shot slots of an owner; the real one runs them on Qt timers, tests on a clock
// of their own.
class Scheduler {
public:
    virtual ~Scheduler() = default;
    virtual std::unique_ptr<OneShot> makeOneShot() = 0;
};

}  // namespace tundle
