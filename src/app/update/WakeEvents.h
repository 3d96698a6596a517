#pragma once

#include <functional>

namespace tundle {

// Tells when it is worth looking for updates again: the system woke from sleep, or the
// application became active.
class WakeEvents {
public:
    virtual ~WakeEvents() = default;
    // Replaces the previous handler; called on the main thread.
    virtual void setOnWake(std::function<void()> woke) = 0;
};

}  // namespace tundle
