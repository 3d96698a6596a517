#include "update/RepeatingTimer.h"

namespace tundle {

void RepeatingTimer::start(double seconds, std::function<void()> work) {
    seconds_ = seconds;
    work_ = std::make_shared<std::function<void()>>(std::move(work));
    arm();
}

void RepeatingTimer::arm() {
    // The work may stop or restart this timer; it then runs on a copy that stays alive.
    slot_->start(seconds_, [this, work = work_] {
        arm();
        (*work)();
    });
}

}  // namespace tundle
