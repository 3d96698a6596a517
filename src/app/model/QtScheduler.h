#pragma once

#include "model/Scheduler.h"

namespace tundle {

// One-shot slots on single-shot timers of the calling thread's event loop.
class QtScheduler : public Scheduler {
public:
    std::unique_ptr<OneShot> makeOneShot() override;
};

}  // namespace tundle
