#include "platform/FloatingPanel.h"

#include <QWidget>
#include <array>

#include "platform/X11Connection.h"

namespace tundle {

namespace {

// Written before the window is mapped, the hints ask the window manager for the placement
// directly; Qt keeps state atoms it does not manage when it maps the window.
void writeDesktopHints(const X11Connection& x11, xcb_window_t window) {
    const std::array<xcb_atom_t, 4> states = {
        x11.atom("_NET_WM_STATE_SKIP_TASKBAR"), x11.atom("_NET_WM_STATE_SKIP_PAGER"),
        x11.atom("_NET_WM_STATE_STICKY"), x11.atom("_NET_WM_STATE_ABOVE")};
    xcb_change_property(x11.get(), XCB_PROP_MODE_REPLACE, window, x11.atom("_NET_WM_STATE"),
                        XCB_ATOM_ATOM, 32, states.size(), states.data());
    const uint32_t everyDesktop = 0xFFFFFFFF;
    xcb_change_property(x11.get(), XCB_PROP_MODE_REPLACE, window, x11.atom("_NET_WM_DESKTOP"),
                        XCB_ATOM_CARDINAL, 32, 1, &everyDesktop);
    xcb_flush(x11.get());
}

}  // namespace

void FloatingPanel::configure(QWidget& panel) {
    panel.setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                         Qt::WindowDoesNotAcceptFocus | Qt::NoDropShadowWindowHint);
    panel.setAttribute(Qt::WA_TranslucentBackground);
    panel.setAttribute(Qt::WA_ShowWithoutActivating);
    panel.setAttribute(Qt::WA_X11NetWmWindowTypeUtility);
    const WId window = panel.winId();
    if (const std::optional<X11Connection> x11 = X11Connection::ofApplication()) {
        writeDesktopHints(*x11, static_cast<xcb_window_t>(window));
    }
}

}  // namespace tundle
