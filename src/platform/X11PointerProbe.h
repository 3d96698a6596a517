#pragma once

#include <optional>

#include "platform/PointerProbe.h"
#include "platform/X11Connection.h"

namespace tundle {

// Asks the X server for the pointer, so presses in other applications' windows count too; one
// request per question, asked only when something needs the answer. Without an X connection it
// can only see the cursor and this application's own buttons.
class X11PointerProbe : public PointerProbe {
public:
    explicit X11PointerProbe(std::optional<X11Connection> x11) : x11_(x11) {}

    std::optional<PointerState> query() override;

private:
    std::optional<X11Connection> x11_;
};

}  // namespace tundle
