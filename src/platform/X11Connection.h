#pragma once

#include <xcb/xcb.h>

#include <optional>

namespace tundle {

// The connection to the X server that Qt opened, with the few look-ups the desktop layer needs.
class X11Connection {
public:
    // None when the application does not run on X11 (offscreen tests, other platforms).
    static std::optional<X11Connection> ofApplication();
    // A connection opened elsewhere, with the root window of its first screen.
    static std::optional<X11Connection> of(xcb_connection_t* connection);

    xcb_connection_t* get() const { return connection_; }
    xcb_window_t root() const { return root_; }
    // XCB_ATOM_NONE when the server cannot name it.
    xcb_atom_t atom(const char* name) const;

private:
    X11Connection(xcb_connection_t* connection, xcb_window_t root)
        : connection_(connection), root_(root) {}

    xcb_connection_t* connection_;
    xcb_window_t root_;
};

}  // namespace tundle
