#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <array>
#include <cstdlib>
#include <memory>

#include "platform/X11GlobalMouseMonitor.h"
#include "platform/X11InputShape.h"
#include "platform/X11PointerProbe.h"
#include "platform/XvfbServer.h"
#include "support/RunUntil.h"

namespace tundle {
namespace {

xcb_window_t makeWindow(const X11Connection& x11, int16_t x, int16_t y, uint16_t side) {
    const xcb_window_t window = xcb_generate_id(x11.get());
    const uint32_t overrideRedirect = 1;
    xcb_create_window(x11.get(), XCB_COPY_FROM_PARENT, window, x11.root(), x, y, side, side, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, XCB_CW_OVERRIDE_REDIRECT,
                      &overrideRedirect);
    xcb_map_window(x11.get(), window);
    return window;
}

// The top-level window the server would hand a click at (x, y) to.
xcb_window_t windowAt(const X11Connection& x11, int16_t x, int16_t y) {
    xcb_warp_pointer(x11.get(), XCB_NONE, x11.root(), 0, 0, 0, 0, x, y);
    const std::unique_ptr<xcb_query_pointer_reply_t, decltype(&std::free)> reply(
        xcb_query_pointer_reply(x11.get(), xcb_query_pointer(x11.get(), x11.root()), nullptr),
        &std::free);
    return reply != nullptr ? reply->child : xcb_window_t{XCB_NONE};
}

// One server for everything, to keep the suite quick.
TEST(X11DesktopTest, ClickThroughPointerAndPressesOnARealServer) {
    test::XvfbServer server;
    const QString xdotool = QStandardPaths::findExecutable("xdotool");
    if (!server.running() || xdotool.isEmpty()) {
        GTEST_SKIP() << "Xvfb or xdotool is not available";
    }
    const X11Connection x11 = *X11Connection::of(server.connection());
    const xcb_window_t below = makeWindow(x11, 0, 0, 500);
    const xcb_window_t panel = makeWindow(x11, 100, 100, 200);
    X11InputShape input(x11, [panel] { return panel; });
    ASSERT_TRUE(input.available());
    EXPECT_EQ(windowAt(x11, 150, 150), panel);
    // Two pieces in the window's own pixels: presses there go to it, the rest falls through.
    input.set(QRegion(40, 40, 20, 10) + QRegion(10, 150, 5, 5));
    EXPECT_EQ(windowAt(x11, 150, 145), panel);
    EXPECT_EQ(windowAt(x11, 159, 149), panel);
    EXPECT_EQ(windowAt(x11, 160, 145), below);
    EXPECT_EQ(windowAt(x11, 150, 150), below);
    EXPECT_EQ(windowAt(x11, 139, 145), below);
    EXPECT_EQ(windowAt(x11, 112, 252), panel);
    EXPECT_EQ(windowAt(x11, 250, 250), below);
    input.set(QRegion());
    EXPECT_EQ(windowAt(x11, 150, 150), below);
    // The shape stays in the window's pixels when the window grows.
    input.set(QRegion(250, 250, 10, 10));
    const uint32_t side = 300;
    xcb_configure_window(x11.get(), panel, XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT,
                         std::array<uint32_t, 2>{side, side}.data());
    EXPECT_EQ(windowAt(x11, 355, 355), panel);
    EXPECT_EQ(windowAt(x11, 150, 150), below);
    // Without a connection there is nothing to shape.
    EXPECT_FALSE(X11InputShape(std::nullopt, [panel] { return panel; }).available());

    // Left and right presses count, the middle button does not; a stopped monitor is silent.
    X11GlobalMouseMonitor monitor(server.display());
    int presses = 0;
    ASSERT_TRUE(monitor.start([&presses] { ++presses; }));
    X11PointerProbe probe(x11);
    EXPECT_EQ(probe.query(), (PointerState{QPoint(150, 150), false}));
    const auto run = [&server, &xdotool](const QStringList& arguments) {
        QProcess tool;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", QString::fromLatin1(server.display()));
        tool.setProcessEnvironment(environment);
        tool.start(xdotool, arguments);
        return tool.waitForFinished(5000);
    };
    ASSERT_TRUE(run({"click", "1", "click", "2", "click", "3"}));
    EXPECT_TRUE(test::runUntil([&presses] { return presses >= 2; }));
    monitor.stop();
    ASSERT_TRUE(run({"mousemove", "40", "50", "click", "1"}));
    EXPECT_TRUE(test::runUntil([&probe] {
        return probe.query() == PointerState{QPoint(40, 50), false};
    }));
    EXPECT_EQ(presses, 2);
}

}  // namespace
}  // namespace tundle
