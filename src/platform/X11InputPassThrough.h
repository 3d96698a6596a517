#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "platform/InputPassThrough.h"
#include "platform/X11Connection.h"

namespace tundle {

// Switches a window's X11 input shape: empty to let clicks through, removed to take them. Removing
// the shape (rather than setting it to the window's rectangle) keeps it right when the window
// resizes. Does nothing without an X connection.
class X11InputPassThrough : public InputPassThrough {
public:
    // `window` answers the X window when it is needed (a widget's native window may come later).
    X11InputPassThrough(std::optional<X11Connection> x11, std::function<uint32_t()> window)
        : x11_(x11), window_(std::move(window)) {}

    void setPassThrough(bool passThrough) override;

private:
    std::optional<X11Connection> x11_;
    std::function<uint32_t()> window_;
};

}  // namespace tundle
