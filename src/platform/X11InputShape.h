#pragma once

#include <xcb/xcb.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "platform/InputShape.h"
#include "platform/X11Connection.h"

namespace tundle {

// A window's X input shape (SHAPE extension): the server hit-tests every press against it with
// no help from us, and a press that starts inside keeps its events through the implicit grab,
// wherever the pointer goes until the release. Does nothing without an X connection or without
// the extension: the window then takes every click.
class X11InputShape : public InputShape {
public:
    // `window` answers the X window when it is needed (a widget's native window may come later).
    X11InputShape(std::optional<X11Connection> x11, std::function<uint32_t()> window);

    bool available() const { return x11_.has_value(); }
    void set(const QRegion& pixels) override;

private:
    std::optional<X11Connection> x11_;
    std::function<uint32_t()> window_;
    std::vector<xcb_rectangle_t> rectangles_;
};

}  // namespace tundle
