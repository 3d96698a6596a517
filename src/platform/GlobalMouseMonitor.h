#pragma once

#include <functional>

namespace tundle {

// Reports left and right presses anywhere on the desktop, including other applications' windows.
class GlobalMouseMonitor {
public:
    virtual ~GlobalMouseMonitor() = default;

    // Starts reporting; false when the desktop cannot report them (the monitor then stays off).
    virtual bool start(std::function<void()> onPress) = 0;
    virtual void stop() = 0;
};

}  // namespace tundle
