#pragma once

namespace tundle {

// Whether a window lets clicks fall through to whatever lies beneath it.
class InputPassThrough {
public:
    virtual ~InputPassThrough() = default;

    // true: the whole window lets clicks through; false: the whole window takes them, at
    // whatever size it has now or later.
    virtual void setPassThrough(bool passThrough) = 0;
};

}  // namespace tundle
