#pragma once

#include <functional>
#include <memory>

#include "model/Scheduler.h"

namespace tundle {

// Runs work every `seconds` on one slot of the scheduler until stopped; the first run comes one
// period after the start.
class RepeatingTimer {
public:
    explicit RepeatingTimer(Scheduler& scheduler) : slot_(scheduler.makeOneShot()) {}

    void start(double seconds, std::function<void()> work);
    void stop() { slot_->cancel(); }

private:
    void arm();

    std::unique_ptr<OneShot> slot_;
    double seconds_ = 0;
    std::shared_ptr<std::function<void()>> work_;
};

}  // namespace tundle
